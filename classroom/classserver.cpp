#include "classroom/classserver.h"

#include "classroom/schema.h"
#include "classroom/sql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QThread>

#include <atomic>

namespace classroom {

namespace sql {

bool connectionLost(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return error.type() == QSqlError::ConnectionError || code.isEmpty() || code.startsWith(QLatin1String("08"))
           || code.startsWith(QLatin1String("57P"));
}

void configure(QSqlDatabase& db, const Connection& c)
{
    if (!c.host.isEmpty())
        db.setHostName(c.host);
    if (c.port > 0)
        db.setPort(c.port);
    if (!c.database.isEmpty())
        db.setDatabaseName(c.database);
    if (!c.name.isEmpty())
        db.setUserName(c.name);
    if (!c.password.isEmpty())
        db.setPassword(c.password);
    QString options = QStringLiteral("connect_timeout=5;keepalives_idle=5;keepalives_interval=2;keepalives_count=2;"
                                     "application_name=fernwick;"
                                     "options='-c search_path=pg_catalog,pg_temp -c client_min_messages=warning'");
    if (!c.sslmode.isEmpty())
        options += QStringLiteral(";sslmode=") + c.sslmode;
    db.setConnectOptions(options);
}

bool lasting(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code.startsWith(QLatin1String("22")) || code.startsWith(QLatin1String("23"))
           || (code.startsWith(QLatin1String("42")) && code != QLatin1String("42P01"));
}

QString sentence(const QSqlError& error, const Connection& connection)
{
    const QString code = error.nativeErrorCode();
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    const QString where = connection.host + QLatin1Char(':') + QString::number(connection.port);
    // What the server's pg_hba.conf, its connection limits and libpq's certificate checks say, each told apart:
    // they are set in different places by different people.
    if (text.contains(QLatin1String("pg_hba.conf")) && text.contains(QLatin1String("no encryption")))
        return QObject::tr("The class server at %1 lets this computer in only over an encrypted connection, and "
                           "this computer asks for none (sslmode %2).")
            .arg(where, connection.sslmode);
    if (text.contains(QLatin1String("pg_hba.conf")))
        return QObject::tr("The class server at %1 does not let %2 in from this computer to the database %3 (no "
                           "line of its pg_hba.conf allows it).")
            .arg(where, connection.name, connection.database);
    if (text.contains(QLatin1String("too many connections for role")))
        return QObject::tr("%1 already has as many connections to the class server as one login may have: sign "
                           "out where %1 is signed in elsewhere.")
            .arg(connection.name);
    if (text.contains(QLatin1String("too many clients")) || text.contains(QLatin1String("connection slots are reserved")))
        return QObject::tr("The class server at %1 has as many connections as it allows (max_connections): "
                           "try again in a moment.")
            .arg(where);
    if (code == QLatin1String("28P01") || code == QLatin1String("28000")
        || text.contains(QLatin1String("authentication failed")))
        return QObject::tr("The class server refused the name or password of %1.").arg(connection.name);
    // What libpq says when the encryption asked for (sslmode) cannot be had.
    if (text.contains(QLatin1String("does not support SSL")))
        return QObject::tr("The class server at %1 does not offer an encrypted connection, and this computer asks "
                           "for one (sslmode %2).")
            .arg(where, connection.sslmode);
    if (text.contains(QLatin1String("root certificate file")))
        return QObject::tr("This computer has no certificate of the school's certificate authority "
                           "(~/.postgresql/root.crt) to check the class server with, and sslmode %1 needs one.")
            .arg(connection.sslmode);
    if (text.contains(QLatin1String("does not match host name")))
        return QObject::tr("The class server's certificate is made out for another name than %1: connect with the "
                           "name its certificate carries (sslmode %2).")
            .arg(connection.host, connection.sslmode);
    if (text.contains(QLatin1String("certificate verify failed")))
        return QObject::tr("The class server's certificate is not the one this computer's certificate authority "
                           "vouches for (sslmode %1).")
            .arg(connection.sslmode);
    if (code == QLatin1String("3D000"))
        return QObject::tr("The class server has no database named %1.").arg(connection.database);
    if (code == QLatin1String("42501") || code == QLatin1String("3F000"))
        return QObject::tr("The class server does not allow %1 to do this.").arg(connection.name);
    if (code == QLatin1String("42710"))
        return QObject::tr("A login of that name already exists on the class server.");
    if (code == QLatin1String("23505"))
        return QObject::tr("The class server already has this.");
    if (code == QLatin1String("22023") || code == QLatin1String("42939"))
        return QObject::tr("The class server does not accept that name.");
    if (connectionLost(error))
        return QObject::tr("The class server at %1 cannot be reached.").arg(where);
    return QObject::tr("The class server refused: %1.").arg(error.databaseText().section(QLatin1Char('\n'), 0, 0));
}

QStringList stringList(const QVariant& json)
{
    QStringList list;
    for (const QJsonValue& item : QJsonDocument::fromJson(json.toString().toUtf8()).array())
        list << item.toString();
    return list;
}

QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

bool run(QSqlQuery& query, const QString& text, std::initializer_list<QVariant> values, QSqlError& error)
{
    if (!query.prepare(text)) {
        error = query.lastError();
        return false;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (query.exec())
        return true;
    error = query.lastError();
    return false;
}

QString classId(QSqlQuery& q, const QString& className, QSqlError& error)
{
    if (!run(q,
             QStringLiteral("SELECT id::text FROM fernwick.class WHERE name = ? "
                            "ORDER BY (instructor = CURRENT_USER) DESC LIMIT 1"),
             {text(className)}, error))
        return {};
    return q.next() ? q.value(0).toString() : QString();
}

QString noClassSentence(const QString& className, const Connection& connection)
{
    return QObject::tr("The class server has no class %1 for %2.").arg(className, connection.name);
}

} // namespace sql

namespace {

std::atomic<int> g_connections{0};

QString toJson(const QStringList& list)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(list)).toJson(QJsonDocument::Compact));
}


QVariant timeOrNull(const QDateTime& time)
{
    return time.isValid() ? QVariant(time.toUTC().toString(Qt::ISODateWithMs)) : QVariant(QMetaType(QMetaType::QString));
}

QDateTime utc(const QVariant& value)
{
    return value.isNull() ? QDateTime() : value.toDateTime().toUTC();
}

// A student's name: any text but an empty one.
bool validName(const QString& name)
{
    return !name.trimmed().isEmpty() && !name.contains(QChar(0));
}

QString invalidName(const QString& name)
{
    return QObject::tr("\"%1\" is not a student's name.").arg(name);
}

const char* const kAssignmentColumns =
    "SELECT a.id::text, c.name, a.title, pg_catalog.to_jsonb(a.faults)::text, a.due, "
    "pg_catalog.to_jsonb(a.students)::text, a.created "
    "FROM fernwick.assignment a JOIN fernwick.class c ON c.id = a.class ";

Assignment assignmentFrom(const QSqlQuery& q)
{
    Assignment a;
    a.id = q.value(0).toString();
    a.className = q.value(1).toString();
    a.title = q.value(2).toString();
    a.faultIds = sql::stringList(q.value(3));
    a.due = utc(q.value(4));
    a.students = sql::stringList(q.value(5));
    a.created = utc(q.value(6));
    return a;
}

} // namespace

QString generatePassword()
{
    static const char kAlphabet[] = "abcdefghjkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString password;
    for (int i = 0; i < 12; ++i)
        password += QLatin1Char(kAlphabet[QRandomGenerator::system()->bounded(int(sizeof kAlphabet) - 1)]);
    return password;
}

ClassServer::ClassServer(Connection connection)
    : m_connection(std::move(connection)),
      m_name(QStringLiteral("fernwick-class-%1").arg(g_connections.fetch_add(1)))
{
}

ClassServer::~ClassServer()
{
    disconnect();
}

void ClassServer::disconnect()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

ClassServer::OnClass ClassServer::onClass(const QString& className, bool forwardOnly)
{
    OnClass on;
    if (Outcome c = connect(); !c.ok()) {
        on.why = c.error;
        return on;
    }
    on.q = QSqlQuery(QSqlDatabase::database(m_name, false));
    on.q.setForwardOnly(forwardOnly);
    QSqlError error;
    on.id = sql::classId(on.q, className, error);
    if (on.id.isEmpty())
        on.why = sql::noClass<Nothing>(error, *this, className).error;
    return on;
}

Outcome ClassServer::connect()
{
    static const QStringList kSslModes{QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
                                       QStringLiteral("require"), QStringLiteral("verify-ca"),
                                       QStringLiteral("verify-full")};
    if (!kSslModes.contains(m_connection.sslmode))
        return {{}, QObject::tr("\"%1\" is not an sslmode PostgreSQL knows.").arg(m_connection.sslmode)};
    if (m_reconnect) {
        disconnect();
        m_reconnect = false;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    if (db.isOpen())
        return {};
    if (!db.isValid())
        return {{}, QObject::tr("The PostgreSQL driver of Qt (libqt6sql6-psql) is not installed.")};
    sql::configure(db, m_connection);
    if (db.open())
        return {};
    const QSqlError error = db.lastError();
    db.close();
    return {{}, sql::sentence(error, m_connection)};
}

Result<int> ClassServer::prepareServer()
{
    if (Outcome c = connect(); !c.ok())
        return {{}, c.error};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    QSqlError error;
    if (!sql::run(q, QStringLiteral("SELECT pg_catalog.to_regclass('fernwick.version') IS NOT NULL"), {}, error)
        || !q.next())
        return sql::failed<int>(error, *this);
    int version = 0;
    if (q.value(0).toBool()) {
        if (!sql::run(q, QStringLiteral("SELECT version FROM fernwick.version"), {}, error) || !q.next())
            return sql::failed<int>(error, *this);
        version = q.value(0).toInt();
    }
    if (version > kSchemaVersion)
        return {version, QObject::tr("The class server's tables are of a newer version (%1) than this Fernwick "
                                     "knows (%2); they are left as they are.")
                             .arg(version)
                             .arg(kSchemaVersion)};
    if (version < kSchemaVersion)
        return {version, QObject::tr("The database %1 of the class server is not set up for this Fernwick yet: its "
                                     "administrator runs fernwick-class-server init %1.")
                             .arg(m_connection.database)};
    return {version, {}};
}

Result<QString> ClassServer::encryption()
{
    if (Outcome c = connect(); !c.ok())
        return {{}, c.error};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    QSqlError error;
    if (!sql::run(q,
                  QStringLiteral("SELECT CASE WHEN s.ssl THEN s.version || ', ' || s.cipher ELSE '' END "
                                 "FROM pg_catalog.pg_stat_ssl s WHERE s.pid = pg_catalog.pg_backend_pid()"),
                  {}, error)
        || !q.next())
        return sql::failed<QString>(error, *this);
    return {q.value(0).toString(), {}};
}

namespace {

// Makes a login for each student of the class `id`, in the transaction under way; stops at the first refusal.
Result<std::vector<StudentLogin>> makeLogins(QSqlQuery& q, const QString& id, const QStringList& students,
                                             ClassServer& server)
{
    using T = std::vector<StudentLogin>;
    QSqlError error;
    T logins;
    for (const QString& name : students) {
        StudentLogin login{name, generatePassword(), {}};
        if (!sql::run(q, QStringLiteral("SELECT fernwick.add_student(CAST(? AS uuid), ?, ?)"),
                      {id, name, scramVerifier(login.password)}, error)
            || !q.next()) {
            Result<T> result = sql::failed<T>(error, server);
            result.error += QLatin1Char(' ') + QObject::tr("(%1)").arg(name);
            return result;
        }
        login.login = q.value(0).toString();
        logins.push_back(std::move(login));
    }
    return {std::move(logins), {}};
}

} // namespace

Result<std::vector<StudentLogin>> ClassServer::createClass(const QString& className, const QStringList& students)
{
    using T = std::vector<StudentLogin>;
    if (className.trimmed().isEmpty())
        return {{}, QObject::tr("A class needs a name.")};
    for (const QString& name : students)
        if (!validName(name))
            return {{}, invalidName(name)};
    if (Outcome c = connect(); !c.ok())
        return {{}, c.error};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    QSqlError error;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    // The class, its group and every login in one transaction: a set-up that fails leaves nothing, and the
    // instructor simply tries again.
    if (!db.transaction())
        return sql::failed<T>(db.lastError(), *this);
    if (!sql::run(q, QStringLiteral("SELECT fernwick.create_class(?)::text"), {className}, error) || !q.next()) {
        db.rollback();
        return sql::failed<T>(error, *this);
    }
    const QString id = q.value(0).toString();
    Result<T> logins = makeLogins(q, id, students, *this);
    if (!logins.ok()) {
        db.rollback();
        return logins;
    }
    if (!db.commit())
        return sql::failed<T>(db.lastError(), *this);
    return logins;
}

Result<std::vector<StudentLogin>> ClassServer::addStudents(const QString& className, const QStringList& students)
{
    using T = std::vector<StudentLogin>;
    for (const QString& name : students)
        if (!validName(name))
            return {{}, invalidName(name)};
    OnClass on = onClass(className);
    if (!on.why.isEmpty())
        return {{}, on.why};
    // All or none: a list with one name refused makes no login, so the instructor can fix the list and try again.
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.transaction())
        return sql::failed<T>(db.lastError(), *this);
    Result<T> logins = makeLogins(on.q, on.id, students, *this);
    if (!logins.ok()) {
        db.rollback();
        return logins;
    }
    if (!db.commit())
        return sql::failed<T>(db.lastError(), *this);
    return logins;
}

Result<StudentLogin> ClassServer::resetPassword(const QString& className, const QString& student)
{
    OnClass on = onClass(className);
    if (!on.why.isEmpty())
        return {{}, on.why};
    QSqlQuery& q = on.q;
    QSqlError error;
    StudentLogin login{student, generatePassword(), {}};
    if (!sql::run(q, QStringLiteral("SELECT fernwick.reset_password(CAST(? AS uuid), ?, ?)"),
                  {on.id, sql::text(student), scramVerifier(login.password)}, error)
        || !q.next())
        return sql::failed<StudentLogin>(error, *this);
    login.login = q.value(0).toString();
    // The name, when the student was named by the login.
    if (sql::run(q, QStringLiteral("SELECT s.name FROM fernwick.student s WHERE s.login = ?"), {login.login}, error)
        && q.next())
        login.name = q.value(0).toString();
    return {login, {}};
}

Result<std::vector<ClassInfo>> ClassServer::classes()
{
    using T = std::vector<ClassInfo>;
    if (Outcome c = connect(); !c.ok())
        return {{}, c.error};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    QSqlError error;
    if (!sql::run(q,
                  QStringLiteral("SELECT c.name, c.instructor, s.names, s.logins FROM fernwick.class c "
                                 "LEFT JOIN LATERAL (SELECT pg_catalog.to_jsonb(pg_catalog.array_agg(s.name ORDER BY "
                                 "s.name))::text AS names, pg_catalog.to_jsonb(pg_catalog.array_agg(s.login ORDER BY "
                                 "s.name))::text AS logins FROM fernwick.student s WHERE s.class = c.id "
                                 "AND c.instructor = CURRENT_USER) s ON true ORDER BY c.name, c.instructor"),
                  {}, error)) {
        // A server no instructor has prepared yet has no class tables, and so no class.
        if (error.nativeErrorCode() == QLatin1String("42P01"))
            return {};
        return sql::failed<T>(error, *this);
    }
    T list;
    while (q.next())
        list.push_back({q.value(0).toString(), q.value(1).toString(), sql::stringList(q.value(2)),
                        sql::stringList(q.value(3))});
    return {std::move(list), {}};
}

Result<QString> ClassServer::assign(const NewAssignment& a)
{
    if (a.title.trimmed().isEmpty())
        return {{}, QObject::tr("An assignment needs a title.")};
    OnClass on = onClass(a.className);
    if (!on.why.isEmpty())
        return {{}, on.why};
    QSqlQuery& q = on.q;
    const QString& id = on.id;
    QSqlError error;
    if (!sql::run(q,
                  QStringLiteral("SELECT fernwick.assign(CAST(? AS uuid), ?, "
                                 "ARRAY(SELECT pg_catalog.jsonb_array_elements_text(CAST(? AS jsonb))), "
                                 "CAST(? AS timestamptz), "
                                 "ARRAY(SELECT pg_catalog.jsonb_array_elements_text(CAST(? AS jsonb))))::text"),
                  {id, a.title, toJson(a.faultIds), timeOrNull(a.due), toJson(a.students)}, error)
        || !q.next())
        return sql::failed<QString>(error, *this);
    return {q.value(0).toString(), {}};
}

Result<std::vector<Assignment>> ClassServer::assignments(const QString& className)
{
    using T = std::vector<Assignment>;
    OnClass on = onClass(className);
    if (!on.why.isEmpty())
        return {{}, on.why};
    QSqlQuery& q = on.q;
    const QString& id = on.id;
    QSqlError error;
    if (!sql::run(q, QString::fromLatin1(kAssignmentColumns) + QStringLiteral("WHERE a.class = CAST(? AS uuid) "
                                                                                "ORDER BY a.created DESC, a.id"),
                  {id}, error))
        return sql::failed<T>(error, *this);
    T list;
    while (q.next())
        list.push_back(assignmentFrom(q));
    return {std::move(list), {}};
}

Result<std::vector<Assignment>> ClassServer::openAssignments(const QString& className)
{
    using T = std::vector<Assignment>;
    Result<T> all = assignments(className);
    if (!all.ok())
        return all;
    if (Outcome c = connect(); !c.ok())
        return {{}, c.error};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    QSqlError error;
    // The faults this login has done under each assignment (void exercises do not count).
    if (!sql::run(q,
                  QStringLiteral("SELECT e.assignment::text, pg_catalog.to_jsonb(pg_catalog.array_agg(DISTINCT "
                                 "e.fault_id))::text FROM fernwick.exercise e WHERE e.student = CURRENT_USER "
                                 "AND e.assignment IS NOT NULL "
                                 "AND NOT EXISTS (SELECT FROM fernwick.voided v WHERE v.exercise = e.id) "
                                 "GROUP BY e.assignment"),
                  {}, error))
        return sql::failed<T>(error, *this);
    QHash<QString, QStringList> done;
    while (q.next())
        done.insert(q.value(0).toString(), sql::stringList(q.value(1)));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    T open;
    for (Assignment& a : all.value) {
        const auto it = done.constFind(a.id);
        for (const QString& fault : a.faultIds)
            if (it == done.cend() || !it->contains(fault))
                a.remaining << fault;
        a.finished = a.faultIds.isEmpty() ? it != done.cend() : a.remaining.isEmpty();
        if (!a.finished && (!a.due.isValid() || a.due > now))
            open.push_back(std::move(a));
    }
    std::stable_sort(open.begin(), open.end(), [](const Assignment& x, const Assignment& y) {
        if (x.due.isValid() != y.due.isValid())
            return x.due.isValid();
        return x.due < y.due;
    });
    return {std::move(open), {}};
}

Outcome ClassServer::send(const QString& className, const trainer::ExerciseRecord& e)
{
    QJsonArray readings;
    for (const trainer::RecordedReading& r : e.readings)
        readings.append(QJsonObject{{"stage", r.stage}, {"text", r.text}, {"refused", r.refused}});
    QJsonArray checks;
    for (const trainer::RecordedCheck& c : e.checks)
        checks.append(QJsonObject{{"part", c.part}, {"finding", c.finding}, {"failed", c.failed}});
    if (Outcome c = connect(); !c.ok())
        return {{}, c.error};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    QSqlError error;
    // The class is named inside the statement, so a send is one round trip. The exercise says who did it (no
    // name: the login), and the server takes it only from that student's own login.
    if (!sql::run(q,
                  QStringLiteral(
                      "INSERT INTO fernwick.exercise (id, student, class, assignment, chosen, finished, fault_id, "
                      "fault_stage, safety_slips, seconds, stage_named, part_named, correct, optimum, measurements, "
                      "readings, checks) SELECT CAST(? AS uuid), CAST(COALESCE(NULLIF(?, ''), CURRENT_USER) AS name), "
                      "c.id, CAST(NULLIF(?, '') AS uuid), ?, CAST(? AS timestamptz), "
                      "?, ?, ?, ?, ?, ?, ?, ?, ?, CAST(? AS jsonb), CAST(? AS jsonb) FROM fernwick.class c "
                      "WHERE c.name = ? AND fernwick.member(c.grp) LIMIT 1 "
                      "ON CONFLICT (id) DO NOTHING RETURNING 1"),
                  {e.id.toString(QUuid::WithoutBraces), sql::text(e.student), sql::text(e.assignment), int(e.chosen),
                   e.finished.toUTC().toString(Qt::ISODateWithMs), sql::text(e.faultId), sql::text(e.faultStage), e.safetySlips,
                   e.seconds, sql::text(e.stageNamed), sql::text(e.partNamed), e.right, e.optimum, e.measurements,
                   QString::fromUtf8(QJsonDocument(readings).toJson(QJsonDocument::Compact)),
                   QString::fromUtf8(QJsonDocument(checks).toJson(QJsonDocument::Compact)), className},
                  error))
        return sql::failed<Nothing>(error, *this);
    if (q.next())
        return {};
    // Nothing inserted: either it was there already, or the login is in no class of that name.
    if (!sql::run(q, QStringLiteral("SELECT 1 FROM fernwick.exercise WHERE id = CAST(? AS uuid)"),
                  {e.id.toString(QUuid::WithoutBraces)}, error))
        return sql::failed<Nothing>(error, *this);
    if (q.next())
        return {};
    return {{}, sql::noClassSentence(className, m_connection)};
}

Outcome ClassServer::markVoid(const QUuid& exercise, const QString& reason)
{
    if (Outcome c = connect(); !c.ok())
        return {{}, c.error};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    QSqlError error;
    if (!sql::run(q, QStringLiteral("SELECT fernwick.mark_void(CAST(? AS uuid), ?)"),
                  {exercise.toString(QUuid::WithoutBraces), sql::text(reason)}, error))
        return sql::failed<Nothing>(error, *this);
    return {};
}

Result<std::vector<QUuid>> ClassServer::voided(const QString& className)
{
    using T = std::vector<QUuid>;
    OnClass on = onClass(className);
    if (!on.why.isEmpty())
        return {{}, on.why};
    QSqlQuery& q = on.q;
    const QString& id = on.id;
    QSqlError error;
    if (!sql::run(q,
                  QStringLiteral("SELECT v.exercise::text FROM fernwick.voided v JOIN fernwick.exercise e "
                                 "ON e.id = v.exercise WHERE e.class = CAST(? AS uuid) ORDER BY v.marked"),
                  {id}, error))
        return sql::failed<T>(error, *this);
    T list;
    while (q.next())
        list.push_back(QUuid::fromString(q.value(0).toString()));
    return {std::move(list), {}};
}

} // namespace classroom
