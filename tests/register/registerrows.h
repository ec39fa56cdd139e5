#pragma once

#include "chequerecord.h"
#include "chequestore.h"

#include <QSqlQuery>
#include <QVariant>

/// A cheque as a test writes it: printed on \a day at \a time, the rest
/// filled with plain values.
Q_DECLARE_METATYPE(ChequeRecord)

inline ChequeRecord cheque(const QString &payee, qint64 cents, const QString &bank = QStringLiteral("Banca Uno"),
                           QDate day = QDate(2026, 3, 2), QTime time = QTime(10, 0))
{
    ChequeRecord r;
    r.printedAt = QDateTime(day, time);
    r.bankName = bank;
    r.bankId = 3;
    r.account = QStringLiteral("000123");
    r.place = QStringLiteral("Castelrovo");
    r.date = QStringLiteral("2 marzo 2026");
    r.amountCents = cents;
    r.amountWords = QStringLiteral("VENTI / 00");
    r.payee = payee;
    r.printer = QStringLiteral("Ufficio");
    return r;
}

inline QStringList payeesOf(const QList<ChequeRecord> &rows)
{
    QStringList payees;
    for (const ChequeRecord &r : rows)
        payees << r.payee;
    return payees;
}

/// SQLite's own verdict on the file, "ok" when whole.
inline QString integrityOf(const QString &file)
{
    const QString name = QStringLiteral("integrity-check");
    QString verdict;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                verdict = q.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return verdict;
}
