#pragma once
// Who the trainer works for in this run: alone on this computer, or a student signed in to a class. The
// server, class and name are remembered in the settings for the next sign-in; the password never is (the
// desktop's keyring may keep it, when the student asks and the desktop has one).

#include "classroom/classserver.h"

#include <QString>

namespace classwork {

struct Session
{
    classroom::Connection connection; // with the password, for this run only
    QString className;
    bool signedIn = false;
};

// The session of this run; not signed in at start.
Session& session();
void signOut();

// The last sign-in's server, class and name, from the settings (the password left empty).
Session remembered();
// Keeps the server, class and name for the next sign-in; never the password.
void remember(const Session& s);

// Keeps the server, its database and the encryption asked of it (sslmode), as the instructor connected to it
// on this computer: a student's sign-in here uses them. The class and the student's name are left as they were.
void rememberServer(const classroom::Connection& c);

// The encryption a sign-in on this computer asks of the server `c` names: sslmode require at least, unless the
// instructor chose another mode here for that same server and database (Class Set-Up), which is then used, for
// the students' sign-in and the instructor's next one alike.
// `chosenServer` is where the instructor connected ("host:port/database"), `chosenMode` the mode they chose.
QString sslmodeFor(const classroom::Connection& c, const QString& chosenServer, const QString& chosenMode);
// The same, with the instructor's choice as this computer's settings keep it.
QString sslmodeFor(const classroom::Connection& c);
// Whether a mode may send the class's work unencrypted (disable, allow, prefer).
bool belowRequire(const QString& sslmode);
// What a mode does, in a few words: "encrypted; the server's certificate is not checked".
QString encryptionText(const QString& sslmode);
// Where a connection goes, as the sign-in shows it: server, database and encryption.
QString connectionText(const classroom::Connection& c);

// The trainer's one line: alone or for a class, as whom, an encryption below require (the instructor's choice),
// and how many exercises wait to be sent (`waiting` below 0: not known yet).
// `setAside`: one sentence per exercise the server refused for good; the line names the latest.
QString statusLine(const Session& s, int waiting, const QStringList& setAside = {});

// The server as the sign-in shows it and reads it back: "host", "host:port"; a Unix socket's folder as is.
QString serverText(const classroom::Connection& c);
// Sets host and port from such a text; false when the port is not a number from 1 to 65535.
bool readServer(const QString& text, classroom::Connection& c);

} // namespace classwork
