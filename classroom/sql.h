#pragma once
// The class server's connection and statements: one connection per ClassServer and thread, every statement
// prepared, every failure turned into one sentence.

#include "classroom/classserver.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <initializer_list>
#include <utility>

namespace classroom::sql {

// The sentence for a failed statement or connection; `who` is the login.
QString sentence(const QSqlError& error, const Connection& connection);
// Whether the error means the connection is gone (so the next call should connect anew).
bool connectionLost(const QSqlError& error);

// Text as a bound value: an empty string, never NULL (Qt binds a null QString as NULL).
QVariant text(const QString& value);

// Prepares and runs `text` with `values` bound in order; on failure sets `error` (if empty) and returns false.
bool run(QSqlQuery& query, const QString& text, std::initializer_list<QVariant> values, QSqlError& error);

} // namespace classroom::sql
