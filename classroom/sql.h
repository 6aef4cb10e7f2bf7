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

// Sets up a connection as every one to the class server is: where and as whom (an empty field, or a port of
// -1, left to libpq as psql leaves it), the encryption asked for, quick notice of a dead server, and a
// search_path pinned to pg_catalog before the first statement, so that no function of another schema is ever
// taken for a built-in one.
void configure(QSqlDatabase& db, const Connection& connection);

// The sentence for a failed statement or connection; `who` is the login.
QString sentence(const QSqlError& error, const Connection& connection);
// Whether the server refused for good: a rule or the data, not the network or a limit.
bool lasting(const QSqlError& error);
// Whether the error means the connection is gone (so the next call should connect anew).
bool connectionLost(const QSqlError& error);

// A JSON array of strings, as read from the server, as a list.
QStringList stringList(const QVariant& json);

// Text as a bound value: an empty string, never NULL (Qt binds a null QString as NULL).
QVariant text(const QString& value);

// Prepares and runs `text` with `values` bound in order; on failure sets `error` (if empty) and returns false.
bool run(QSqlQuery& query, const QString& text, std::initializer_list<QVariant> values, QSqlError& error);

// The id of a class the login may see, by name (the login's own class first); empty when there is none, with
// `error` set when the server failed.
QString classId(QSqlQuery& q, const QString& className, QSqlError& error);
QString noClassSentence(const QString& className, const Connection& connection);

// A failure's result: its sentence; after a lost connection, the next call connects anew.
template <typename T>
Result<T> failed(const QSqlError& error, ClassServer& server)
{
    if (connectionLost(error))
        server.reconnectNextTime();
    return {{}, sentence(error, server.connection()), lasting(error)};
}

// After classId() found nothing: the server's failure, or the sentence for a class the login does not have.
template <typename T>
Result<T> noClass(const QSqlError& error, ClassServer& server, const QString& className)
{
    if (error.isValid())
        return failed<T>(error, server);
    return {{}, noClassSentence(className, server.connection())};
}

} // namespace classroom::sql

namespace classroom {

// How every call on one class opens: connected, a query on this connection and the class's id; or, in `why`,
// the sentence that says why not (the server failed, or the login has no class of that name).
struct ClassServer::OnClass
{
    QSqlQuery q;
    QString id;
    QString why;
};

} // namespace classroom
