#include "limitedchild.h"

#include <QElapsedTimer>
#include <QProcess>

#include <sys/resource.h>

namespace LimitedChild {

Result run(const QString &program, const QStringList &arguments, qint64 memoryBytes, int timeoutMs)
{
    QProcess child;
    child.setProgram(program);
    child.setArguments(arguments);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardInputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    const rlim_t memory = rlim_t(memoryBytes);
    const rlim_t seconds = rlim_t(qMax(1, timeoutMs / 1000));
    // Runs in the child between fork and exec: plain system calls only.
    child.setChildProcessModifier([memory, seconds] {
        const rlimit address{memory, memory};
        const rlimit cpu{seconds, seconds};
        const rlimit core{0, 0};
        ::setrlimit(RLIMIT_AS, &address);
        ::setrlimit(RLIMIT_CPU, &cpu);
        ::setrlimit(RLIMIT_CORE, &core);
    });
    Result result;
    child.start();
    if (!child.waitForStarted(timeoutMs))
        return result;
    QElapsedTimer clock;
    clock.start();
    // Read as it comes: a large picture fills the pipe long before the end.
    while (child.state() != QProcess::NotRunning) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0) {
            child.kill();
            child.waitForFinished(1000);
            result.end = End::TimedOut;
            return result;
        }
        child.waitForReadyRead(int(qMin<qint64>(left, 100)));
        result.output += child.readAllStandardOutput();
    }
    result.output += child.readAllStandardOutput();
    result.exitCode = child.exitCode();
    result.end = child.exitStatus() == QProcess::NormalExit ? End::Finished : End::Failed;
    return result;
}

} // namespace LimitedChild
