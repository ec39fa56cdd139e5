#include "filebytes.h"
#include "textlinesmodel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList rowsOf(const TextLinesModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.data(model.index(row)).toString();
    return rows;
}

} // namespace

class TestTextLinesModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("blank lines of every kind dropped")
            << QByteArray("A\r\n\r\n  \r\n\t\r\n\xa0\r\nB\r\n") << QStringList{"A", "B"};
        QTest::newRow("own blanks kept") << QByteArray(" A \r\nB\t\r\n") << QStringList{" A ", "B\t"};
        QTest::newRow("LF, CR and no end") << QByteArray("A\nB\rC") << QStringList{"A", "B", "C"};
        QTest::newRow("lone CR before CR LF") << QByteArray("A\r\r\nB\r") << QStringList{"A", "B"};
        QTest::newRow("CR only, LF far behind") << QByteArray("A\rB\r\rC\r\nD") << QStringList{"A", "B", "C", "D"};
        QTest::newRow("code page letters") << QByteArray("Citt\xe0 \x80\x81\r\n") << QStringList{"Città €\u0081"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QTEST(rowsOf(*loaded(bytes)), "rows");
        // Read on another thread, the same lines; the list keeps its old ones
        // until they are taken in.
        TextLinesModel later;
        later.append(QStringLiteral("OLD"));
        later.startLoading(m_dir.filePath(QStringLiteral("list.ini")));
        QVERIFY(QSignalSpy(&later, &TextLinesModel::loaded).wait());
        QCOMPARE(rowsOf(later), QStringList{"OLD"});
        later.finishLoading();
        QTEST(rowsOf(later), "rows");
    }

    // The 8-bit bytes go back unchanged; only a control character, which the
    // file writer never lets into a line, stays out.
    void deletionWritesBytesBack()
    {
        TextLinesModel *model = loaded("Citt\xe0\r\nX\r\nSociet\xe0 \x93Il Faro\x94 \x81\x8d\x9d\r\nA\tB\r\n");
        QVERIFY(model->removeRows(1, 1));
        QCOMPARE(model->fileBytes(), QByteArray("Citt\xe0\r\nSociet\xe0 \x93Il Faro\x94 \x81\x8d\x9d\r\nAB\r\n"));
        model->append(QStringLiteral("Perché €"));
        QCOMPARE(model->fileBytes().right(10), QByteArray("Perch\xe9 \x80\r\n"));
    }

    // Shown whole, a line of megabytes took the field minutes to measure.
    void longLineShownCut()
    {
        const QByteArray line(10 * 1024 * 1024, 'x');
        TextLinesModel *model = loaded("A\r\n" + line + "\r\n");
        QCOMPARE(rowsOf(*model), (QStringList{"A", QString(250, 'x') + QChar(0x2026)}));
        QCOMPARE(model->text(1).size(), line.size());
        QCOMPARE(model->fileBytes(), "A\r\n" + line + "\r\n");
    }

    void exactMatchOnly()
    {
        TextLinesModel *model = loaded("ROSSI\r\nrossi\r\nRossi \r\nRossi\r\n");
        QCOMPARE(model->indexOf(QStringLiteral("Rossi")), 3);
        QCOMPARE(model->indexOf(QStringLiteral("rossi")), 1);
        QCOMPARE(model->indexOf(QStringLiteral("ROSS")), -1);
        QCOMPARE(model->indexOf(QStringLiteral("Rossiś")), -1);
    }

    void everyLineEndWrittenAsCrLf()
    {
        QCOMPARE(loaded("A\nB\rC\r\n\nD")->fileBytes(), QByteArray("A\r\nB\r\nC\r\nD\r\n"));
    }

    void prefixLookup_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("row");
        QTest::newRow("first in list order, not in sorted order") << "ross" << 1;
        QTest::newRow("longer prefix, later row") << "rossin" << 2;
        QTest::newRow("accent folds, not strips") << "à" << 4;
        QTest::newRow("upper-case accent") << "ÀB" << 5;
        QTest::newRow("micro sign folds to Greek mu") << "μ" << 6;
        QTest::newRow("prefix longer than every line") << "rossini lucas" << -1;
        QTest::newRow("no line") << "q" << -1;
        QTest::newRow("outside the code page") << "ś" << -1;
    }

    // The same answers whether the list is read through or the sorted lookup is
    // ready.
    void prefixLookup()
    {
        QFETCH(QString, prefix);
        QFETCH(int, row);
        const QByteArray bytes = "ZETA\r\nROSSI MARIO\r\nROSSINI LUCA\r\nrossi anna\r\n\xe0x\r\n\xe0" "b\r\n\xb5m\r\n";
        TextLinesModel *model = loaded(bytes);
        QCOMPARE(model->firstRowStartingWith(prefix), row);
        model->waitForLookup();
        QCOMPARE(model->firstRowStartingWith(prefix), row);
    }

    void lookupFollowsChanges()
    {
        TextLinesModel *model = loaded("B\r\nAX\r\nAB\r\n");
        model->prepareLookup();
        model->append(QStringLiteral("ac")); // while the sort may still run
        model->waitForLookup();
        QCOMPARE(model->firstRowStartingWith(QStringLiteral("AC")), 3);
        model->removeRows(0, 2);
        QCOMPARE(model->firstRowStartingWith(QStringLiteral("a")), 0);
        QCOMPARE(model->firstRowStartingWith(QStringLiteral("b")), -1);
        model->append(QStringLiteral("AB"));
        QCOMPARE(model->firstRowStartingWith(QStringLiteral("ab")), 0);
        QCOMPARE(model->firstRowStartingWith(QStringLiteral("ac")), 1);
        model->removeRows(0, 1);
        QCOMPARE(model->firstRowStartingWith(QStringLiteral("ab")), 1);
    }

private:
    TextLinesModel *loaded(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("list.ini"));
        if (!putBytes(path, bytes))
            return nullptr;
        auto *model = new TextLinesModel(this);
        model->load(path);
        return model;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestTextLinesModel)
#include "tst_textlinesmodel.moc"
