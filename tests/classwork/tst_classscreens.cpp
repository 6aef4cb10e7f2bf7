// The class screens driven as a student and an instructor drive them, against a class server that answers
// from a class built here (later, as the real one does, never at once): the sign-in and the trainer's class
// line, an assignment's exercises on the trainer, the instructor's set-up and assignment, the class view with
// its plots and export. Each screen is also grabbed to a PNG.

#include "app/frmOne.h"
#include "app/module1.h"
#include "classwork/charts.h"
#include "classwork/classpanel.h"
#include "classwork/classview.h"
#include "classwork/client.h"
#include "classwork/frmClass.h"
#include "classwork/frmClassView.h"
#include "classwork/frmSignIn.h"
#include "classwork/session.h"
#include "support/program.h"
#include "trainer/screens/frmTrainer.h"
#include "trainer/model/setmodel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDir>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace fw;
using namespace classroom;
using namespace classwork;
using fw::test::choose;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::type;

namespace {
// A class server that answers from what the test put in it, on a later turn of the event loop.
struct FakeServer
{
    Connection signedInAs;
    std::vector<ClassInfo> classes;
    QString error; // every call fails with it when set
    std::vector<Assignment> open;
    ClassData data;
    std::vector<SuccessPoint> success;
    std::vector<trainer::ExerciseRecord> exercises;
    std::vector<NewAssignment> assigned;
    QStringList created;
    // The next set-up fails with this, leaving the class with these students (none: nothing left behind).
    QString createError;
    std::optional<QStringList> leftBehind;
    std::vector<QStringList> added; // each call: the class, then the students added
    QStringList resets;
    std::vector<QUuid> voided;
    QStringList reasons;
    QStringList setAside; // what the outbox says it set aside
    int calls = 0;
};

// The login the fake server makes for a student: a code that says nothing of the name.
QString codeOf(const QString& name)
{
    return QStringLiteral("fw%1").arg(qHash(name) % 100000);
}

std::vector<StudentLogin> loginsFor(const QStringList& names)
{
    std::vector<StudentLogin> logins;
    for (const QString& s : names)
        logins.push_back({s, QStringLiteral("pw-") + s, codeOf(s)});
    return logins;
}

ClassInfo classOf(const QString& name, const QString& instructor, const QStringList& students)
{
    QStringList logins;
    for (const QString& s : students)
        logins << codeOf(s);
    return {name, instructor, students, logins};
}

class FakeClient final : public Client
{
public:
    FakeClient(FakeServer& server, const Connection& c)
        : m_server(server)
        , m_connection(c)
    {}
    const Connection& connection() const override { return m_connection; }

    template <typename T> void answer(QObject* context, Done<T> done, T value)
    {
        ++m_server.calls;
        Result<T> r{std::move(value), m_server.error};
        QTimer::singleShot(0, context, [done, r] { done(r); });
    }
    void classes(QObject* c, Done<std::vector<ClassInfo>> d) override
    {
        m_server.signedInAs = m_connection;
        answer(c, d, m_server.classes);
    }
    void createClass(QObject* c, const QString& name, const QStringList& students,
                     Done<std::vector<StudentLogin>> d) override
    {
        m_server.created = QStringList{name} + students;
        if (!m_server.createError.isEmpty()) {
            if (m_server.leftBehind)
                m_server.classes.push_back(classOf(name, m_connection.name, *m_server.leftBehind));
            ++m_server.calls;
            QTimer::singleShot(0, c, [d, e = std::exchange(m_server.createError, {})] { d({{}, e}); });
            return;
        }
        m_server.classes.push_back(classOf(name, m_connection.name, students));
        answer(c, d, loginsFor(students));
    }
    void addStudents(QObject* c, const QString& name, const QStringList& students,
                     Done<std::vector<StudentLogin>> d) override
    {
        m_server.added.push_back(QStringList{name} + students);
        for (ClassInfo& info : m_server.classes)
            if (info.name == name && m_server.error.isEmpty())
                info = classOf(name, info.instructor, info.students + students);
        answer(c, d, loginsFor(students));
    }
    void resetPassword(QObject* c, const QString&, const QString& student, Done<StudentLogin> d) override
    {
        m_server.resets << student;
        answer(c, d, StudentLogin{QStringLiteral("Bob"), QStringLiteral("pw-2"), student});
    }
    void markVoid(QObject* c, const QUuid& exercise, const QString& reason, Done<Nothing> d) override
    {
        if (m_server.error.isEmpty()) {
            m_server.voided.push_back(exercise);
            m_server.reasons << reason;
        }
        answer(c, d, Nothing{});
    }
    void assign(QObject* c, const NewAssignment& a, Done<QString> d) override
    {
        m_server.assigned.push_back(a);
        answer(c, d, QStringLiteral("id-%1").arg(m_server.assigned.size()));
    }
    void openAssignments(QObject* c, const QString&, Done<std::vector<Assignment>> d) override
    {
        answer(c, d, m_server.open);
    }
    void startSending(QObject* c, const QString&, std::function<void(int)> waiting,
                      std::function<void(const QStringList&)> setAside) override
    {
        QTimer::singleShot(0, c, [this, waiting, setAside] {
            waiting(0);
            if (!m_server.setAside.isEmpty())
                setAside(m_server.setAside);
        });
    }
    void classData(QObject* c, const QString&, Done<ClassData> d) override { answer(c, d, m_server.data); }
    void successOverTime(QObject* c, const QString&, const QString&, Done<std::vector<SuccessPoint>> d) override
    {
        answer(c, d, m_server.success);
    }
    void exercises(QObject* c, const QString&,
                   Done<std::pair<std::vector<trainer::ExerciseRecord>, std::vector<QUuid>>> d) override
    {
        answer(c, d, std::make_pair(m_server.exercises, m_server.voided));
    }

private:
    FakeServer& m_server;
    Connection m_connection;
};

// The program with the fake server in place of the real one, signed out, for the scope's life.
struct ClassScope
{
    FakeServer server;
    ClientScope clients{[this](const Connection& c) { return std::make_unique<FakeClient>(server, c); }};
    ProgramScope program;
    ClassScope() { signOut(); }
    ~ClassScope() { signOut(); }
};

void grab(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("FERNWICK_SHOTS", QDir::tempPath());
    QVERIFY(window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
}

frmTrainer& openTrainer()
{
    Module1::Main();
    click(frmOne::get().Option10());
    return frmTrainer::get();
}

void signInAs(frmTrainer& t, const QString& className, const QString& name, const QString& password)
{
    click(t.classPanel()->cmdSignIn());
    frmSignIn& s = frmSignIn::get();
    s.txtServer()->clear();
    type(s.txtServer(), QStringLiteral("lab:6543"));
    s.txtClass()->clear();
    type(s.txtClass(), className);
    s.txtName()->clear();
    type(s.txtName(), name);
    type(s.txtPassword(), password);
    click(s.cmdSignIn());
}

// Every text the trainer's window shows or tells a screen reader, the instructor's list of faults aside.
QStringList shownTexts(frmTrainer& t)
{
    QStringList texts{t.cboFault()->currentText()};
    for (QWidget* w : t.window()->findChildren<QWidget*>()) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo != t.cboFault())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    }
    for (int i = 0; i < t.lstReadings()->count(); ++i)
        texts << t.lstReadings()->item(i)->text();
    return texts;
}

// Opens a long drop-down list, scrolls to an item and clicks it, as a user does.
void pickFrom(QComboBox* combo, int row)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = view->model()->index(row, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
}

// Clicks a row of a list box, as a user does.
void pickRow(QListWidget* list, int row)
{
    QVERIFY(list->isVisible() && row < list->count());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
}

// Class Set-Up, opened from the main menu and connected as the instructor to `server` and `database` with `sslmode`.
void connectInstructor(const QString& server, const QString& database, const QString& sslmode)
{
    Module1::Main();
    frmClass& c = frmClass::get();
    c.open(&frmOne::get());
    c.txtServer()->clear();
    type(c.txtServer(), server);
    c.txtDatabase()->clear();
    type(c.txtDatabase(), database);
    choose(c.cboSsl(), c.cboSsl()->findText(sslmode));
    c.txtLogin()->clear();
    type(c.txtLogin(), "teacher");
    type(c.txtPassword(), "pw");
    click(c.cmdConnect());
    QTRY_VERIFY(c.lblStatus()->text().startsWith("Connected."));
}

QStringList listed(QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

QString cell(QTableWidget* t, int row, int column)
{
    return t->item(row, column) ? t->item(row, column)->text() : QString();
}
} // namespace

class tst_classscreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void signIn_data();
    void signIn();
    void assignmentSetsTheBenchUnnamed();
    void instructorSetsUpAndAssigns_data();
    void instructorSetsUpAndAssigns();
    void classViewShowsTheClass();
    void setUpFailsThenFinishes_data();
    void setUpFailsThenFinishes();
    void studentsLookedAfter_data();
    void studentsLookedAfter();
    void signInEncryption_data();
    void signInEncryption();

private:
    QTemporaryDir m_settings;
};

void tst_classscreens::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void tst_classscreens::signIn_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("said"); // on the sign-in; empty: signed in and back on the trainer
    QTest::newRow("signed in") << "4B" << "" << "";
    QTest::newRow("not in that class") << "5C" << "" << "ann is not in a class 5C on this server.";
    QTest::newRow("server refuses") << "4B" << "The server refused the name or password." // as the server says it
                                    << "The server refused the name or password.";
}

void tst_classscreens::signIn()
{
    QFETCH(QString, className);
    QFETCH(QString, error);
    QFETCH(QString, said);
    QSettings().clear();
    ClassScope scope;
    scope.server.classes = {{"4B", "teacher", {}}};
    scope.server.error = error;
    const QString aside = "The exercise finished 5/4/26 9:00 AM (damper-open) is kept on this computer: "
                          "The class server refused: that assignment is not yours.";
    scope.server.setAside = {aside};
    frmTrainer& t = openTrainer();
    QCOMPARE(t.classPanel()->lblClass()->text(), QStringLiteral("Working alone on this computer."));
    QVERIFY(!t.classPanel()->cboAssignment()->isVisible());
    signInAs(t, className, QStringLiteral("ann"), QStringLiteral("s3cret'; drop"));
    frmSignIn& s = frmSignIn::get();
    QTRY_VERIFY(s.cmdSignIn()->isEnabled() || !s.isLoaded()); // the answer came
    QCOMPARE(scope.server.signedInAs.host, QStringLiteral("lab"));
    QCOMPARE(scope.server.signedInAs.port, 6543);
    QCOMPARE(scope.server.signedInAs.password, QStringLiteral("s3cret'; drop"));
    if (!said.isEmpty()) {
        QCOMPARE(s.lblStatus()->text(), said);
        QVERIFY(!session().signedIn);
        return;
    }
    fw::test::settle();
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmTrainer"});
    // The outbox's word comes later: all sent, and the exercise it set aside named.
    Label* line = t.classPanel()->lblClass();
    QTRY_COMPARE(line->accessibleDescription(), "Class 4B, as ann: all sent. Set aside: " + aside);
    t.classPanel()->setWaiting(2);
    QCOMPARE(line->accessibleDescription(), "Class 4B, as ann: 2 to send. Set aside: " + aside);
    QCOMPARE(line->toolTip(), line->accessibleDescription());
    QCOMPARE(line->text(), "Class 4B, as ann: 2 to send. 1 set aside.");
    fw::test::settle();
    QVERIFY(t.classPanel()->lblClass()->width() >= t.classPanel()->lblClass()->sizeHint().width());
    grab(t.window(), QStringLiteral("frmTrainer-class"));
    // Remembered for the next time: the server, the class and the name; the password nowhere in the settings.
    QSettings settings;
    QStringList values;
    for (const QString& key : settings.allKeys())
        values << settings.value(key).toString();
    QVERIFY(values.contains("lab") && values.contains("4B") && values.contains("ann"));
    QVERIFY(!values.join(' ').contains("s3cret"));
    frmSignIn::get().open(&t);
    QCOMPARE(s.txtServer()->Text(), QStringLiteral("lab:6543"));
    QCOMPARE(s.txtName()->Text(), QStringLiteral("ann"));
    grab(s.window(), QStringLiteral("frmSignIn"));
    // Work alone signs out.
    click(s.cmdAlone());
    fw::test::settle();
    QCOMPARE(t.classPanel()->lblClass()->text(), QStringLiteral("Working alone on this computer."));
}

void tst_classscreens::assignmentSetsTheBenchUnnamed()
{
    ClassScope scope;
    scope.server.classes = {{"4B", "teacher", {}}};
    const trainer::Fault& first = trainer::faults()[1];
    const trainer::Fault& second = trainer::faults()[4];
    Assignment week;
    week.id = "w1";
    week.title = "Week 1";
    week.faultIds = {first.id, second.id};
    week.remaining = week.faultIds;
    scope.server.open = {week};
    frmTrainer& t = openTrainer();
    signInAs(t, "4B", "ann", "pw");
    QTRY_COMPARE(t.classPanel()->cboAssignment()->count(), 2);
    QCOMPARE(t.classPanel()->cboAssignment()->itemText(1), QStringLiteral("Week 1"));
    for (const trainer::Fault* expected : {&first, &second}) {
        choose(t.classPanel()->cboAssignment(), 1);
        click(t.cmdNew());
        QCOMPARE(QString::fromLatin1(t.exercise()->fault().id), QString::fromLatin1(expected->id));
        for (const QString& text : shownTexts(t))
            QVERIFY2(!text.contains(trainer::faultName(*expected)) &&
                         !text.contains(QString::fromUtf8(expected->explanation)) &&
                         !text.contains(QLatin1String(expected->id)),
                     qPrintable(text));
        // Named wrongly at once: the exercise is over and counted for the assignment.
        choose(t.cboStage(), trainer::stages().indexOf(QString::fromLatin1(expected->stage)) == 0 ? 1 : 0);
        click(t.cmdStage());
        QCOMPARE(t.exercise()->step(), trainer::Exercise::Step::Finished);
    }
    // Practising on one's own draws at random again.
    choose(t.classPanel()->cboAssignment(), 0);
    QVERIFY(!t.classPanel()->nextBench());
}

void tst_classscreens::instructorSetsUpAndAssigns_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("faultRows");   // in the catalogue, in the order added; none: any fault
    QTest::addColumn<QList<int>>("studentRows"); // none: the whole class
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("said"); // the start of what the screen says
    QTest::newRow("any fault, whole class, no due date")
        << "Week 2" << QList<int>{} << QList<int>{} << "" << "Week 2 is given to the whole class: Any fault.";
    QTest::newRow("two faults in the order added, one added twice, one student, due")
        << "Week 2" << QList<int>{3, 0, 3} << QList<int>{1} << "2026-06-01" << "Week 2 is given to Bob: ";
    QTest::newRow("a date that is no date") << "Week 2" << QList<int>{1} << QList<int>{} << "1st June"
                                            << "Write the due date as year-month-day";
    QTest::newRow("no title") << "" << QList<int>{1} << QList<int>{} << "" << "Give the assignment a title.";
}

void tst_classscreens::instructorSetsUpAndAssigns()
{
    QFETCH(QString, title);
    QFETCH(QList<int>, faultRows);
    QFETCH(QList<int>, studentRows);
    QFETCH(QString, due);
    QFETCH(QString, said);
    ClassScope scope;
    Module1::Main();
    frmClass& c = frmClass::get();
    c.open(&frmOne::get());
    c.txtServer()->clear();
    type(c.txtServer(), "lab");
    type(c.txtLogin(), "teacher");
    type(c.txtPassword(), "pw");
    click(c.cmdConnect());
    QTRY_COMPARE(c.lblStatus()->text(), QStringLiteral("Connected. You have no class yet: set one up."));
    type(c.txtNewClass(), "4B");
    for (const char* line : {"Ann", "", "Bob", "Ann", " O'Brien; x "}) {
        type(c.txtStudents(), QString::fromUtf8(line));
        QTest::keyClick(c.txtStudents(), Qt::Key_Return);
    }
    click(c.cmdCreate());
    QTRY_COMPARE(c.lstLogins()->ListCount(), 3);
    QCOMPARE(scope.server.created, (QStringList{"4B", "Ann", "Bob", "O'Brien; x"}));
    QCOMPARE(c.lstLogins()->List(2), QStringLiteral("O'Brien; x: login %1, password pw-O'Brien; x").arg(codeOf("O'Brien; x")));
    QTRY_COMPARE(c.cboClass()->currentText(), QStringLiteral("4B"));
    click(c.cmdPrint());
    QCOMPARE(scope.program.services.printedDocuments.size(), size_t(1));
    // On paper, each name beside its login and password.
    const QString paper = scope.program.services.printedDocuments[0].simplified();
    QVERIFY2(paper.contains(QStringLiteral("Bob %1 pw-Bob").arg(codeOf("Bob"))), qPrintable(paper));
    grab(c.window(), QStringLiteral("frmClass"));

    type(c.txtTitle(), title);
    for (int row : faultRows) {
        pickFrom(c.cboFault(), row);
        click(c.cmdAddFault());
    }
    if (!studentRows.isEmpty()) {
        click(c.optChosen());
        for (int row : studentRows) {
            choose(c.cboStudent(), row);
            click(c.cmdAddStudent());
        }
    }
    type(c.txtDue(), due);
    click(c.cmdAssign());
    QTRY_VERIFY2(c.lblStatus()->text().startsWith(said), qPrintable(c.lblStatus()->text()));
    if (!said.startsWith("Week 2 is given")) {
        QVERIFY(scope.server.assigned.empty());
        return;
    }
    QCOMPARE(scope.server.assigned.size(), size_t(1));
    const NewAssignment& a = scope.server.assigned[0];
    QCOMPARE(a.className, QStringLiteral("4B"));
    QCOMPARE(a.title, QStringLiteral("Week 2"));
    QStringList ids;
    for (int row : faultRows)
        if (!ids.contains(trainer::faults()[size_t(row)].id))
            ids << trainer::faults()[size_t(row)].id;
    QCOMPARE(a.faultIds, ids);
    QCOMPARE(a.students, studentRows.isEmpty() ? QStringList{} : QStringList{"Bob"});
    QCOMPARE(a.due.isValid(), !due.isEmpty());
    if (a.due.isValid())
        QCOMPARE(a.due.toLocalTime().date(), QDate(2026, 6, 1));
}

void tst_classscreens::classViewShowsTheClass()
{
    ClassScope scope;
    const QDateTime last(QDate(2026, 5, 4), QTime(10, 0), Qt::UTC);
    scope.server.data.view.students = {{"fw-ann", 4, 3, 20, 12, 1, last, "Ann"},
                                       {"fw-bob", 0, 0, 0, 0, 0, {}, "Bob"},
                                       {"fw-cy", 6, 2, 41, 19, 3, last.addDays(-1), "Cy"},
                                       {"fw-dee", 3, 3, 11, 10, 0, last.addSecs(-3600), "Dee"}};
    Assignment week;
    week.id = "w1";
    week.title = "Week 1";
    Assignment power;
    power.id = "w2";
    power.title = "Power supplies";
    power.due = last.addDays(7);
    scope.server.data.view.assignments = {{week, {"Ann"}, {"Bob", "Cy", "Dee"}}, {power, {"Cy", "Dee"}, {}}};
    scope.server.data.assignments = {week, power};
    scope.server.data.view.missed = {{"damper", 1}, {"sync-separator", 3}, {"horizontal-output", 2}};
    scope.server.success = {{QDate(2026, 5, 1), 2, 1}, {QDate(2026, 5, 2), 1, 0}, {QDate(2026, 5, 4), 1, 1},
                            {QDate(2026, 5, 5), 2, 2}};
    trainer::ExerciseRecord e;
    e.student = "Ann";
    e.assignment = "w1";
    e.faultId = trainer::faults()[0].id;
    e.faultStage = trainer::faults()[0].stage;
    e.finished = last;
    scope.server.exercises = {e};
    // The instructor's road: the trainer's Class button, then Instructor on the sign-in.
    frmTrainer& t = openTrainer();
    click(t.classPanel()->cmdSignIn());
    click(frmSignIn::get().cmdInstructor());
    fw::test::settle();
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmClass"});
    frmClass& c = frmClass::get();
    scope.server.classes = {{"4B", "teacher", {"Ann", "Bob"}}};
    c.txtServer()->setText("lab");
    type(c.txtLogin(), "teacher");
    type(c.txtPassword(), "pw");
    click(c.cmdConnect());
    QTRY_COMPARE(c.cboClass()->currentText(), QStringLiteral("4B"));
    click(c.cmdView());
    frmClassView& v = frmClassView::get();
    QCOMPARE(v.window()->windowTitle(), QStringLiteral("Class View"));
    QCOMPARE(v.lblClass()->text(), QStringLiteral("Class View: 4B"));
    QTRY_COMPARE(v.tblStudents()->rowCount(), 4);
    QCOMPARE(cell(v.tblStudents(), 0, 2), QStringLiteral("75% (3 of 4)"));
    QCOMPARE(cell(v.tblStudents(), 1, 2), QStringLiteral("none yet"));
    QCOMPARE(cell(v.tblAssignments(), 0, 2), QStringLiteral("1 of 4: Ann"));
    QCOMPARE(cell(v.tblAssignments(), 1, 3), QString());
    QCOMPARE(v.picMissed()->accessibleDescription(),
             QStringLiteral("Sync seperator: 3; Horizontal output amplifier: 2; Damper: 1"));
    // The first student's success is plotted; choosing the next asks for theirs.
    QTRY_COMPARE(v.picSuccess()->curve().size(), size_t(4));
    QCOMPARE(v.picSuccess()->accessibleName(), QStringLiteral("Success over time: Ann"));
    v.window()->resize(v.window()->size()); // painted as shown
    grab(v.window(), QStringLiteral("frmClassView"));
    // The plots are painted from their figures: the longest bar and the line in the plot colour.
    const QImage bars = v.picMissed()->grab().toImage();
    int plotted = 0;
    for (int x = 0; x < bars.width(); ++x)
        plotted += bars.pixelColor(x, bars.height() / 4) == kPlotColor ? 1 : 0;
    QVERIFY2(plotted > bars.width() / 4, qPrintable(QString::number(plotted)));
    QVERIFY(fw::test::paints(v.picSuccess(), kPlotColor, 0.005));
    scope.server.success.clear();
    QTest::keyClick(v.tblStudents(), Qt::Key_Down);
    QTRY_COMPARE(v.picSuccess()->accessibleName(), QStringLiteral("Success over time: Bob"));
    QCOMPARE(v.picSuccess()->curve().size(), size_t(0));

    // Export: the class's exercises as the screens name them.
    QTemporaryDir folder;
    scope.program.services.saveAnswer = folder.filePath("class.csv");
    click(v.cmdExport());
    QTRY_VERIFY(v.lblStatus()->text().startsWith("1 exercise exported"));
    QFile out(folder.filePath("class.csv"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(out.readAll());
    QVERIFY2(csv.contains(trainer::faultName(trainer::faults()[0])) && csv.contains("\"Week 1\""), qPrintable(csv));

    // A server that fails says so, and the tables keep what they showed.
    scope.server.error = "The class server cannot be reached.";
    click(v.cmdRefresh());
    QTRY_COMPARE(v.lblStatus()->text(), QStringLiteral("The class server cannot be reached."));
    QCOMPARE(v.tblStudents()->rowCount(), 4);
    click(v.cmdReturn());
    fw::test::settle();
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmClass"});
    click(c.cmdReturn());
    fw::test::settle();
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmTrainer"});
}

void tst_classscreens::setUpFailsThenFinishes_data()
{
    QTest::addColumn<std::optional<QStringList>>("leftBehind"); // by the failed set-up; none: nothing
    QTest::addColumn<QStringList>("then");                      // what the second press sends: set-up, or added
    QTest::addColumn<QString>("said");
    QTest::newRow("nothing left behind: set up again")
        << std::optional<QStringList>{} << QStringList{"created", "4B", "Ann", "Bob", "Cy"}
        << "Class 4B is set up with 3 students. Their passwords are shown only now.";
    QTest::newRow("the class left without students: they are added")
        << std::optional<QStringList>{QStringList{}} << QStringList{"added", "4B", "Ann", "Bob", "Cy"}
        << "Class 4B now has its 3 missing students. Their passwords are shown only now.";
    QTest::newRow("one student made before: the others are added")
        << std::optional<QStringList>{QStringList{"Ann"}} << QStringList{"added", "4B", "Bob", "Cy"}
        << "Class 4B now has its 2 missing students. Their passwords are shown only now.";
}

void tst_classscreens::setUpFailsThenFinishes()
{
    QFETCH(std::optional<QStringList>, leftBehind);
    QFETCH(QStringList, then);
    QFETCH(QString, said);
    ClassScope scope;
    connectInstructor("lab", "fernwick", "require");
    frmClass& c = frmClass::get();
    type(c.txtNewClass(), "4B");
    for (const char* name : {"Ann", "Bob", "Cy"}) {
        type(c.txtStudents(), QString::fromLatin1(name));
        QTest::keyClick(c.txtStudents(), Qt::Key_Return);
    }
    const QString refused = "A login of that name already exists on the class server. (Bob)";
    scope.server.createError = refused;
    scope.server.leftBehind = leftBehind;
    click(c.cmdCreate());
    QTRY_COMPARE(c.lblStatus()->text(), refused); // as the server's library says it
    QVERIFY(c.cmdCreate()->isEnabled());
    QCOMPARE(c.lstLogins()->ListCount(), 0);
    fw::test::settle();
    scope.server.created.clear();
    QTRY_COMPARE(c.cboClass()->count(), leftBehind ? 1 : 0); // the screen knows what the server has now
    click(c.cmdCreate());
    QTRY_COMPARE(c.lblStatus()->text(), said);
    const QStringList sent = scope.server.added.empty() ? QStringList{"created"} + scope.server.created
                                                        : QStringList{"added"} + scope.server.added.back();
    QCOMPARE(sent, then);
    QCOMPARE(c.lstLogins()->ListCount(), then.size() - 2);
    QCOMPARE(c.lstLogins()->List(0), QStringLiteral("%1: login %2, password pw-%1").arg(then[2], codeOf(then[2])));
    // Pressed once more, nothing is left to do.
    QTRY_COMPARE(c.lstMembers()->ListCount(), 3);
    click(c.cmdCreate());
    QTRY_COMPARE(c.lblStatus()->text(), QStringLiteral("Class 4B is set up already with every student listed."));
}

void tst_classscreens::studentsLookedAfter_data()
{
    QTest::addColumn<QString>("action");  // the button pressed: reset, add or void
    QTest::addColumn<int>("student");     // the row chosen among the class's students; -1: none
    QTest::addColumn<int>("exercise");    // the row chosen among that student's exercises; -1: none
    QTest::addColumn<QString>("typed");   // the new student's name, or the reason
    QTest::addColumn<QString>("error");   // the server's refusal; empty: it does it
    QTest::addColumn<QString>("said");    // %1: the exercise as listed
    QTest::addColumn<QString>("login");   // the new login shown; empty: none
    QTest::newRow("reset a lost password") << "reset" << 1 << -1 << "" << ""
        << "Bob has a new password, shown only now; the old one no longer signs in."
        << "Bob: login " + codeOf("Bob") + ", password pw-2";
    QTest::newRow("reset with no student chosen") << "reset" << -1 << -1 << "" << ""
        << "Choose the student whose password is lost." << "";
    QTest::newRow("add a student") << "add" << -1 << -1 << " Dee " << ""
        << "Dee is in 4B. The password is shown only now." << "Dee: login " + codeOf("Dee") + ", password pw-Dee";
    QTest::newRow("add one the server refuses") << "add" << -1 << -1 << "Dee"
        << "A login of that name already exists on the class server."
        << "A login of that name already exists on the class server." << "";
    QTest::newRow("void an exercise") << "void" << 0 << 0 << "Did it with the answer sheet" << ""
        << "Marked void: %1. It stays on the server, left out of every figure." << "";
    QTest::newRow("void without a reason") << "void" << 0 << 0 << "" << ""
        << "Say why the exercise is void; it stays on the server with the reason." << "";
    QTest::newRow("void one void already") << "void" << 0 << 1 << "twice" << "" << "That exercise is void already."
                                          << "";
    QTest::newRow("void with no exercise chosen") << "void" << 0 << -1 << "twice" << ""
        << "Choose a student, then the exercise to mark void." << "";
}

void tst_classscreens::studentsLookedAfter()
{
    QFETCH(QString, action);
    QFETCH(int, student);
    QFETCH(int, exercise);
    QFETCH(QString, typed);
    QFETCH(QString, error);
    QFETCH(QString, said);
    QFETCH(QString, login);
    ClassScope scope;
    scope.server.classes = {classOf("4B", "teacher", {"Ann", "Bob", "Cy"})};
    const QDateTime day(QDate(2026, 5, 4), QTime(9, 0), Qt::UTC);
    trainer::ExerciseRecord older, newer, bobs;
    older.id = QUuid::createUuid();
    older.student = codeOf("Ann"); // exercises name the login
    older.faultId = trainer::faults()[0].id;
    older.finished = day;
    newer = older;
    newer.id = QUuid::createUuid();
    newer.finished = day.addDays(1);
    newer.right = true;
    bobs = older;
    bobs.id = QUuid::createUuid();
    bobs.student = codeOf("Bob");
    scope.server.exercises = {older, bobs, newer};
    scope.server.voided = {older.id};
    connectInstructor("lab", "fernwick", "require");
    frmClass& c = frmClass::get();
    QTRY_COMPARE(c.fraStudents()->Caption(), QStringLiteral("Students of 4B"));
    QCOMPARE(listed(c.lstMembers()), (QStringList{"Ann", "Bob", "Cy"}));
    if (student >= 0) {
        pickRow(c.lstMembers(), student);
        QTRY_VERIFY(c.lstExercises()->ListCount() > 0);
    }
    if (student == 0) // Ann's, newest first, the void one marked
        QCOMPARE(listed(c.lstExercises()), (QStringList{exerciseLine(newer, false), exerciseLine(older, true)}));
    if (exercise >= 0)
        pickRow(c.lstExercises(), exercise);
    const int calls = scope.server.calls;
    scope.server.error = error;
    if (action == "reset") {
        click(c.cmdReset());
    } else if (action == "add") {
        type(c.txtNewStudent(), typed);
        click(c.cmdEnrol());
    } else {
        type(c.txtReason(), typed);
        click(c.cmdVoid());
    }
    const QString expected = said.contains("%1") ? said.arg(exerciseLine(newer, false)) : said;
    QTRY_COMPARE(c.lblStatus()->text(), expected);
    QCOMPARE(c.lstLogins()->ListCount(), login.isEmpty() ? 0 : 1);
    if (!login.isEmpty())
        QCOMPARE(c.lstLogins()->List(0), login);
    QCOMPARE(c.cmdPrint()->isEnabled(), !login.isEmpty());
    // What the server was asked to do: only what the screen said was done.
    fw::test::settle();
    QCOMPARE(scope.server.resets, login.startsWith("Bob") ? QStringList{codeOf("Bob")} : QStringList{});
    QCOMPARE(scope.server.added.size(), size_t(action == "add" && said.startsWith("Dee") ? 1 : 0) + (error.isEmpty() ? 0 : 1));
    const bool voided = said.contains("%1");
    QCOMPARE(scope.server.voided.size(), size_t(voided ? 2 : 1));
    if (voided) {
        QCOMPARE(scope.server.reasons, QStringList{typed});
        QTRY_COMPARE(c.lstExercises()->List(0), exerciseLine(newer, true));
    }
    if (said.startsWith("Choose") || said.startsWith("Say") || said.contains("already."))
        QCOMPARE(scope.server.calls, calls); // refused on the screen, nothing asked
    if (action == "add" && error.isEmpty()) {
        QTRY_COMPARE(c.lstMembers()->ListCount(), 4);
        QCOMPARE(c.txtNewStudent()->Text(), QString());
        grab(c.window(), QStringLiteral("frmClass-students"));
    }
}

void tst_classscreens::signInEncryption_data()
{
    QTest::addColumn<QString>("instructorAt"); // server/database where the instructor connected; empty: nobody did
    QTest::addColumn<QString>("chosen");       // the sslmode the instructor chose there
    QTest::addColumn<QString>("used");         // by the student's sign-in at lab:6543/fernwick
    QTest::addColumn<QString>("line");         // the trainer's class line after it
    QTest::newRow("nobody chose; an older copy kept prefer") << "" << "" << "require" << "Class 4B, as ann.";
    QTest::newRow("the instructor chose prefer here") << "lab:6543/fernwick" << "prefer" << "prefer"
        << "Class 4B, as ann (sslmode prefer: the instructor's choice).";
    QTest::newRow("the instructor chose disable here") << "lab:6543/fernwick" << "disable" << "disable"
        << "Class 4B, as ann (unencrypted: the instructor's choice).";
    QTest::newRow("a lower mode chosen for another database") << "lab:6543/other" << "disable" << "require"
        << "Class 4B, as ann.";
    QTest::newRow("a lower mode chosen for another port") << "lab:6544/fernwick" << "prefer" << "require"
        << "Class 4B, as ann.";
    QTest::newRow("a lower mode chosen for another server") << "lab2:6543/fernwick" << "allow" << "require"
        << "Class 4B, as ann.";
    QTest::newRow("the instructor chose verify-full here") << "lab:6543/fernwick" << "verify-full" << "verify-full"
        << "Class 4B, as ann.";
}

void tst_classscreens::signInEncryption()
{
    QFETCH(QString, instructorAt);
    QFETCH(QString, chosen);
    QFETCH(QString, used);
    QFETCH(QString, line);
    QSettings().clear();
    QSettings().setValue("class/sslmode", "prefer"); // what an older copy kept after any sign-in
    ClassScope scope;
    scope.server.classes = {{"4B", "teacher", {}}};
    if (!instructorAt.isEmpty()) {
        connectInstructor(instructorAt.section('/', 0, 0), instructorAt.section('/', 1), chosen);
        click(frmClass::get().cmdReturn());
    }
    frmTrainer& t = openTrainer();
    click(t.classPanel()->cmdSignIn());
    frmSignIn& s = frmSignIn::get();
    s.txtServer()->clear();
    type(s.txtServer(), "lab:6543");
    s.txtDatabase()->clear();
    type(s.txtDatabase(), "fernwick");
    // Shown before signing in: where, and how encrypted.
    QVERIFY2(s.lblConnection()->text().startsWith(
                 QStringLiteral("Server lab:6543, database fernwick, sslmode %1: %2.").arg(used, encryptionText(used))),
             qPrintable(s.lblConnection()->text()));
    QCOMPARE(s.lblConnection()->text().endsWith("Your instructor chose this."), belowRequire(used));
    if (QTest::currentDataTag() == QLatin1String("the instructor chose prefer here"))
        grab(s.window(), QStringLiteral("frmSignIn-prefer"));
    type(s.txtClass(), "4B");
    type(s.txtName(), "ann");
    type(s.txtPassword(), "pw");
    click(s.cmdSignIn());
    QTRY_VERIFY(!s.isLoaded());
    QCOMPARE(scope.server.signedInAs.sslmode, used);
    QCOMPARE(scope.server.signedInAs.database, QStringLiteral("fernwick"));
    QCOMPARE(t.classPanel()->lblClass()->text(), line);
    if (QTest::currentDataTag() == QLatin1String("the instructor chose prefer here"))
        grab(t.window(), QStringLiteral("frmTrainer-prefer"));
}

FW_TEST_MAIN(tst_classscreens)
#include "tst_classscreens.moc"
