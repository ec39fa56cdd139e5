#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// A child process on a leash: some work (decoding a file from anywhere)
/// may hang or ask for all the memory there is, and must end the child,
/// never the program.
namespace LimitedChild {

enum class End { Finished, TimedOut, Failed };

struct Result
{
    End end = End::Failed;
    int exitCode = -1;
    QByteArray output; ///< what the child wrote to its standard output
};

/// Runs \a program with \a arguments, its address space capped at
/// \a memoryBytes and its processor time at the whole seconds of
/// \a timeoutMs; it is killed when it has not ended after \a timeoutMs.
/// Failed: it could not start, or it crashed (a memory limit reached
/// usually ends it that way).
Result run(const QString &program, const QStringList &arguments, qint64 memoryBytes, int timeoutMs);

} // namespace LimitedChild
