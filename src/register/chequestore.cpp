#include "chequestore.h"

#include "storeschema.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString Columns = QStringLiteral(
    "id, printed_at, bank_name, bank_id, account, place, date_typed, amount_cents, amount_words, payee, "
    "printer, serial, annulled, annul_reason");
const QString TimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("quendra-register-%1").arg(counter.fetchAndAddRelaxed(1));
}

// An empty text is bound as NULL, which the table refuses: a field left
// blank is stored as empty text.
QVariant text(const QString &s)
{
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

bool pragma(QSqlDatabase &db, const QString &sql, QString *reason)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *reason = query.lastError().text();
    return false;
}

} // namespace

QString ChequeStore::fileName(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/Registro.sqlite");
}

ChequeStore::ChequeStore(const QString &fileName)
    : m_file(fileName)
    , m_connection(nextConnectionName())
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(fileName);
    // Another copy of the program (an export from the command line) may hold
    // the file for a moment: wait for it rather than fail.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open()) {
        m_error = m_db.lastError().text();
        return;
    }
    // WAL: a change costs one sync of the log instead of three of a rollback
    // journal, readers never wait for a print, and a crash at any point
    // leaves either the whole transaction or none of it. FULL syncs the log
    // at every commit, so a row reported written is on the disk.
    m_open = pragma(m_db, QStringLiteral("PRAGMA journal_mode = WAL"), &m_error)
        && pragma(m_db, QStringLiteral("PRAGMA synchronous = FULL"), &m_error)
        && StoreSchema::migrate(m_db, &m_error);
}

ChequeStore::~ChequeStore()
{
    // The last connection to close folds the log back into the file, so a
    // copy of Registro.sqlite alone is the whole register.
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool ChequeStore::write(const std::function<bool(QSqlQuery &)> &change)
{
    if (!m_open)
        return false;
    if (!m_db.transaction()) {
        m_error = m_db.lastError().text();
        return false;
    }
    bool done;
    {
        QSqlQuery query(m_db);
        done = change(query);
        if (!done)
            m_error = query.lastError().text();
    }
    if (done && m_db.commit())
        return true;
    if (done)
        m_error = m_db.lastError().text();
    m_db.rollback();
    return false;
}

std::optional<qint64> ChequeStore::add(const ChequeRecord &r)
{
    qint64 id = 0;
    const bool written = write([&](QSqlQuery &q) {
        q.prepare(QStringLiteral("INSERT INTO cheques (printed_at, bank_name, bank_id, account, place, "
                                 "date_typed, amount_cents, amount_words, payee, printer, serial, annulled, "
                                 "annul_reason) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant &v : {text(r.printedAt.toString(TimeFormat)), text(r.bankName), QVariant(r.bankId),
                                  text(r.account), text(r.place), text(r.date), QVariant(r.amountCents),
                                  text(r.amountWords), text(r.payee), text(r.printer), text(r.serial),
                                  QVariant(int(r.annulled)), text(r.annulReason)})
            q.addBindValue(v);
        if (!q.exec())
            return false;
        id = q.lastInsertId().toLongLong();
        return true;
    });
    if (!written)
        return std::nullopt;
    return id;
}

bool ChequeStore::setSerial(qint64 id, const QString &serial)
{
    return write([&](QSqlQuery &q) {
        q.prepare(QStringLiteral("UPDATE cheques SET serial = ? WHERE id = ?"));
        q.addBindValue(text(serial));
        q.addBindValue(id);
        return q.exec() && q.numRowsAffected() == 1;
    });
}

bool ChequeStore::annul(qint64 id, const QString &reason)
{
    return write([&](QSqlQuery &q) {
        q.prepare(QStringLiteral("UPDATE cheques SET annulled = 1, annul_reason = ? WHERE id = ?"));
        q.addBindValue(text(reason));
        q.addBindValue(id);
        return q.exec() && q.numRowsAffected() == 1;
    });
}

QSqlQuery ChequeStore::filtered(const RegisterFilter &filter, const QString &what, const QString &tail)
{
    QStringList where;
    QVariantList values;
    if (filter.from.isValid()) {
        where << QStringLiteral("printed_at >= ?");
        values << filter.from.startOfDay().toString(TimeFormat);
    }
    if (filter.to.isValid()) {
        where << QStringLiteral("printed_at < ?");
        values << filter.to.addDays(1).startOfDay().toString(TimeFormat);
    }
    if (!filter.bankName.isEmpty()) {
        where << QStringLiteral("bank_name = ?");
        values << filter.bankName;
    }
    if (!filter.payeeText.isEmpty()) {
        // LIKE ignores the case of ASCII letters without making a copy of
        // each name, which keeps a scan of years of cheques quick; a "%"
        // or "_" typed is a character of the name.
        QString escaped = filter.payeeText;
        escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
        where << QStringLiteral("payee LIKE ? ESCAPE '\\'");
        values << QStringLiteral("%%1%").arg(escaped);
    }
    QString sql = QStringLiteral("SELECT %1 FROM cheques").arg(what);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += tail;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &v : std::as_const(values))
        query.addBindValue(v);
    return query;
}

QSqlQuery ChequeStore::select(const RegisterFilter &filter)
{
    QSqlQuery query = filtered(filter, Columns, QStringLiteral(" ORDER BY printed_at DESC, id DESC"));
    query.setForwardOnly(false);
    if (m_open && !query.exec())
        m_error = query.lastError().text();
    return query;
}

ChequeRecord ChequeStore::recordOf(const QSqlQuery &q)
{
    ChequeRecord r;
    r.id = q.value(0).toLongLong();
    r.printedAt = QDateTime::fromString(q.value(1).toString(), TimeFormat);
    r.bankName = q.value(2).toString();
    r.bankId = q.value(3).toInt();
    r.account = q.value(4).toString();
    r.place = q.value(5).toString();
    r.date = q.value(6).toString();
    r.amountCents = q.value(7).toLongLong();
    r.amountWords = q.value(8).toString();
    r.payee = q.value(9).toString();
    r.printer = q.value(10).toString();
    r.serial = q.value(11).toString();
    r.annulled = q.value(12).toInt() != 0;
    r.annulReason = q.value(13).toString();
    return r;
}

std::optional<QList<ChequeRecord>> ChequeStore::list(const RegisterFilter &filter, Order order)
{
    if (!m_open)
        return std::nullopt;
    QSqlQuery q = filtered(filter, Columns,
                           order == Order::NewestFirst ? QStringLiteral(" ORDER BY printed_at DESC, id DESC")
                                                       : QStringLiteral(" ORDER BY printed_at, id"));
    if (!q.exec()) {
        m_error = q.lastError().text();
        return std::nullopt;
    }
    QList<ChequeRecord> rows;
    while (q.next())
        rows.append(recordOf(q));
    if (q.lastError().isValid()) {
        m_error = q.lastError().text();
        return std::nullopt;
    }
    return rows;
}

std::optional<ChequeStore::Summary> ChequeStore::summary(const RegisterFilter &filter)
{
    if (!m_open)
        return std::nullopt;
    QSqlQuery q = filtered(
        filter, QStringLiteral("count(*), coalesce(sum(CASE WHEN annulled = 0 THEN amount_cents END), 0)"), {});
    if (!q.exec() || !q.next()) {
        m_error = q.lastError().text();
        return std::nullopt;
    }
    return Summary{q.value(0).toLongLong(), q.value(1).toLongLong()};
}

QStringList ChequeStore::bankNames()
{
    QStringList names;
    if (!m_open)
        return names;
    QSqlQuery q(m_db);
    if (q.exec(QStringLiteral("SELECT DISTINCT bank_name FROM cheques ORDER BY bank_name")))
        while (q.next())
            names.append(q.value(0).toString());
    return names;
}

int ChequeStore::schemaVersion()
{
    QSqlQuery q(m_db);
    if (!m_open || !q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return -1;
    return q.value(0).toInt();
}
