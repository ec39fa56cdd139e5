// The register killed while it writes: started again as a child that adds
// rows as fast as it can and says which ones add() reported written, then
// SIGKILLed at a random moment, dozens of times over the same file.

#include "chequestore.h"
#include "registerrows.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

const char *const ChildFile = "QUENDRA_CRASH_REGISTER";

// Each run numbers its rows on from the ones already there.
int childAddsForever(const QString &file)
{
    ChequeStore store(file);
    if (!store.isOpen())
        return 3;
    for (int i = int(store.list({})->size());; ++i) {
        if (!store.add(cheque(QStringLiteral("Riga %1").arg(i), i)))
            return 4;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

} // namespace

class TestRegisterCrash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedAtRandomKeepsEveryRowReported()
    {
        QTemporaryDir dir;
        const QString file = ChequeStore::fileName(dir.path());
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        QSet<QString> reported;
        int kills = 0;
        for (int run = 0; run < 40; ++run) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QLatin1String(ChildFile), file);
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(child.waitForStarted());
            QTest::qSleep(int(random.bounded(5, 120)));
            if (child.state() == QProcess::Running) {
                child.kill();
                ++kills;
            }
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.readAllStandardError(), QByteArray());
            for (const QByteArray &line : child.readAllStandardOutput().split('\n'))
                if (!line.isEmpty())
                    reported.insert(QStringLiteral("Riga %1").arg(QString::fromLatin1(line)));
            QCOMPARE(integrityOf(file), "ok");
        }
        QVERIFY(kills >= 30);
        QVERIFY(!reported.isEmpty());
        ChequeStore store(file);
        QVERIFY(store.isOpen());
        const QStringList payees = payeesOf(*store.list({}));
        const QSet<QString> kept(payees.begin(), payees.end());
        QCOMPARE(kept.size(), payees.size());
        for (const QString &row : std::as_const(reported))
            QVERIFY2(kept.contains(row), qPrintable(row + " reported written, then lost"));
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(ChildFile)) {
        QCoreApplication app(argc, argv);
        return childAddsForever(qEnvironmentVariable(ChildFile));
    }
    QCoreApplication app(argc, argv);
    TestRegisterCrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_registercrash.moc"
