#include "classroom/setup.h"

#include "classroom/schema.h"
#include "classroom/sql.h"
#include "trainer/model/setmodel.h"

namespace classroom {

namespace {

// A connection of the set-up's own to `database`, closed and removed when it goes.
class AdminLink
{
public:
    AdminLink(const Connection& superuser, const QString& database)
        : m_name(QStringLiteral("fernwick-setup-%1").arg(quintptr(this)))
    {
        Connection c = superuser;
        c.database = database;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        sql::configure(db, c);
        if (!db.open())
            m_error = sql::sentence(db.lastError(), c);
    }
    ~AdminLink()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    QString error() const { return m_error; }

private:
    QString m_name;
    QString m_error;
};

// The administrator is told the server's own words too.
QString failure(const QSqlError& error, const Connection& c)
{
    const QString detail = error.databaseText().section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString said = sql::sentence(error, c);
    return detail.isEmpty() || said.contains(detail) ? said : said + QStringLiteral(" (") + detail + QLatin1Char(')');
}

// A statement made by the server from constant text and quoted values (format's %I and %L), then run: for
// the statements PostgreSQL cannot prepare (CREATE DATABASE, CREATE ROLE, GRANT).
bool runFormatted(const QSqlDatabase& db, const QString& pattern, std::initializer_list<QVariant> values,
                  QSqlError& error)
{
    QString text = QStringLiteral("SELECT pg_catalog.format(?");
    for (std::size_t i = 0; i < values.size(); ++i)
        text += QStringLiteral(", CAST(? AS text)");
    text += QLatin1Char(')');
    QSqlQuery made(db);
    if (!made.prepare(text)) {
        error = made.lastError();
        return false;
    }
    made.addBindValue(pattern);
    for (const QVariant& value : values)
        made.addBindValue(value);
    if (!made.exec() || !made.next()) {
        error = made.lastError();
        return false;
    }
    QSqlQuery q(db);
    if (q.exec(made.value(0).toString()))
        return true;
    error = q.lastError();
    return false;
}

} // namespace

Result<int> setUpDatabase(const Connection& superuser, const QString& database)
{
    if (database.trimmed().isEmpty() || database.toUtf8().size() > 63)
        return {{}, QObject::tr("A database name is 1 to 63 bytes.")};
    {
        AdminLink maintenance(superuser, QStringLiteral("postgres"));
        if (!maintenance.error().isEmpty())
            return {{}, maintenance.error()};
        QSqlQuery q(maintenance.db());
        QSqlError error;
        if (!sql::run(q, QStringLiteral("SELECT pg_catalog.count(*) FROM pg_catalog.pg_database WHERE datname = ?"),
                      {database}, error)
            || !q.next())
            return {{}, failure(error, superuser)};
        if (q.value(0).toInt() == 0 && !runFormatted(maintenance.db(), QStringLiteral("CREATE DATABASE %I"), {database}, error))
            return {{}, failure(error, superuser)};
    }
    AdminLink link(superuser, database);
    if (!link.error().isEmpty())
        return {{}, link.error()};
    QSqlDatabase db = link.db();
    QSqlQuery q(db);
    QSqlError error;
    if (!db.transaction())
        return {{}, failure(db.lastError(), superuser)};
    auto rollback = [&](const QSqlError& e) -> Result<int> {
        db.rollback();
        return {{}, failure(e, superuser)};
    };
    // Two set-ups at once take turns.
    if (!sql::run(q, QStringLiteral("SELECT pg_catalog.pg_advisory_xact_lock(4607)"), {}, error)
        || !sql::run(q, QStringLiteral("SELECT pg_catalog.to_regclass('fernwick.version') IS NOT NULL"), {}, error)
        || !q.next())
        return rollback(error);
    int version = 0;
    if (q.value(0).toBool()) {
        if (!sql::run(q, QStringLiteral("SELECT version FROM fernwick.version"), {}, error) || !q.next())
            return rollback(error);
        version = q.value(0).toInt();
    }
    if (version > kSchemaVersion) {
        db.rollback();
        return {version, QObject::tr("The class server's tables are of a newer version (%1) than this Fernwick "
                                     "knows (%2); they are left as they are.")
                             .arg(version)
                             .arg(kSchemaVersion)};
    }
    // Schema changes take no values, and PostgreSQL cannot prepare them: they run as the constant text they are.
    for (int next = version + 1; next <= kSchemaVersion; ++next)
        for (const QString& statement : migrationTo(next))
            if (!q.exec(statement))
                return rollback(q.lastError());
    // The fault catalogue, as this program's trainer has it: what the server checks an answer against.
    for (const trainer::Fault& fault : trainer::faults())
        if (!sql::run(q,
                      QStringLiteral("INSERT INTO fernwick.fault (id, stage, part) VALUES (?, ?, ?) ON CONFLICT (id) "
                                     "DO UPDATE SET stage = EXCLUDED.stage, part = EXCLUDED.part"),
                      {QString::fromUtf8(fault.id), QString::fromUtf8(fault.stage), QString::fromUtf8(fault.part)},
                      error))
            return rollback(error);
    if (!db.commit())
        return rollback(db.lastError());
    return {kSchemaVersion, {}};
}

Outcome addInstructor(const Connection& superuser, const QString& database, const QString& login,
                      const QString& password)
{
    const QByteArray bytes = login.toUtf8();
    if (login.trimmed().isEmpty() || bytes.size() > 63 || login.startsWith(QLatin1String("pg_"))
        || login.startsWith(QLatin1String("fernwick_")))
        return {{}, QObject::tr("An instructor's login is 1 to 63 bytes and begins with neither pg_ nor fernwick_.")};
    if (password.isEmpty())
        return {{}, QObject::tr("An instructor needs a password.")};
    AdminLink link(superuser, database);
    if (!link.error().isEmpty())
        return {{}, link.error()};
    QSqlDatabase db = link.db();
    QSqlQuery q(db);
    QSqlError error;
    if (!sql::run(q,
                  QStringLiteral("SELECT pg_catalog.to_regclass('fernwick.version') IS NOT NULL, "
                                 "(SELECT r.rolsuper FROM pg_catalog.pg_roles r WHERE r.rolname = ?)"),
                  {login}, error)
        || !q.next())
        return {{}, failure(error, superuser)};
    if (!q.value(0).toBool())
        return {{}, QObject::tr("The database %1 is not set up for Fernwick yet (init %1).").arg(database)};
    const bool exists = !q.value(1).isNull();
    if (q.value(1).toBool())
        return {{}, QObject::tr("%1 is a superuser: an instructor is a plain login.").arg(login)};
    if (!db.transaction())
        return {{}, failure(db.lastError(), superuser)};
    const QString verifier = scramVerifier(password);
    const bool done =
        runFormatted(db,
                     exists ? QStringLiteral("ALTER ROLE %I LOGIN NOCREATEROLE NOCREATEDB NOREPLICATION NOBYPASSRLS "
                                             "PASSWORD %L")
                            : QStringLiteral("CREATE ROLE %I LOGIN NOCREATEROLE NOCREATEDB PASSWORD %L"),
                     {login, verifier}, error)
        && runFormatted(db, QStringLiteral("GRANT fernwick_instructor TO %I"), {login}, error)
        && runFormatted(db, QStringLiteral("GRANT CONNECT ON DATABASE %I TO %I"), {database, login}, error);
    if (!done || !db.commit()) {
        const QSqlError e = done ? db.lastError() : error;
        db.rollback();
        return {{}, failure(e, superuser)};
    }
    return {};
}

} // namespace classroom
