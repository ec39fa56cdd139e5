#include "registertablemodel.h"

#include "chequestore.h"

#include <QBrush>
#include <QColor>

namespace {

constexpr int Batch = 256;

} // namespace

void RegisterTableModel::setQuery(QSqlQuery &&query)
{
    beginResetModel();
    m_query = std::move(query);
    m_rows.clear();
    m_more = m_query.isActive() && m_query.isSelect();
    m_rows = readBatch();
    endResetModel();
}

void RegisterTableModel::clear()
{
    beginResetModel();
    m_query = QSqlQuery();
    m_rows.clear();
    m_more = false;
    endResetModel();
}

QList<ChequeRecord> RegisterTableModel::readBatch()
{
    QList<ChequeRecord> batch;
    while (m_more && batch.size() < Batch) {
        if (m_query.next())
            batch.append(ChequeStore::recordOf(m_query));
        else
            m_more = false;
    }
    if (!m_more)
        m_query.finish();
    return batch;
}

bool RegisterTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more;
}

void RegisterTableModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    const QList<ChequeRecord> batch = readBatch();
    if (batch.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + batch.size() - 1));
    m_rows.append(batch);
    endInsertRows();
}

int RegisterTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RegisterTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegisterTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const ChequeRecord &r = m_rows.at(index.row());
    if (role == Qt::ForegroundRole && r.annulled)
        return QBrush(QColor(128, 128, 128));
    if (role == Qt::TextAlignmentRole && index.column() == Amount)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case PrintedAt:
        return r.printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    case Bank:
        return r.bankName;
    case Account:
        return r.account;
    case Place:
        return r.place;
    case Date:
        return r.date;
    case Payee:
        return r.payee;
    case Amount:
        return centsGrouped(r.amountCents);
    case Serial:
        return r.serial;
    case State:
        return r.annulled ? QStringLiteral("annullato: %1").arg(r.annulReason) : QString();
    case Printer:
        return r.printer;
    default:
        return {};
    }
}

QVariant RegisterTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions = {
        QStringLiteral("Stampato il"), QStringLiteral("Banca"),        QStringLiteral("Conto"),
        QStringLiteral("Luogo"),       QStringLiteral("Data"),         QStringLiteral("Beneficiario"),
        QStringLiteral("Importo €"),   QStringLiteral("N. assegno"),   QStringLiteral("Stato"),
        QStringLiteral("Stampante")};
    return captions.value(section);
}

Qt::ItemFlags RegisterTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Serial ? flags | Qt::ItemIsEditable : flags;
}

bool RegisterTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != Serial || index.row() >= m_rows.size())
        return false;
    const QString serial = value.toString().trimmed();
    if (serial == m_rows.at(index.row()).serial)
        return false;
    emit serialEdited(m_rows.at(index.row()).id, serial);
    return true;
}
