#include "singleinstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedAndCallsTheFirst();
    void killedCopyLeavesNoStuckLock();
};

void TestSingleInstance::secondCopyIsRefusedAndCallsTheFirst()
{
    QTemporaryDir dir;
    QTemporaryDir other;
    auto first = std::make_unique<SingleInstance>(dir.path());
    QVERIFY(first->claim());
    SingleInstance second(dir.path() + QStringLiteral("/."));
    QVERIFY(!second.claim());
    QVERIFY(SingleInstance(other.path()).claim());

    QSignalSpy front(first.get(), &SingleInstance::frontRequested);
    second.bringOtherToFront();
    QVERIFY(front.wait(5000));

    first.reset();
    QVERIFY(second.claim());
}

void TestSingleInstance::killedCopyLeavesNoStuckLock()
{
    QTemporaryDir dir;
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        SingleInstance holder(dir.path());
        const char claimed = holder.claim() ? '1' : '0';
        (void)!::write(ready[1], &claimed, 1);
        for (;;)
            ::pause();
    }
    char claimed = 0;
    QCOMPARE(::read(ready[0], &claimed, 1), ssize_t(1));
    QCOMPARE(claimed, '1');

    SingleInstance later(dir.path());
    QVERIFY(!later.claim());
    QCOMPARE(::kill(child, SIGKILL), 0);
    QCOMPARE(::waitpid(child, nullptr, 0), child);
    QVERIFY(later.claim());
    ::close(ready[0]);
    ::close(ready[1]);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
