#include "cagedprocess.h"

#include <QProcess>

#include <new>

#include <sys/resource.h>
#include <unistd.h>

namespace CagedProcess {

void exitOnExhaustion()
{
    std::set_new_handler([] { _exit(ExhaustedExitCode); });
}

Run run(const QString &program, const QStringList &arguments, const Limits &limits)
{
    QProcess child;
    child.setProgram(program);
    child.setArguments(arguments);
    child.setStandardInputFile(QProcess::nullDevice());
    // A decoder's warnings are for us, not for the user's terminal; what
    // matters reaches the caller as an exit code.
    child.setStandardErrorFile(QProcess::nullDevice());
    // The data limit counts the heap and private mappings but not the
    // shared libraries, so it can be set near what the work needs. The CPU
    // limit backs the wall clock should the parent itself be stopped.
    const rlim_t memory = rlim_t(limits.memoryBytes);
    const rlim_t cpu = rlim_t(limits.seconds) * 2;
    child.setChildProcessModifier([memory, cpu] {
        const rlimit data{memory, memory};
        const rlimit time{cpu, cpu};
        const rlimit core{0, 0};
        setrlimit(RLIMIT_DATA, &data);
        setrlimit(RLIMIT_CPU, &time);
        setrlimit(RLIMIT_CORE, &core);
    });
    Run result;
    child.start(QIODevice::ReadOnly);
    if (!child.waitForStarted(limits.seconds * 1000))
        return result;
    if (!child.waitForFinished(limits.seconds * 1000)) {
        child.kill();
        child.waitForFinished(-1);
        result.outcome = Outcome::TimedOut;
        return result;
    }
    if (child.exitStatus() == QProcess::CrashExit) {
        result.outcome = Outcome::Crashed;
        return result;
    }
    result.exitCode = child.exitCode();
    if (result.exitCode == ExhaustedExitCode) {
        result.outcome = Outcome::OutOfMemory;
        return result;
    }
    result.outcome = Outcome::Done;
    result.output = child.readAllStandardOutput();
    return result;
}

} // namespace CagedProcess
