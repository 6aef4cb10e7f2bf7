#pragma once
// What the class screens ask of the class server. Every call returns at once; its answer comes later, on the
// GUI thread, and only while `context` still exists. The program's client runs each call on a ClassWorker's
// thread (classroom/classserver.h); tests put in a client that answers from a class built by hand.

#include "classroom/classserver.h"

#include <functional>
#include <memory>

namespace classwork {

template <typename T> using Done = std::function<void(const classroom::Result<T>&)>;

// Everything the instructor's class view shows, fetched together.
struct ClassData
{
    classroom::ClassView view;
    std::vector<classroom::Assignment> assignments;
};

class Client
{
public:
    virtual ~Client() = default;
    virtual const classroom::Connection& connection() const = 0;

    // Signs in: connects and lists the classes the login may see.
    virtual void classes(QObject* context, Done<std::vector<classroom::ClassInfo>> done) = 0;
    // The instructor's: prepares the server and makes the class with a login for each student.
    virtual void createClass(QObject* context, const QString& className, const QStringList& students,
                             Done<std::vector<classroom::StudentLogin>> done) = 0;
    // The instructor's: a login for each new student of a class of theirs, all or none.
    virtual void addStudents(QObject* context, const QString& className, const QStringList& students,
                             Done<std::vector<classroom::StudentLogin>> done) = 0;
    // The instructor's: a new password for a student of theirs (a lost one).
    virtual void resetPassword(QObject* context, const QString& className, const QString& student,
                               Done<classroom::StudentLogin> done) = 0;
    // The instructor's: marks an exercise void (kept, left out of the figures), for good.
    virtual void markVoid(QObject* context, const QUuid& exercise, const QString& reason,
                          Done<classroom::Nothing> done) = 0;
    virtual void assign(QObject* context, const classroom::NewAssignment& assignment, Done<QString> done) = 0;
    // The student's open assignments.
    virtual void openAssignments(QObject* context, const QString& className,
                                 Done<std::vector<classroom::Assignment>> done) = 0;
    virtual void classData(QObject* context, const QString& className, Done<ClassData> done) = 0;
    virtual void successOverTime(QObject* context, const QString& className, const QString& student,
                                 Done<std::vector<classroom::SuccessPoint>> done) = 0;
    // The class's exercises, with the ids of the void ones, for the export.
    virtual void exercises(QObject* context, const QString& className,
                           Done<std::pair<std::vector<trainer::ExerciseRecord>, std::vector<QUuid>>> done) = 0;
    // The student's: sends this computer's finished exercises to the class from the local history, which is
    // the outbox, off the GUI thread, again after every exercise written, until none is left; `waiting` hears
    // how many are still to go, `setAside` the sentences naming each exercise the server refused for good (kept
    // here, the others sent past it). A client with no server behind it sends nothing.
    virtual void startSending(QObject* context, const QString& className, std::function<void(int)> waiting,
                              std::function<void(const QStringList&)> setAside)
    {
        Q_UNUSED(context);
        Q_UNUSED(className);
        Q_UNUSED(waiting);
        Q_UNUSED(setAside);
    }
};

// Makes the client for a connection; null where this build has no class server.
using ClientMaker = std::function<std::unique_ptr<Client>(const classroom::Connection&)>;
std::unique_ptr<Client> makeClient(const classroom::Connection& connection);

// The signed-in student's client for `connection`: made on first use and kept for the run (not with a window,
// so that closing one never waits for a call under way); made anew when the login changes, let go when the
// application quits. Null where this build has no class server.
Client* studentClient(const classroom::Connection& connection);

// Makes `maker` the way clients are made for as long as the scope lives (tests); the student's client made
// meanwhile goes with it.
class ClientScope
{
public:
    explicit ClientScope(ClientMaker maker);
    ~ClientScope();
    ClientScope(const ClientScope&) = delete;
    ClientScope& operator=(const ClientScope&) = delete;

private:
    ClientMaker m_previous;
};

} // namespace classwork
