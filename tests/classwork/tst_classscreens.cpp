// The class screens driven as a student and an instructor drive them, against a class server that answers
// from a class built here (later, as the real one does, never at once): the sign-in and the trainer's class
// line, an assignment's exercises on the trainer, the instructor's set-up and assignment, the class view with
// its plots and export. Each screen is also grabbed to a PNG.

#include "app/frmOne.h"
#include "app/module1.h"
#include "classwork/charts.h"
#include "classwork/classpanel.h"
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
    int calls = 0;
};

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
        std::vector<StudentLogin> logins;
        for (const QString& s : students)
            logins.push_back({s, QStringLiteral("pw-") + s});
        m_server.classes.push_back({name, m_connection.name, students});
        answer(c, d, logins);
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
    void classData(QObject* c, const QString&, Done<ClassData> d) override { answer(c, d, m_server.data); }
    void successOverTime(QObject* c, const QString&, const QString&, Done<std::vector<SuccessPoint>> d) override
    {
        answer(c, d, m_server.success);
    }
    void exercises(QObject* c, const QString&,
                   Done<std::pair<std::vector<trainer::ExerciseRecord>, std::vector<QUuid>>> d) override
    {
        answer(c, d, std::make_pair(m_server.exercises, std::vector<QUuid>{}));
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
    QCOMPARE(t.classPanel()->lblClass()->text(), QStringLiteral("Class 4B, as ann."));
    t.classPanel()->setWaiting(2);
    QCOMPARE(t.classPanel()->lblClass()->text(),
             QStringLiteral("Class 4B, as ann: 2 to send."));
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
    QCOMPARE(c.lstLogins()->List(2), QStringLiteral("O'Brien; x: pw-O'Brien; x"));
    QTRY_COMPARE(c.cboClass()->currentText(), QStringLiteral("4B"));
    click(c.cmdPrint());
    QCOMPARE(scope.program.services.printedDocuments.size(), size_t(1));
    QVERIFY(scope.program.services.printedDocuments[0].contains("pw-Bob"));
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
    scope.server.data.view.students = {{"Ann", 4, 3, 20, 12, 1, last},
                                       {"Bob", 0, 0, 0, 0, 0, {}},
                                       {"Cy", 6, 2, 41, 19, 3, last.addDays(-1)},
                                       {"Dee", 3, 3, 11, 10, 0, last.addSecs(-3600)}};
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

FW_TEST_MAIN(tst_classscreens)
#include "tst_classscreens.moc"
