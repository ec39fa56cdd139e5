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
    void socketIsTheUsersOwn_data()
    {
        QTest::addColumn<bool>("withRuntimeFolder");
        QTest::newRow("in XDG_RUNTIME_DIR") << true;
        QTest::newRow("abstract, without XDG_RUNTIME_DIR") << false;
    }

    // A predictable name in /tmp could be taken first by another user.
    void socketIsTheUsersOwn()
    {
        QFETCH(bool, withRuntimeFolder);
        QTemporaryDir data, runtime;
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        if (withRuntimeFolder)
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        else
            qunsetenv("XDG_RUNTIME_DIR");
        SingleInstance instance(data.path());
        qputenv("XDG_RUNTIME_DIR", saved);
        const QByteArray address = instance.socketAddress();
        if (withRuntimeFolder)
            QVERIFY2(address.startsWith(runtime.path().toLocal8Bit() + "/Quendra-"), address);
        else
            QVERIFY2(address.startsWith(QByteArray("\0Quendra-", 9) + QByteArray::number(getuid()) + '-'), address);
        QVERIFY(instance.claim());
        QVERIFY(!SingleInstance(data.path()).claim());
    }

    // The abstract namespace is open to every user of the machine: another
    // user's knock must not bring this user's window up.
    void strangersKnockIgnored()
    {
        if (::getuid() != 0)
            QSKIP("only root can knock as another user");
        QTemporaryDir dir;
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        SingleInstance first(dir.path());
        QVERIFY(first.claim());
        QSignalSpy knocks(&first, &SingleInstance::frontRequested);
        const pid_t child = fork();
        if (child == 0) {
            SingleInstance stranger(dir.path());
            _exit(::setuid(65534) == 0 ? (stranger.bringOtherToFront(), 0) : 1);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(status, 0);
        // The stranger's connection is queued by now; one pass of the event
        // loop hands it to the listener.
        QCoreApplication::processEvents();
        QCOMPARE(knocks.count(), 0);
        SingleInstance(dir.path()).bringOtherToFront();
        qputenv("XDG_RUNTIME_DIR", saved);
        QVERIFY(knocks.wait());
        QCOMPARE(knocks.count(), 1);
    }

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
