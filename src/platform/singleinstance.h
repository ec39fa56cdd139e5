#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>

/// One running copy of the program per data folder: two copies would each
/// rewrite the payee archive from their own list and lose the other's
/// names. The first copy holds a lock file in the folder, which a copy that
/// died (even by kill -9) does not leave stuck, and listens on a local
/// socket so that later copies can ask it to show its window.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// True when no other running copy holds the folder; this copy then
    /// holds it as long as the object lives. A folder that cannot hold a lock
    /// file at all (protected) cannot tell, and lets the copy run.
    bool claim();

    /// Asks the copy that holds the folder to bring its window to the front.
    void bringOtherToFront();

Q_SIGNALS:
    /// A later copy asked this one to show its window.
    void frontRequested();

private:
    void listen();

    QLockFile m_lock;
    QByteArray m_socketPath;
    int m_listener = -1;
};
