#pragma once
// The database administrator's set-up of a class server, run once as a PostgreSQL superuser by
// fernwick-class-server (tools/class-server), and again after an upgrade of Fernwick.
//
// What it makes. The database is owned by fernwick_owner, a role that does not log in; so are its `public`
// schema (closed to everyone else), the `fernwick` schema, every table and every function. Instructors are
// plain logins in the fernwick_instructor group: no CREATEROLE, owning nothing, allowed to connect to this
// database only. Every change an instructor makes (a class and its group role, a student's login, a new
// password, a void mark, an assignment) goes through a SECURITY DEFINER function of fernwick_owner that
// checks who calls and touches only that instructor's own classes and roles. The fault catalogue is written
// into fernwick.fault each time, from the trainer's own list, so that the server can check an exercise's
// answer.
//
// Both connect as `superuser` says; an empty host, user or password, and a port of -1, leave them to libpq
// (PGHOST, PGPORT, PGUSER, PGPASSWORD, ~/.pgpass, the Unix socket), as psql does.

#include "classroom/classserver.h"

namespace classroom {

// Creates `database` (or takes the one there), and brings its schema to this program's version, keeping its
// data. Returns the version in use.
Result<int> setUpDatabase(const Connection& superuser, const QString& database);

// Makes `login` an instructor of `database` with `password` (sent as its SCRAM verifier); an existing login
// gets the new password and loses any right to create roles.
Outcome addInstructor(const Connection& superuser, const QString& database, const QString& login,
                      const QString& password);

} // namespace classroom
