#include "classwork/frmClass.h"

#include "classwork/classview.h"
#include "classwork/client.h"
#include "classwork/frmClassView.h"
#include "classwork/session.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"
#include "trainer/model/setmodel.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTextDocument>

#include <algorithm>

using namespace fw;
using namespace classwork;
using classroom::Result;

namespace {
const QStringList kSslModes{"disable", "allow", "prefer", "require", "verify-ca", "verify-full"};

QStringList faultItems()
{
    QStringList items;
    for (const trainer::Fault& f : trainer::faults())
        items << trainer::faultName(f);
    return items;
}

// The names typed one to a line, each once, blank lines dropped.
QStringList names(const QString& text)
{
    QStringList list;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString name = line.trimmed();
        if (!name.isEmpty() && !list.contains(name))
            list << name;
    }
    return list;
}

// Adds the combo box's choice to a list of chosen ones, once.
void addChoice(ComboBox* from, ListBox* to)
{
    if (from->ListIndex() >= 0 && to->findItems(from->currentText(), Qt::MatchExactly).isEmpty())
        to->addItem(from->currentText());
}

void removeChoice(ListBox* list)
{
    delete list->takeItem(list->ListIndex());
}

QStringList items(ListBox* list)
{
    QStringList all;
    for (int i = 0; i < list->ListCount(); ++i)
        all << list->List(i);
    return all;
}
} // namespace

frmClass::frmClass()
    : Form(QStringLiteral("frmClass"), QStringLiteral("Class Set-Up"), QSize(11400, 10080))
{}

frmClass::~frmClass() = default;

Design frmClass::design() const
{
    static const QStringList faults = faultItems();
    return {
        label("Label1", "Class Set-Up", 0, 120, 11400, 435).bold(14).fore(colors::darkRed).centred(),
        frame("fraServer", "The instructor's sign-in", 360, 600, 5160, 2370).bold(8.25),
        label("Label2", "Server", 180, 300, 1320, 255).in("fraServer"),
        textBox("txtServer", "", 1560, 270, 3420, 315).in("fraServer").says("Server"),
        label("Label13", "Database", 180, 690, 1320, 255).in("fraServer"),
        textBox("txtDatabase", "", 1560, 660, 3420, 315).in("fraServer").says("Database"),
        label("Label3", "Encryption", 180, 1080, 1320, 255).in("fraServer"),
        combo("cboSsl", "", 1560, 1050, 3420, 315).items(kSslModes).in("fraServer").says("Encryption (sslmode)"),
        label("Label4", "Login", 180, 1470, 1320, 255).in("fraServer"),
        textBox("txtLogin", "", 1560, 1440, 3420, 315).in("fraServer").says("Login"),
        label("Label5", "Password", 180, 1860, 1320, 255).in("fraServer"),
        textBox("txtPassword", "", 1560, 1830, 2160, 315).in("fraServer").says("Password"),
        command("cmdConnect", "&Connect", 3840, 1815, 1140, 345).in("fraServer"),
        frame("fraNew", "A new class", 360, 3090, 5160, 2700).bold(8.25),
        label("Label6", "Class", 180, 300, 1320, 255).in("fraNew"),
        textBox("txtNewClass", "", 1560, 270, 3420, 315).in("fraNew").says("New class"),
        label("Label7", "Students, one to a line", 180, 660, 4800, 255).in("fraNew"),
        textArea("txtStudents", "", 180, 930, 4800, 1200).in("fraNew").says("Students, one to a line"),
        command("cmdCreate", "&Set up the class", 180, 2220, 2280, 345).in("fraNew"),
        frame("fraLogins", "New logins, shown this once: print them", 360, 5910, 5160, 1410).bold(8.25),
        listBox("lstLogins", 180, 270, 3660, 1020).in("fraLogins").says("New logins and their passwords"),
        command("cmdPrint", "&Print", 3960, 270, 1020, 345).in("fraLogins"),
        frame("fraAssign", "An assignment", 5760, 600, 5280, 6720).bold(8.25),
        label("Label9", "Class", 180, 300, 1200, 255).in("fraAssign"),
        combo("cboClass", "Connect first", 1440, 270, 3660, 315).in("fraAssign").says("Class"),
        label("Label10", "Title", 180, 690, 1200, 255).in("fraAssign"),
        textBox("txtTitle", "", 1440, 660, 3660, 315).in("fraAssign").says("Title"),
        label("Label11", "Faults (none chosen: any fault)", 180, 1050, 4920, 255).in("fraAssign"),
        combo("cboFault", "Choose a fault", 180, 1320, 3780, 315).items(faults).in("fraAssign").says("Fault"),
        command("cmdAddFault", "Add", 4080, 1305, 1020, 345).in("fraAssign"),
        listBox("lstFaults", 180, 1710, 3780, 1560).in("fraAssign").says("Faults chosen"),
        command("cmdRemoveFault", "Remove", 4080, 1710, 1020, 345).in("fraAssign"),
        option("optWhole", "The whole class", 180, 3390, 2400, 255).in("fraAssign"),
        option("optChosen", "Chosen students", 2640, 3390, 2400, 255).in("fraAssign"),
        combo("cboStudent", "Choose a student", 180, 3720, 3780, 315).in("fraAssign").says("Student"),
        command("cmdAddStudent", "Add", 4080, 3705, 1020, 345).in("fraAssign"),
        listBox("lstStudents", 180, 4110, 3780, 1380).in("fraAssign").says("Students chosen"),
        command("cmdRemoveStudent", "Remove", 4080, 4110, 1020, 345).in("fraAssign"),
        label("Label12", "Due (yyyy-mm-dd)", 180, 5670, 1800, 255).in("fraAssign"),
        textBox("txtDue", "", 2040, 5640, 1500, 315).in("fraAssign").says("Due date"),
        command("cmdAssign", "&Give the assignment", 180, 6120, 2520, 345).in("fraAssign"),
        frame("fraStudents", "The class's students", 360, 7440, 10680, 2040).bold(8.25),
        label("Label14", "Students", 180, 270, 2700, 255).in("fraStudents"),
        listBox("lstMembers", 180, 540, 2700, 1020).in("fraStudents").says("Students of the class"),
        command("cmdReset", "Reset pass&word", 180, 1620, 2700, 345).in("fraStudents"),
        label("Label15", "A new student", 3060, 270, 2520, 255).in("fraStudents"),
        textBox("txtNewStudent", "", 3060, 540, 2520, 315).in("fraStudents").says("A new student"),
        command("cmdEnrol", "A&dd to the class", 3060, 930, 2520, 345).in("fraStudents"),
        label("Label16", "The student's exercises", 5760, 270, 4740, 255).in("fraStudents"),
        listBox("lstExercises", 5760, 540, 4740, 960).in("fraStudents").says("The student's exercises"),
        label("Label17", "Reason", 5760, 1650, 840, 255).in("fraStudents"),
        textBox("txtReason", "", 6660, 1620, 2340, 315).in("fraStudents").says("Why it is void"),
        command("cmdVoid", "&Mark void", 9120, 1605, 1380, 345).in("fraStudents"),
        label("lblStatus", "", 360, 9540, 7200, 540).says("Class server"),
        command("cmdView", "Class &view", 7680, 9630, 1560, 375).bold(8.25),
        command("cmdReturn", "&Return", 9480, 9630, 1560, 375).bold(8.25),
    };
}

void frmClass::wire()
{
    txtPassword()->setEchoMode(QLineEdit::Password);
    lblStatus()->setWordWrap(true);
    lblStatus()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(cmdAddFault(), &CommandButton::Click, this, &frmClass::cmdAddFault_Click);
    connect(cmdRemoveFault(), &CommandButton::Click, this, [this] { removeChoice(lstFaults()); });
    connect(cmdAddStudent(), &CommandButton::Click, this, &frmClass::cmdAddStudent_Click);
    connect(cmdRemoveStudent(), &CommandButton::Click, this, [this] { removeChoice(lstStudents()); });
    connect(cmdConnect(), &CommandButton::Click, this, &frmClass::cmdConnect_Click);
    connect(txtPassword(), &QLineEdit::returnPressed, this, &frmClass::cmdConnect_Click);
    connect(cmdCreate(), &CommandButton::Click, this, &frmClass::cmdCreate_Click);
    connect(cmdPrint(), &CommandButton::Click, this, &frmClass::cmdPrint_Click);
    connect(cboClass(), &QComboBox::activated, this, &frmClass::cboClass_Click);
    connect(optWhole(), &OptionButton::Click, this, &frmClass::Students_Click);
    connect(optChosen(), &OptionButton::Click, this, &frmClass::Students_Click);
    connect(cmdAssign(), &CommandButton::Click, this, &frmClass::cmdAssign_Click);
    // The keyboard's arrows choose a student as a click does.
    connect(lstMembers(), &QListWidget::currentRowChanged, this, &frmClass::lstMembers_Click);
    connect(cmdReset(), &CommandButton::Click, this, &frmClass::cmdReset_Click);
    connect(cmdEnrol(), &CommandButton::Click, this, &frmClass::cmdEnrol_Click);
    connect(txtNewStudent(), &QLineEdit::returnPressed, this, &frmClass::cmdEnrol_Click);
    connect(cmdVoid(), &CommandButton::Click, this, &frmClass::cmdVoid_Click);
    connect(cmdView(), &CommandButton::Click, this, &frmClass::cmdView_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmClass::cmdReturn_Click);
}

void frmClass::open(Screen* from)
{
    if (from != this)
        m_from = from;
    Show();
    if (from && from != this)
        from->Hide();
}

void frmClass::Form_Load()
{
    place(*this);
    const Session last = remembered();
    txtServer()->setText(serverText(last.connection));
    txtDatabase()->setText(last.connection.database);
    cboSsl()->setListIndex(std::max(0, int(kSslModes.indexOf(last.connection.sslmode))));
    optWhole()->setValue(true);
    Students_Click();
    cmdPrint()->setEnabled(false);
    m_classes.clear();
    if (m_client) {
        txtServer()->setText(serverText(m_client->connection()));
        txtDatabase()->setText(m_client->connection().database);
        cboSsl()->setListIndex(std::max(0, int(kSslModes.indexOf(m_client->connection().sslmode))));
        txtLogin()->setText(m_client->connection().name);
        listClasses(QString());
    }
}

void frmClass::say(const QString& sentence)
{
    lblStatus()->setCaption(sentence);
    lblStatus()->setAccessibleDescription(sentence);
}

void frmClass::cmdConnect_Click()
{
    classroom::Connection c = remembered().connection;
    if (!readServer(txtServer()->Text(), c)) {
        say(QStringLiteral("Give the server as a name or address, with :port where it is not 5432."));
        return;
    }
    c.database = txtDatabase()->Text().trimmed();
    if (c.database.isEmpty()) {
        say(QStringLiteral("Give the database's name: fernwick, unless the administrator chose another."));
        return;
    }
    c.sslmode = cboSsl()->currentText();
    c.name = txtLogin()->Text().trimmed();
    c.password = txtPassword()->Text();
    if (c.name.isEmpty() || c.password.isEmpty()) {
        say(QStringLiteral("Fill in your login and password."));
        return;
    }
    m_client = makeClient(c);
    if (!m_client) {
        say(QStringLiteral("This copy of Fernwick was built without the class server."));
        return;
    }
    txtPassword()->clear();
    say(QStringLiteral("Connecting to %1...").arg(connectionText(c)));
    listClasses(QString());
}

// Asks for the instructor's classes and lists them, choosing `choose` when it is among them.
void frmClass::listClasses(const QString& choose)
{
    m_client->classes(this, [this, choose](const Result<std::vector<classroom::ClassInfo>>& r) {
        if (!isLoaded())
            return;
        if (!r.ok()) {
            say(r.error);
            return;
        }
        rememberServer(m_client->connection()); // the students' sign-in on this computer goes there, as set here
        m_classes = r.value;
        const QString kept = choose.isEmpty() ? cboClass()->currentText() : choose;
        cboClass()->clear();
        for (const classroom::ClassInfo& c : m_classes)
            cboClass()->addItem(c.name);
        cboClass()->setListIndex(cboClass()->findText(kept) >= 0 ? cboClass()->findText(kept) : 0);
        cboClass_Click();
        if (choose.isEmpty())
            say(m_classes.empty() ? QStringLiteral("Connected. You have no class yet: set one up.")
                                  : QStringLiteral("Connected. Your classes: %1.").arg(cboClass()->count()));
    });
}

void frmClass::cmdCreate_Click()
{
    const QString name = txtNewClass()->Text().trimmed();
    const QStringList students = names(txtStudents()->Text());
    if (!m_client) {
        say(QStringLiteral("Connect to the class server first."));
        return;
    }
    if (name.isEmpty() || students.isEmpty()) {
        say(QStringLiteral("Name the class and list its students, one to a line."));
        return;
    }
    // A class of that name set up before (perhaps a set-up that stopped half-way) gets the students it lacks.
    const auto before = std::find_if(m_classes.begin(), m_classes.end(), [&](const classroom::ClassInfo& c) {
        return c.name == name && c.instructor == m_client->connection().name;
    });
    QStringList missing = students;
    if (before != m_classes.end()) {
        missing.removeIf([&](const QString& s) { return before->students.contains(s); });
        if (missing.isEmpty()) {
            say(QStringLiteral("Class %1 is set up already with every student listed.").arg(name));
            return;
        }
    }
    const bool resumed = before != m_classes.end();
    say(resumed ? QStringLiteral("Class %1 is set up already: adding the %2 students it lacks...").arg(name).arg(missing.size())
                : QStringLiteral("Setting up %1 for %2 students...").arg(name).arg(students.size()));
    cmdCreate()->setEnabled(false);
    auto done = [this, name, resumed](const Result<std::vector<classroom::StudentLogin>>& r) {
        if (!isLoaded())
            return;
        cmdCreate()->setEnabled(true);
        if (!r.ok()) {
            say(r.error);
            listClasses(name); // what the server has now, for the next try
            return;
        }
        showLogins(name, r.value);
        say((resumed ? QStringLiteral("Class %1 now has its %2 missing students.")
                     : QStringLiteral("Class %1 is set up with %2 students."))
                .arg(name)
                .arg(r.value.size())
            + QStringLiteral(" Their passwords are shown only now."));
        listClasses(name);
    };
    if (resumed)
        m_client->addStudents(this, name, missing, done);
    else
        m_client->createClass(this, name, students, done);
}

// New logins (a set-up, a student added, a password reset) replace the ones listed, to print or copy out.
void frmClass::showLogins(const QString& className, const std::vector<classroom::StudentLogin>& logins)
{
    lstLogins()->clear();
    for (const classroom::StudentLogin& login : logins)
        lstLogins()->addItem(QStringLiteral("%1: login %2, password %3").arg(login.name, login.login, login.password));
    m_logins = logins;
    m_loginsClass = className;
    cmdPrint()->setEnabled(!logins.empty());
}

// The new logins on paper: the server, the class, and each name with its login and password.
void frmClass::cmdPrint_Click()
{
    QString html = QStringLiteral("<h2>Class %1</h2><p>Server: %2, database %3</p><table cellpadding=\"6\">")
                       .arg(m_loginsClass.toHtmlEscaped(), txtServer()->Text().toHtmlEscaped(),
                            txtDatabase()->Text().toHtmlEscaped());
    html += QStringLiteral("<tr><th>Name</th><th>Login</th><th>Password</th></tr>");
    for (const classroom::StudentLogin& login : m_logins)
        html += QStringLiteral("<tr><td>%1</td><td><tt>%2</tt></td><td><tt>%3</tt></td></tr>")
                    .arg(login.name.toHtmlEscaped(), login.login.toHtmlEscaped(), login.password.toHtmlEscaped());
    QTextDocument document;
    document.setHtml(html + QStringLiteral("</table>"));
    const PrintResult printed = services().PrintDocument(document);
    say(printed.ok ? QStringLiteral("The passwords went to the printer.")
                   : QStringLiteral("The passwords could not be printed: %1").arg(printed.reason));
}

// The login of the student chosen in the class's list (the name where the server gave no login).
QString frmClass::chosenLogin()
{
    const int i = cboClass()->ListIndex();
    const int row = lstMembers()->ListIndex();
    if (i < 0 || i >= int(m_classes.size()) || row < 0)
        return {};
    const classroom::ClassInfo& c = m_classes[size_t(i)];
    return row < c.logins.size() ? c.logins[row] : lstMembers()->List(row);
}

QString frmClass::chosenClass()
{
    const int i = cboClass()->ListIndex();
    return i >= 0 && i < int(m_classes.size()) ? m_classes[size_t(i)].name : QString();
}

// The students of the chosen class, to choose from, and to look after.
void frmClass::cboClass_Click()
{
    lstStudents()->clear();
    cboStudent()->clear();
    const int i = cboClass()->ListIndex();
    const QStringList members = i >= 0 && i < int(m_classes.size()) ? m_classes[size_t(i)].students : QStringList{};
    cboStudent()->addItems(members);
    cboStudent()->setListIndex(-1);
    const QString kept = lstMembers()->ListIndex() >= 0 ? lstMembers()->List(lstMembers()->ListIndex()) : QString();
    {
        const QSignalBlocker quiet(lstMembers()); // filled here, not chosen by the user
        lstMembers()->clear();
        lstMembers()->addItems(members);
        lstMembers()->setListIndex(int(members.indexOf(kept)));
    }
    fraStudents()->setCaption(i >= 0 ? QStringLiteral("Students of %1").arg(chosenClass())
                                     : QStringLiteral("The class's students"));
    if (lstMembers()->ListIndex() >= 0)
        listExercises();
    else
        lstExercises()->clear();
}

void frmClass::lstMembers_Click()
{
    if (lstMembers()->ListIndex() >= 0)
        listExercises();
}

// The chosen student's exercises, newest first, the void ones marked.
void frmClass::listExercises()
{
    lstExercises()->clear();
    m_exercises.clear();
    if (!m_client || lstMembers()->ListIndex() < 0)
        return;
    const QString student = chosenLogin();
    m_client->exercises(this, chosenClass(), [this, student](const auto& r) {
        if (!isLoaded() || chosenLogin() != student)
            return;
        if (!r.ok()) {
            say(r.error);
            return;
        }
        m_voided = r.value.second;
        m_exercises.clear();
        for (auto it = r.value.first.rbegin(); it != r.value.first.rend(); ++it)
            if (it->student == student)
                m_exercises.push_back(*it);
        lstExercises()->clear();
        for (const trainer::ExerciseRecord& e : m_exercises)
            lstExercises()->addItem(exerciseLine(e, std::find(m_voided.begin(), m_voided.end(), e.id) != m_voided.end()));
        if (m_exercises.empty())
            lstExercises()->addItem(QStringLiteral("No exercise yet."));
    });
}

void frmClass::cmdReset_Click()
{
    if (!m_client || lstMembers()->ListIndex() < 0) {
        say(QStringLiteral("Choose the student whose password is lost."));
        return;
    }
    const QString className = chosenClass();
    const QString student = lstMembers()->List(lstMembers()->ListIndex());
    say(QStringLiteral("Giving %1 a new password...").arg(student));
    cmdReset()->setEnabled(false);
    m_client->resetPassword(this, className, chosenLogin(), [this, className, student](const Result<classroom::StudentLogin>& r) {
        if (!isLoaded())
            return;
        cmdReset()->setEnabled(true);
        if (!r.ok()) {
            say(r.error);
            return;
        }
        showLogins(className, {r.value});
        say(QStringLiteral("%1 has a new password, shown only now; the old one no longer signs in.").arg(student));
    });
}

void frmClass::cmdEnrol_Click()
{
    const QString className = chosenClass();
    const QString student = txtNewStudent()->Text().trimmed();
    if (!m_client || className.isEmpty()) {
        say(QStringLiteral("Connect and choose a class first."));
        return;
    }
    if (student.isEmpty()) {
        say(QStringLiteral("Write the new student's name."));
        return;
    }
    say(QStringLiteral("Adding %1 to %2...").arg(student, className));
    cmdEnrol()->setEnabled(false);
    m_client->addStudents(this, className, {student},
                          [this, className, student](const Result<std::vector<classroom::StudentLogin>>& r) {
                              if (!isLoaded())
                                  return;
                              cmdEnrol()->setEnabled(true);
                              if (!r.ok()) {
                                  say(r.error);
                                  return;
                              }
                              showLogins(className, r.value);
                              txtNewStudent()->clear();
                              say(QStringLiteral("%1 is in %2. The password is shown only now.").arg(student, className));
                              listClasses(className);
                          });
}

void frmClass::cmdVoid_Click()
{
    const int row = lstExercises()->ListIndex();
    if (!m_client || row < 0 || row >= int(m_exercises.size())) {
        say(QStringLiteral("Choose a student, then the exercise to mark void."));
        return;
    }
    const trainer::ExerciseRecord chosen = m_exercises[size_t(row)];
    if (std::find(m_voided.begin(), m_voided.end(), chosen.id) != m_voided.end()) {
        say(QStringLiteral("That exercise is void already."));
        return;
    }
    const QString reason = txtReason()->Text().trimmed();
    if (reason.isEmpty()) {
        say(QStringLiteral("Say why the exercise is void; it stays on the server with the reason."));
        return;
    }
    say(QStringLiteral("Marking the exercise void..."));
    cmdVoid()->setEnabled(false);
    m_client->markVoid(this, chosen.id, reason, [this, chosen](const Result<classroom::Nothing>& r) {
        if (!isLoaded())
            return;
        cmdVoid()->setEnabled(true);
        if (!r.ok()) {
            say(r.error);
            return;
        }
        txtReason()->clear();
        say(QStringLiteral("Marked void: %1. It stays on the server, left out of every figure.").arg(exerciseLine(chosen, false)));
        listExercises();
    });
}

void frmClass::Students_Click()
{
    for (QWidget* w : std::initializer_list<QWidget*>{cboStudent(), cmdAddStudent(), lstStudents(), cmdRemoveStudent()})
        w->setEnabled(optChosen()->Value());
}

void frmClass::cmdAddFault_Click()
{
    addChoice(cboFault(), lstFaults());
}

void frmClass::cmdAddStudent_Click()
{
    addChoice(cboStudent(), lstStudents());
}

void frmClass::cmdAssign_Click()
{
    if (!m_client || cboClass()->ListIndex() < 0) {
        say(QStringLiteral("Connect and choose a class first."));
        return;
    }
    classroom::NewAssignment a;
    a.className = cboClass()->currentText();
    a.title = txtTitle()->Text().trimmed();
    if (a.title.isEmpty()) {
        say(QStringLiteral("Give the assignment a title."));
        return;
    }
    for (const QString& name : items(lstFaults())) // in the order chosen
        for (const trainer::Fault& f : trainer::faults())
            if (trainer::faultName(f) == name)
                a.faultIds << QString::fromLatin1(f.id);
    if (optChosen()->Value()) {
        a.students = items(lstStudents());
        if (a.students.isEmpty()) {
            say(QStringLiteral("Choose the students, or give it to the whole class."));
            return;
        }
    }
    const QString due = txtDue()->Text().trimmed();
    if (!due.isEmpty()) {
        const QDate day = QDate::fromString(due, Qt::ISODate);
        if (!day.isValid()) {
            say(QStringLiteral("Write the due date as year-month-day, like 2026-05-04, or leave it empty."));
            return;
        }
        a.due = QDateTime(day, QTime(23, 59, 59)).toUTC(); // to the end of that day, here
    }
    say(QStringLiteral("Giving %1 to %2...").arg(a.title, a.className));
    cmdAssign()->setEnabled(false);
    m_client->assign(this, a, [this, a](const Result<QString>& r) {
        if (!isLoaded())
            return;
        cmdAssign()->setEnabled(true);
        if (!r.ok()) {
            say(r.error);
            return;
        }
        say(QStringLiteral("%1 is given to %2: %3.")
                .arg(a.title, a.students.isEmpty() ? QStringLiteral("the whole class") : a.students.join(QStringLiteral(", ")),
                     faultsText(a.faultIds)));
        txtTitle()->clear();
    });
}

void frmClass::cmdView_Click()
{
    if (!m_client || cboClass()->ListIndex() < 0) {
        say(QStringLiteral("Connect and choose a class first."));
        return;
    }
    frmClassView::get().open(this, m_client, cboClass()->currentText());
}

void frmClass::cmdReturn_Click()
{
    if (m_from)
        m_from->Show();
    else
        fw::showMainMenu();
    Unload();
}
