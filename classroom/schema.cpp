#include "classroom/schema.h"

namespace classroom {

namespace {

// Version 1. Three group roles shared by every class of the server: fernwick_owner owns the tables (it logs
// in as nobody, so no instructor owns them and none can turn their rules off), fernwick_instructor and
// fernwick_student hold what each may do. Each class has a group role of its own that its students belong
// to; row-level security (forced, so that even the owner is bound) keys every row on current_user and on
// membership of that group. Nobody may UPDATE or DELETE: no grant and no policy allows it. A mistaken
// exercise is marked in `voided`, a table the instructor may only add to.
const char* const kVersion1[] = {
    R"(DO $$BEGIN
         IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'fernwick_owner') THEN
           CREATE ROLE fernwick_owner NOLOGIN; END IF;
         IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'fernwick_instructor') THEN
           CREATE ROLE fernwick_instructor NOLOGIN; END IF;
         IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'fernwick_student') THEN
           CREATE ROLE fernwick_student NOLOGIN; END IF;
       END$$)",
    "GRANT fernwick_owner TO CURRENT_USER",
    "CREATE SCHEMA fernwick AUTHORIZATION fernwick_owner",
    "SET LOCAL ROLE fernwick_owner",
    "CREATE TABLE fernwick.version (version integer NOT NULL)",
    "INSERT INTO fernwick.version VALUES (0)",
    R"(CREATE TABLE fernwick.class (
         id uuid PRIMARY KEY,
         name text NOT NULL CHECK (name <> ''),
         instructor name NOT NULL DEFAULT current_user,
         grp name NOT NULL UNIQUE,
         UNIQUE (instructor, name)))",
    R"(CREATE TABLE fernwick.student (
         class uuid NOT NULL REFERENCES fernwick.class,
         login name NOT NULL,
         PRIMARY KEY (class, login)))",
    R"(CREATE TABLE fernwick.assignment (
         id uuid PRIMARY KEY DEFAULT gen_random_uuid(),
         class uuid NOT NULL REFERENCES fernwick.class,
         title text NOT NULL,
         faults text[] NOT NULL,
         due timestamptz,
         students name[] NOT NULL, -- empty: the whole class
         created timestamptz NOT NULL DEFAULT now()))",
    R"(CREATE TABLE fernwick.exercise (
         id uuid PRIMARY KEY,
         class uuid NOT NULL REFERENCES fernwick.class,
         student name NOT NULL DEFAULT current_user,
         assignment uuid REFERENCES fernwick.assignment,
         chosen smallint NOT NULL,
         finished timestamptz NOT NULL,
         fault_id text NOT NULL,
         fault_stage text NOT NULL,
         safety_slips integer NOT NULL,
         seconds integer NOT NULL,
         stage_named text NOT NULL,
         part_named text NOT NULL,
         correct boolean NOT NULL,
         optimum integer NOT NULL,
         measurements integer NOT NULL,
         readings jsonb NOT NULL,
         checks jsonb NOT NULL,
         received timestamptz NOT NULL DEFAULT now()))",
    "CREATE INDEX exercise_by_student ON fernwick.exercise (class, student, finished)",
    R"(CREATE TABLE fernwick.voided (
         exercise uuid PRIMARY KEY REFERENCES fernwick.exercise,
         reason text NOT NULL,
         marked_by name NOT NULL DEFAULT current_user,
         marked timestamptz NOT NULL DEFAULT now()))",

    // Who sees and adds which rows.
    R"(CREATE POLICY mine ON fernwick.class FOR SELECT
         USING (instructor = current_user OR pg_catalog.pg_has_role(current_user, grp, 'MEMBER')))",
    "CREATE POLICY teach ON fernwick.class FOR INSERT WITH CHECK (instructor = current_user)",
    R"(CREATE POLICY mine ON fernwick.student FOR SELECT
         USING (login = current_user
                OR EXISTS (SELECT FROM fernwick.class c WHERE c.id = class AND c.instructor = current_user)))",
    R"(CREATE POLICY teach ON fernwick.student FOR INSERT
         WITH CHECK (EXISTS (SELECT FROM fernwick.class c WHERE c.id = class AND c.instructor = current_user)))",
    R"(CREATE POLICY mine ON fernwick.assignment FOR SELECT
         USING (EXISTS (SELECT FROM fernwick.class c WHERE c.id = class
                        AND (c.instructor = current_user
                             OR (pg_catalog.pg_has_role(current_user, c.grp, 'MEMBER')
                                 AND (cardinality(students) = 0 OR current_user = ANY (students)))))))",
    R"(CREATE POLICY teach ON fernwick.assignment FOR INSERT
         WITH CHECK (EXISTS (SELECT FROM fernwick.class c WHERE c.id = class AND c.instructor = current_user)))",
    R"(CREATE POLICY mine ON fernwick.exercise FOR SELECT
         USING (student = current_user
                OR EXISTS (SELECT FROM fernwick.class c WHERE c.id = class AND c.instructor = current_user)))",
    R"(CREATE POLICY learn ON fernwick.exercise FOR INSERT
         WITH CHECK (student = current_user
                     AND EXISTS (SELECT FROM fernwick.class c WHERE c.id = class
                                 AND pg_catalog.pg_has_role(current_user, c.grp, 'MEMBER'))
                     AND (assignment IS NULL
                          OR EXISTS (SELECT FROM fernwick.assignment a
                                     WHERE a.id = assignment AND a.class = exercise.class))))",
    R"(CREATE POLICY mine ON fernwick.voided FOR SELECT
         USING (EXISTS (SELECT FROM fernwick.exercise e WHERE e.id = exercise)))",
    R"(CREATE POLICY teach ON fernwick.voided FOR INSERT
         WITH CHECK (marked_by = current_user
                     AND EXISTS (SELECT FROM fernwick.exercise e JOIN fernwick.class c ON c.id = e.class
                                 WHERE e.id = exercise AND c.instructor = current_user)))",
    "ALTER TABLE fernwick.class ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.student ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.assignment ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.exercise ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.voided ENABLE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.class FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.student FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.assignment FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.exercise FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.voided FORCE ROW LEVEL SECURITY",

    // Roles are made by the instructor's own login (which may create roles), through these functions, so that
    // a name or password arrives as a value and is quoted by format(): %I as an identifier, %L as a literal.
    R"(CREATE FUNCTION fernwick.create_class(p_name text) RETURNS uuid
         LANGUAGE plpgsql SECURITY INVOKER SET search_path = pg_catalog, pg_temp AS $f$
       DECLARE
         c uuid := gen_random_uuid();
         g text := 'fernwick_class_' || replace(c::text, '-', '');
       BEGIN
         EXECUTE format('CREATE ROLE %I NOLOGIN IN ROLE fernwick_student', g);
         INSERT INTO fernwick.class (id, name, grp) VALUES (c, p_name, g);
         RETURN c;
       END $f$)",
    R"(CREATE FUNCTION fernwick.create_login(p_class uuid, p_login text, p_password text) RETURNS void
         LANGUAGE plpgsql SECURITY INVOKER SET search_path = pg_catalog, pg_temp AS $f$
       DECLARE g text;
       BEGIN
         IF octet_length(p_login) > 63 OR p_login = '' THEN
           RAISE EXCEPTION 'login name length' USING ERRCODE = '22023';
         END IF;
         SELECT c.grp INTO g FROM fernwick.class c WHERE c.id = p_class AND c.instructor = current_user;
         IF g IS NULL THEN RAISE EXCEPTION 'not this instructor''s class' USING ERRCODE = '42501'; END IF;
         EXECUTE format('CREATE ROLE %I LOGIN PASSWORD %L IN ROLE %I', p_login, p_password, g);
         INSERT INTO fernwick.student (class, login) VALUES (p_class, p_login);
       END $f$)",
    R"(CREATE FUNCTION fernwick.reset_password(p_class uuid, p_login text, p_password text) RETURNS void
         LANGUAGE plpgsql SECURITY INVOKER SET search_path = pg_catalog, pg_temp AS $f$
       BEGIN
         IF NOT EXISTS (SELECT FROM fernwick.student s JOIN fernwick.class c ON c.id = s.class
                        WHERE s.class = p_class AND s.login = p_login AND c.instructor = current_user) THEN
           RAISE EXCEPTION 'not this instructor''s student' USING ERRCODE = '42501';
         END IF;
         EXECUTE format('ALTER ROLE %I PASSWORD %L', p_login, p_password);
       END $f$)",
    "REVOKE ALL ON FUNCTION fernwick.create_class(text) FROM PUBLIC",
    "REVOKE ALL ON FUNCTION fernwick.create_login(uuid, text, text) FROM PUBLIC",
    "REVOKE ALL ON FUNCTION fernwick.reset_password(uuid, text, text) FROM PUBLIC",
    R"(GRANT EXECUTE ON FUNCTION fernwick.create_class(text), fernwick.create_login(uuid, text, text),
         fernwick.reset_password(uuid, text, text) TO fernwick_instructor)",
    "GRANT USAGE ON SCHEMA fernwick TO fernwick_instructor, fernwick_student",
    "GRANT SELECT ON fernwick.version TO fernwick_instructor, fernwick_student",
    "GRANT SELECT, INSERT ON fernwick.class, fernwick.student, fernwick.assignment, fernwick.voided "
    "TO fernwick_instructor",
    "GRANT SELECT ON fernwick.exercise TO fernwick_instructor",
    "GRANT SELECT ON fernwick.class, fernwick.student, fernwick.assignment, fernwick.voided TO fernwick_student",
    "GRANT SELECT, INSERT ON fernwick.exercise TO fernwick_student",
    "UPDATE fernwick.version SET version = 1",
    "RESET ROLE",
    "REVOKE fernwick_owner FROM CURRENT_USER",
};

} // namespace

QStringList migrationTo(int version)
{
    QStringList statements;
    if (version == 1)
        for (const char* statement : kVersion1)
            statements << QString::fromUtf8(statement);
    return statements;
}

} // namespace classroom
