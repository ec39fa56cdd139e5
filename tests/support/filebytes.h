#pragma once

#include <QFile>

/// Puts \a bytes in \a path, replacing what was there; false when they are not all on disk.
inline bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

/// The bytes of \a path, or "<missing>" when it cannot be read.
inline QByteArray bytesIn(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
