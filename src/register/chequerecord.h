#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

/// One printed cheque as the register keeps it: what went onto the paper,
/// where and when, and what was noted about it afterwards.
struct ChequeRecord
{
    qint64 id = 0;          ///< the register's own number, 0 until added
    QDateTime printedAt;    ///< local time, to the second
    QString bankName;
    qint32 bankId = 0;
    QString account;
    QString place;
    QString date;           ///< as typed in the date field
    qint64 amountCents = 0; ///< exact; 0 when the amount field was blank
    QString amountWords;    ///< as printed, without the closing "###"
    QString payee;
    QString printer;
    QString serial;         ///< the form's own number, noted by hand
    bool annulled = false;
    QString annulReason;

    friend bool operator==(const ChequeRecord &a, const ChequeRecord &b);
};

/// What the register window shows: a period of print days (a null date is
/// no bound), one bank's name (empty: all) and a piece of the payee's name
/// (empty: all; letter case ignored).
struct RegisterFilter
{
    QDate from;
    QDate to;
    QString bankName;
    QString payeeText;
};

/// Cents as the register writes them: "1500,00", "0,05"; no thousands dots.
QString centsText(qint64 cents);

/// Cents as a person reads them: "1.500,00".
QString centsGrouped(qint64 cents);
