// fernwick-class-server: the database administrator's set-up of a class server, run as the PostgreSQL
// superuser, connecting as psql does (PGHOST, PGPORT, PGUSER, PGPASSWORD, ~/.pgpass, the Unix socket).
//   fernwick-class-server init DATABASE                 the database, its owner, its schema (again: brings it up to date)
//   fernwick-class-server instructor LOGIN [DATABASE]   an instructor's login; the password from standard input
//                                                     when that is not a terminal, else asked for twice
// DATABASE defaults to PGDATABASE, else fernwick. Exits 0 when done, 1 with one sentence on stderr when not,
// 2 on a wrong command line.

#include "classroom/setup.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

// A line of standard input, not echoed when it is a terminal.
QString readPassword(const char* prompt)
{
    const bool terminal = ::isatty(STDIN_FILENO) != 0;
    termios saved{};
    if (terminal) {
        std::fputs(prompt, stderr);
        ::tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    QTextStream in(stdin);
    const QString line = in.readLine();
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fputs("\n", stderr);
    }
    return line;
}

int usage()
{
    std::fputs("usage: fernwick-class-server init DATABASE\n"
               "       fernwick-class-server instructor LOGIN [DATABASE]\n",
               stderr);
    return 2;
}

int fail(const QString& sentence)
{
    std::fprintf(stderr, "%s\n", qPrintable(sentence));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    // Everything left empty is libpq's to fill in, as for psql.
    classroom::Connection superuser;
    superuser.port = -1;
    superuser.sslmode.clear();
    const QString fallback = qEnvironmentVariable("PGDATABASE", QStringLiteral("fernwick"));
    if (args[0] == QLatin1String("init") && args.size() == 2) {
        const classroom::Result<int> done = classroom::setUpDatabase(superuser, args[1]);
        if (!done.ok())
            return fail(done.error);
        std::printf("%s\n", qPrintable(QStringLiteral("The database %1 is set up for Fernwick (version %2).")
                                            .arg(args[1])
                                            .arg(done.value)));
        return 0;
    }
    if (args[0] == QLatin1String("instructor") && args.size() <= 3) {
        const QString database = args.value(2, fallback);
        const bool terminal = ::isatty(STDIN_FILENO) != 0;
        const QString password = readPassword("Password: ");
        if (terminal && readPassword("Again: ") != password)
            return fail(QStringLiteral("The two passwords differ."));
        const classroom::Outcome done = classroom::addInstructor(superuser, database, args[1], password);
        if (!done.ok())
            return fail(done.error);
        std::printf("%s\n", qPrintable(QStringLiteral("%1 is an instructor of %2.").arg(args[1], database)));
        return 0;
    }
    return usage();
}
