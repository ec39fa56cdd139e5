#include "singleinstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laterCopiesKnock_data()
    {
        QTest::addColumn<bool>("killedBefore");
        QTest::newRow("first copy") << false;
        QTest::newRow("after a killed copy's lock and socket") << true;
    }

    void laterCopiesKnock()
    {
        QFETCH(bool, killedBefore);
        QTemporaryDir dir;
        if (killedBefore) {
            // Ends without a word, as kill -9 leaves things.
            const pid_t child = fork();
            if (child == 0) {
                SingleInstance killed(dir.path());
                _exit(killed.claim() ? 0 : 1);
            }
            int status = -1;
            QCOMPARE(waitpid(child, &status, 0), child);
            QCOMPARE(status, 0);
        }
        SingleInstance first(dir.path());
        QVERIFY(first.claim());
        QSignalSpy knocks(&first, &SingleInstance::frontRequested);
        // A copy that gives up must leave the first one's socket alone.
        for (int i = 0; i < 2; ++i) {
            SingleInstance later(dir.path());
            QVERIFY(!later.claim());
            later.bringOtherToFront();
            QVERIFY(knocks.wait());
        }
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
