#pragma once

#include <QObject>

/// SIGTERM, SIGINT and SIGHUP (a logout, kill, Ctrl+C) as a Qt signal in
/// the event loop, so that the program ends as when its window is closed
/// instead of dying in the middle of whatever it was doing. One instance,
/// for the program's whole run.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    /// One of the signals arrived; signalNumber says which.
    void received(int signalNumber);
};
