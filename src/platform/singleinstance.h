#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

/// One running copy of the program per data folder: two copies would each
/// rewrite the payee archive from their own list and lose the other's
/// names. The first copy holds a lock on the data folder itself, which needs
/// no disk space and ends with the process however it ends, so nothing left
/// on disk can ever keep a later copy out; it listens on a socket of the
/// user's own, so that later copies can ask it to show its window.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// True when no other running copy holds the folder; this copy then
    /// holds it as long as the object lives. Anything an older copy left in
    /// the folder (Quendra.lock, whatever it holds) is taken away.
    bool claim();

    /// Asks the copy that holds the folder to bring its window to the front.
    void bringOtherToFront();

    /// The knock socket's address: a file in XDG_RUNTIME_DIR, or, without
    /// one, a name in the abstract namespace (starting with a NUL byte).
    QByteArray socketAddress() const { return m_socketPath; }

Q_SIGNALS:
    /// A later copy asked this one to show its window.
    void frontRequested();

private:
    void listen();

    QString m_dataFolder;
    QByteArray m_socketPath;
    int m_folder = -1;
    int m_listener = -1;
};
