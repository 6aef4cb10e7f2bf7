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


// Version 2: set up by the database administrator, as a superuser (classroom/setup.h), and no longer by an
// instructor. fernwick_owner owns the database and `public` too, and makes roles (it logs in as nobody; only
// its own functions act as it). Instructors lose CREATEROLE and every direct insert: each change they make
// goes through one of the SECURITY DEFINER functions below, which name everything by its schema, run with a
// search_path of pg_catalog, the schema and pg_temp last, and check the caller (session_user: the login, even
// inside the function). Students sign in with a login code; their names are in fernwick.student, read only by
// their instructor and themselves. Membership of a class's group is asked of the role's oid, so a class row
// whose role is gone hides that class and stops nothing else. An exercise's answer must agree with the
// fault catalogue (fernwick.fault, written by the set-up from the trainer's own list).
const char* const kVersion2[] = {
    "ALTER ROLE fernwick_owner NOLOGIN CREATEROLE",
    R"(DO $$BEGIN
         EXECUTE pg_catalog.format('ALTER DATABASE %I OWNER TO fernwick_owner', pg_catalog.current_database());
         EXECUTE pg_catalog.format('REVOKE ALL ON DATABASE %I FROM PUBLIC', pg_catalog.current_database());
       END$$)",
    "ALTER SCHEMA public OWNER TO fernwick_owner",
    "REVOKE ALL ON SCHEMA public FROM PUBLIC",
    // The instructors and students of version 1 keep their logins and work, with the rights of version 2.
    R"(DO $$DECLARE r record; BEGIN
         FOR r IN SELECT m.member::regrole::text AS who FROM pg_catalog.pg_auth_members m
                  WHERE m.roleid = 'fernwick_instructor'::regrole LOOP
           EXECUTE pg_catalog.format('ALTER ROLE %s NOCREATEROLE NOCREATEDB', r.who);
           EXECUTE pg_catalog.format('GRANT CONNECT ON DATABASE %I TO %s', pg_catalog.current_database(), r.who);
         END LOOP;
         FOR r IN SELECT m.member::regrole::text AS who FROM pg_catalog.pg_auth_members m
                  WHERE m.roleid = 'fernwick_owner'::regrole LOOP
           EXECUTE pg_catalog.format('REVOKE fernwick_owner FROM %s', r.who);
         END LOOP;
         FOR r IN SELECT c.grp FROM fernwick.class c
                  WHERE EXISTS (SELECT FROM pg_catalog.pg_roles o WHERE o.rolname = c.grp) LOOP
           EXECUTE pg_catalog.format('GRANT CONNECT ON DATABASE %I TO %I', pg_catalog.current_database(), r.grp);
         END LOOP;
         FOR r IN SELECT s.login FROM fernwick.student s
                  WHERE EXISTS (SELECT FROM pg_catalog.pg_roles o WHERE o.rolname = s.login) LOOP
           EXECUTE pg_catalog.format('ALTER ROLE %I CONNECTION LIMIT 4', r.login);
         END LOOP;
       END$$)",
    "SET LOCAL ROLE fernwick_owner",
    "ALTER DEFAULT PRIVILEGES FOR ROLE fernwick_owner REVOKE EXECUTE ON FUNCTIONS FROM PUBLIC",
    // Only fernwick_owner's functions write these tables, and fernwick_owner is reached only through them.
    "ALTER TABLE fernwick.class NO FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.student NO FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.assignment NO FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.voided NO FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.exercise NO FORCE ROW LEVEL SECURITY",
    "ALTER TABLE fernwick.student ADD COLUMN name text",
    "UPDATE fernwick.student SET name = login",
    "ALTER TABLE fernwick.student ALTER COLUMN name SET NOT NULL",
    "ALTER TABLE fernwick.student ADD CONSTRAINT student_name UNIQUE (class, name)",
    R"(CREATE TABLE fernwick.fault (
         id text PRIMARY KEY,
         stage text NOT NULL,
         part text NOT NULL))",
    "GRANT SELECT ON fernwick.fault TO PUBLIC",
    "DROP FUNCTION fernwick.create_class(text)",
    "DROP FUNCTION fernwick.create_login(uuid, text, text)",
    "DROP FUNCTION fernwick.reset_password(uuid, text, text)",
    "REVOKE INSERT ON fernwick.class, fernwick.student, fernwick.assignment, fernwick.voided FROM fernwick_instructor",
    "DROP POLICY teach ON fernwick.class",
    "DROP POLICY teach ON fernwick.student",
    "DROP POLICY teach ON fernwick.assignment",
    "DROP POLICY teach ON fernwick.voided",
    R"(CREATE FUNCTION fernwick.member(p_group name) RETURNS boolean
         LANGUAGE sql STABLE SECURITY INVOKER SET search_path = pg_catalog, fernwick, pg_temp AS $f$
         SELECT EXISTS (SELECT FROM pg_catalog.pg_roles r WHERE r.rolname = p_group
                        AND pg_catalog.pg_has_role(CURRENT_USER, r.oid, 'MEMBER'))
       $f$)",
    "GRANT EXECUTE ON FUNCTION fernwick.member(name) TO fernwick_instructor, fernwick_student",
    "DROP POLICY mine ON fernwick.class",
    R"(CREATE POLICY mine ON fernwick.class FOR SELECT
         USING (instructor = CURRENT_USER OR fernwick.member(grp)))",
    "DROP POLICY mine ON fernwick.assignment",
    R"(CREATE POLICY mine ON fernwick.assignment FOR SELECT
         USING (EXISTS (SELECT FROM fernwick.class c WHERE c.id = class
                        AND (c.instructor = CURRENT_USER
                             OR (fernwick.member(c.grp)
                                 AND (pg_catalog.cardinality(students) = 0 OR CURRENT_USER = ANY (students)))))))",
    "DROP POLICY learn ON fernwick.exercise",
    R"(CREATE POLICY learn ON fernwick.exercise FOR INSERT
         WITH CHECK (student = CURRENT_USER
                     AND EXISTS (SELECT FROM fernwick.class c WHERE c.id = class AND fernwick.member(c.grp))
                     AND (assignment IS NULL
                          OR EXISTS (SELECT FROM fernwick.assignment a
                                     WHERE a.id = assignment AND a.class = exercise.class))
                     AND correct = COALESCE((SELECT f.stage = fault_stage AND f.part = part_named
                                             FROM fernwick.fault f WHERE f.id = fault_id), false)))",

    // The instructor's changes. Each raises 42501 for a caller it is not for.
    R"(CREATE FUNCTION fernwick.check_verifier(p_verifier text) RETURNS void
         LANGUAGE plpgsql IMMUTABLE SET search_path = pg_catalog, fernwick, pg_temp AS $f$
       BEGIN
         IF p_verifier IS NULL OR p_verifier !~
            '^SCRAM-SHA-256\$[0-9]{4,7}:[A-Za-z0-9+/]+=*\$[A-Za-z0-9+/]+=*:[A-Za-z0-9+/]+=*$' THEN
           RAISE EXCEPTION 'a password is taken only as a SCRAM-SHA-256 verifier' USING ERRCODE = '22023';
         END IF;
       END $f$)",
    R"(CREATE FUNCTION fernwick.my_class(p_class uuid) RETURNS name
         LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, fernwick, pg_temp AS $f$
       DECLARE g name;
       BEGIN
         SELECT c.grp INTO g FROM fernwick.class c WHERE c.id = p_class AND c.instructor = SESSION_USER;
         IF g IS NULL OR NOT pg_catalog.pg_has_role(SESSION_USER, 'fernwick_instructor', 'MEMBER') THEN
           RAISE EXCEPTION 'not a class of this instructor' USING ERRCODE = '42501';
         END IF;
         RETURN g;
       END $f$)",
    R"(CREATE FUNCTION fernwick.create_class(p_name text) RETURNS uuid
         LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, fernwick, pg_temp AS $f$
       DECLARE
         c uuid := pg_catalog.gen_random_uuid();
         g text := 'fernwick_class_' || pg_catalog.replace(c::text, '-', '');
       BEGIN
         IF NOT pg_catalog.pg_has_role(SESSION_USER, 'fernwick_instructor', 'MEMBER') THEN
           RAISE EXCEPTION 'not an instructor' USING ERRCODE = '42501';
         END IF;
         IF p_name IS NULL OR pg_catalog.btrim(p_name) = '' THEN
           RAISE EXCEPTION 'a class needs a name' USING ERRCODE = '22023';
         END IF;
         EXECUTE pg_catalog.format('CREATE ROLE %I NOLOGIN IN ROLE fernwick_student', g);
         EXECUTE pg_catalog.format('GRANT CONNECT ON DATABASE %I TO %I', pg_catalog.current_database(), g);
         INSERT INTO fernwick.class (id, name, instructor, grp) VALUES (c, p_name, SESSION_USER, g);
         RETURN c;
       END $f$)",
    R"(CREATE FUNCTION fernwick.add_student(p_class uuid, p_name text, p_verifier text) RETURNS text
         LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, fernwick, pg_temp AS $f$
       DECLARE
         g name := fernwick.my_class(p_class);
         letters constant text := 'abcdefghjkmnpqrstuvwxyz23456789';
         l text;
       BEGIN
         IF p_name IS NULL OR pg_catalog.btrim(p_name) = '' THEN
           RAISE EXCEPTION 'a student needs a name' USING ERRCODE = '22023';
         END IF;
         PERFORM fernwick.check_verifier(p_verifier);
         LOOP
           l := 'fw';
           FOR i IN 1..6 LOOP
             l := l || pg_catalog.substr(letters, 1 + pg_catalog.floor(pg_catalog.random() * 31)::int, 1);
           END LOOP;
           EXIT WHEN NOT EXISTS (SELECT FROM pg_catalog.pg_roles r WHERE r.rolname = l);
         END LOOP;
         EXECUTE pg_catalog.format('CREATE ROLE %I LOGIN CONNECTION LIMIT 4 PASSWORD %L IN ROLE %I',
                                   l, p_verifier, g);
         INSERT INTO fernwick.student (class, login, name) VALUES (p_class, l, p_name);
         RETURN l;
       END $f$)",
    R"(CREATE FUNCTION fernwick.reset_password(p_class uuid, p_student text, p_verifier text) RETURNS text
         LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, fernwick, pg_temp AS $f$
       DECLARE l name; g name;
       BEGIN
         g := fernwick.my_class(p_class);
         PERFORM fernwick.check_verifier(p_verifier);
         SELECT s.login INTO l FROM fernwick.student s
          WHERE s.class = p_class AND (s.login = p_student OR s.name = p_student)
          ORDER BY (s.login = p_student) DESC LIMIT 1;
         -- Only a student's login of this class: never an instructor's or a superuser's, whatever a row of an
         -- earlier version says.
         IF l IS NULL OR NOT EXISTS (
              SELECT FROM pg_catalog.pg_roles r, pg_catalog.pg_roles c
               WHERE r.rolname = l AND c.rolname = g AND NOT r.rolsuper AND NOT r.rolcreaterole
                 AND pg_catalog.pg_has_role(r.oid, c.oid, 'MEMBER')
                 AND NOT pg_catalog.pg_has_role(r.oid, 'fernwick_instructor', 'MEMBER')) THEN
           RAISE EXCEPTION 'not a student of this class' USING ERRCODE = '42501';
         END IF;
         EXECUTE pg_catalog.format('ALTER ROLE %I PASSWORD %L', l, p_verifier);
         RETURN l;
       END $f$)",
    R"(CREATE FUNCTION fernwick.assign(p_class uuid, p_title text, p_faults text[], p_due timestamptz,
                                       p_students text[]) RETURNS uuid
         LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, fernwick, pg_temp AS $f$
       DECLARE
         logins name[];
         a uuid;
       BEGIN
         PERFORM fernwick.my_class(p_class);
         IF p_title IS NULL OR pg_catalog.btrim(p_title) = '' THEN
           RAISE EXCEPTION 'an assignment needs a title' USING ERRCODE = '22023';
         END IF;
         SELECT pg_catalog.array_agg(s.login) INTO logins FROM pg_catalog.unnest(p_students) AS w(who)
           JOIN fernwick.student s ON s.class = p_class AND (s.login = w.who OR s.name = w.who);
         IF pg_catalog.cardinality(COALESCE(logins, '{}')) <> pg_catalog.cardinality(p_students) THEN
           RAISE EXCEPTION 'not a student of this class' USING ERRCODE = '42501';
         END IF;
         INSERT INTO fernwick.assignment (class, title, faults, due, students)
           VALUES (p_class, p_title, p_faults, p_due, COALESCE(logins, '{}')) RETURNING id INTO a;
         RETURN a;
       END $f$)",
    R"(CREATE FUNCTION fernwick.mark_void(p_exercise uuid, p_reason text) RETURNS void
         LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, fernwick, pg_temp AS $f$
       BEGIN
         PERFORM fernwick.my_class((SELECT e.class FROM fernwick.exercise e WHERE e.id = p_exercise));
         INSERT INTO fernwick.voided (exercise, reason, marked_by)
           VALUES (p_exercise, COALESCE(p_reason, ''), SESSION_USER);
       END $f$)",
    R"(GRANT EXECUTE ON FUNCTION fernwick.create_class(text), fernwick.add_student(uuid, text, text),
         fernwick.reset_password(uuid, text, text), fernwick.assign(uuid, text, text[], timestamptz, text[]),
         fernwick.mark_void(uuid, text) TO fernwick_instructor)",
    "UPDATE fernwick.version SET version = 2",
    "RESET ROLE",
};

} // namespace

QStringList migrationTo(int version)
{
    QStringList statements;
    if (version == 1)
        for (const char* statement : kVersion1)
            statements << QString::fromUtf8(statement);
    if (version == 2)
        for (const char* statement : kVersion2)
            statements << QString::fromUtf8(statement);
    return statements;
}

} // namespace classroom
