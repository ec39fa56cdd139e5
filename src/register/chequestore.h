#pragma once

#include "chequerecord.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QSqlQuery;

/// The register of printed cheques: one SQLite file (through Qt's QSQLITE
/// driver) on a connection of its own, so that several stores can be open at
/// once. Every change is one transaction, synced before it returns: what
/// add() reported as written survives a crash or a power cut. Rows are never
/// deleted; a cheque gone wrong is marked annulled.
class ChequeStore
{
public:
    /// The register's file in \a dataFolder.
    static QString fileName(const QString &dataFolder);

    /// Opens (and creates, or brings up to date) the file \a fileName.
    explicit ChequeStore(const QString &fileName);
    ~ChequeStore();
    ChequeStore(const ChequeStore &) = delete;
    ChequeStore &operator=(const ChequeStore &) = delete;

    /// False when the file could not be opened or is no register; why in error().
    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    QString file() const { return m_file; }

    /// Writes \a record as a new row; its id, or nothing (why in error()).
    std::optional<qint64> add(const ChequeRecord &record);
    bool setSerial(qint64 id, const QString &serial);
    /// Marks the row annulled with \a reason; the row stays.
    bool annul(qint64 id, const QString &reason);

    enum class Order { NewestFirst, OldestFirst };
    /// The rows \a filter lets through, or nothing when the file cannot be read.
    std::optional<QList<ChequeRecord>> list(const RegisterFilter &filter, Order order = Order::NewestFirst);
    struct Summary
    {
        qint64 count = 0;      ///< rows, annulled ones included
        qint64 totalCents = 0; ///< annulled ones left out: they were never paid
    };
    /// Of the rows \a filter lets through.
    std::optional<Summary> summary(const RegisterFilter &filter);
    /// The bank names the register holds, sorted.
    QStringList bankNames();

    /// The columns of list()'s rows in this order, newest first: for a view
    /// that fetches rows as they are shown.
    QSqlQuery select(const RegisterFilter &filter);
    static ChequeRecord recordOf(const QSqlQuery &query);

    /// SQLite's PRAGMA user_version of the file, -1 when unreadable.
    int schemaVersion();

private:
    bool write(const std::function<bool(QSqlQuery &)> &change);
    QSqlQuery filtered(const RegisterFilter &filter, const QString &what, const QString &tail);

    QString m_file;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_open = false;
    QString m_error;
};
