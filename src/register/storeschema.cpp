#include "storeschema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace StoreSchema {

namespace {

// Step n brings version n to n + 1. A later release appends its own step
// and raises Current; a step never changes once released.
const QList<QStringList> Steps = {
    {QStringLiteral("CREATE TABLE cheques ("
                    " id INTEGER PRIMARY KEY,"
                    " printed_at TEXT NOT NULL,"
                    " bank_name TEXT NOT NULL,"
                    " bank_id INTEGER NOT NULL,"
                    " account TEXT NOT NULL,"
                    " place TEXT NOT NULL,"
                    " date_typed TEXT NOT NULL,"
                    " amount_cents INTEGER NOT NULL,"
                    " amount_words TEXT NOT NULL,"
                    " payee TEXT NOT NULL,"
                    " printer TEXT NOT NULL,"
                    " serial TEXT NOT NULL DEFAULT '',"
                    " annulled INTEGER NOT NULL DEFAULT 0,"
                    " annul_reason TEXT NOT NULL DEFAULT '')"),
     QStringLiteral("CREATE INDEX cheques_by_time ON cheques (printed_at, id)")},
};

bool run(QSqlQuery &query, const QString &sql, QString *reason)
{
    if (query.exec(sql))
        return true;
    if (reason)
        *reason = query.lastError().text();
    return false;
}

} // namespace

bool migrate(QSqlDatabase &db, QString *reason)
{
    static_assert(Current > 0);
    Q_ASSERT(Steps.size() == Current);
    QSqlQuery query(db);
    if (!run(query, QStringLiteral("PRAGMA user_version"), reason) || !query.next()) {
        if (reason && reason->isEmpty())
            *reason = QStringLiteral("versione del registro illeggibile");
        return false;
    }
    const int version = query.value(0).toInt();
    if (version == Current)
        return true;
    if (version > Current) {
        if (reason)
            *reason = QStringLiteral("il registro è stato scritto da una versione più recente di Quendra");
        return false;
    }
    if (version == 0 && db.tables().size() > 0) {
        if (reason)
            *reason = QStringLiteral("il file non è un registro di Quendra");
        return false;
    }
    if (!db.transaction()) {
        if (reason)
            *reason = db.lastError().text();
        return false;
    }
    for (int step = version; step < Current; ++step)
        for (const QString &sql : Steps[step])
            if (!run(query, sql, reason)) {
                query.finish();
                db.rollback();
                return false;
            }
    // PRAGMA takes no bound values; the number is ours.
    if (!run(query, QStringLiteral("PRAGMA user_version = %1").arg(Current), reason)) {
        query.finish();
        db.rollback();
        return false;
    }
    query.finish();
    if (!db.commit()) {
        if (reason)
            *reason = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

} // namespace StoreSchema
