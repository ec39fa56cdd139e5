#pragma once

#include <QString>

class QSqlDatabase;

/// The register's tables, versioned by SQLite's PRAGMA user_version so that
/// a later release can bring an older file up to date step by step.
namespace StoreSchema {

/// The version this program writes.
constexpr int Current = 1;

/// Brings \a db to the current version in one transaction: a new file gets
/// the tables, an older one each missing step. A file of a newer program is
/// refused, as are files that are not a register. False with \a reason.
bool migrate(QSqlDatabase &db, QString *reason);

} // namespace StoreSchema
