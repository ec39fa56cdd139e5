#pragma once

#include "chequerecord.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSqlQuery>

/// The register's rows for a table view, read from a query a batch at a
/// time as the view scrolls, so that a register of years opens at once.
/// The serial number is the one cell that can be edited; the edit is handed
/// on with serialEdited(), the store is the window's.
class RegisterTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { PrintedAt, Bank, Account, Place, Date, Payee, Amount, Serial, State, Printer, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    /// Shows the rows of \a query (executed, newest first) in place of the old ones.
    void setQuery(QSqlQuery &&query);
    /// Lets go of the query, so the file is free for a change.
    void clear();
    const ChequeRecord &record(int row) const { return m_rows.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

Q_SIGNALS:
    void serialEdited(qint64 id, const QString &serial);

private:
    QList<ChequeRecord> readBatch();

    QSqlQuery m_query;
    QList<ChequeRecord> m_rows;
    bool m_more = false;
};
