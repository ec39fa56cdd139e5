#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// Runs a program that handles untrusted input in a child process with a
/// time limit and a memory limit, so that a file that hangs or exhausts
/// its decoder ends the child, not the program the user works in.
namespace CagedProcess {

enum class Outcome { Done, TimedOut, OutOfMemory, Crashed, NotStarted };

struct Limits
{
    qint64 memoryBytes = 512 * 1024 * 1024; // the child's heap and mappings
    int seconds = 5;                        // wall clock, then it is killed
};

struct Run
{
    Outcome outcome = Outcome::NotStarted;
    int exitCode = 0;  // Done: what the child returned
    QByteArray output; // Done: all it wrote on its standard output
};

/// What a child returns when an allocation fails; exitOnExhaustion()
/// makes it so, and run() reports it as OutOfMemory.
constexpr int ExhaustedExitCode = 99;

/// Called by a child first: an allocation that fails ends it at once
/// with ExhaustedExitCode instead of an abort and a core file.
void exitOnExhaustion();

/// Runs \a program with \a arguments under \a limits and waits for it.
Run run(const QString &program, const QStringList &arguments, const Limits &limits = Limits());

} // namespace CagedProcess
