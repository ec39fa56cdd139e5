#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

/// The readers under test take a file: the input is written to a scratch
/// file of this process's own, so that the whole reading path is covered.
inline QString inputFile(const uint8_t *data, size_t size, const char *name)
{
    const QString path = QDir::temp().filePath(QStringLiteral("quendra-fuzz-%1-%2")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(QLatin1String(name)));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

/// Stops the run as a crash, so that the fuzzer keeps the input.
inline void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}
