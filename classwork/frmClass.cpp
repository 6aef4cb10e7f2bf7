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
#include <QTextDocument>

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
    : Form(QStringLiteral("frmClass"), QStringLiteral("Class Set-Up"), QSize(11400, 8160))
{}

frmClass::~frmClass() = default;

Design frmClass::design() const
{
    static const QStringList faults = faultItems();
    return {
        label("Label1", "Class Set-Up", 0, 120, 11400, 435).bold(14).fore(colors::darkRed).centred(),
        frame("fraServer", "The instructor's sign-in", 360, 600, 5160, 1980).bold(8.25),
        label("Label2", "Server", 180, 300, 1320, 255).in("fraServer"),
        textBox("txtServer", "", 1560, 270, 3420, 315).in("fraServer").says("Server"),
        label("Label3", "Encryption", 180, 690, 1320, 255).in("fraServer"),
        combo("cboSsl", "", 1560, 660, 3420, 315).items(kSslModes).in("fraServer").says("Encryption (sslmode)"),
        label("Label4", "Login", 180, 1080, 1320, 255).in("fraServer"),
        textBox("txtLogin", "", 1560, 1050, 3420, 315).in("fraServer").says("Login"),
        label("Label5", "Password", 180, 1470, 1320, 255).in("fraServer"),
        textBox("txtPassword", "", 1560, 1440, 2160, 315).in("fraServer").says("Password"),
        command("cmdConnect", "Connect", 3840, 1425, 1140, 345).in("fraServer"),
        frame("fraNew", "A new class", 360, 2700, 5160, 4620).bold(8.25),
        label("Label6", "Class", 180, 300, 1320, 255).in("fraNew"),
        textBox("txtNewClass", "", 1560, 270, 3420, 315).in("fraNew").says("New class"),
        label("Label7", "Students, one to a line", 180, 660, 4800, 255).in("fraNew"),
        textArea("txtStudents", "", 180, 930, 4800, 1320).in("fraNew").says("Students, one to a line"),
        command("cmdCreate", "Set up the class", 180, 2340, 2280, 345).in("fraNew"),
        label("Label8", "Their passwords, shown this once: print them or copy them out", 180, 2760, 4800, 255)
            .in("fraNew"),
        listBox("lstLogins", 180, 3030, 4800, 1080).in("fraNew").says("Student passwords"),
        command("cmdPrint", "Print", 180, 4170, 1140, 345).in("fraNew"),
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
        command("cmdAssign", "Give the assignment", 180, 6120, 2520, 345).in("fraAssign"),
        label("lblStatus", "", 360, 7380, 7200, 660).says("Class server"),
        command("cmdView", "Class view", 7680, 7560, 1560, 375).bold(8.25),
        command("cmdReturn", "Return", 9480, 7560, 1560, 375).bold(8.25),
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
    cboSsl()->setListIndex(std::max(0, int(kSslModes.indexOf(last.connection.sslmode))));
    optWhole()->setValue(true);
    Students_Click();
    cmdPrint()->setEnabled(false);
    m_classes.clear();
    if (m_client) {
        txtServer()->setText(serverText(m_client->connection()));
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
    say(QStringLiteral("Connecting to %1...").arg(serverText(c)));
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
    say(QStringLiteral("Setting up %1 for %2 students...").arg(name).arg(students.size()));
    cmdCreate()->setEnabled(false);
    m_client->createClass(this, name, students, [this, name](const Result<std::vector<classroom::StudentLogin>>& r) {
        if (!isLoaded())
            return;
        cmdCreate()->setEnabled(true);
        if (!r.ok()) {
            say(r.error);
            return;
        }
        lstLogins()->clear();
        for (const classroom::StudentLogin& login : r.value)
            lstLogins()->addItem(QStringLiteral("%1: %2").arg(login.name, login.password));
        m_loginsClass = name;
        cmdPrint()->setEnabled(!r.value.empty());
        say(QStringLiteral("Class %1 is set up with %2 students. Their passwords are shown only now.")
                .arg(name)
                .arg(r.value.size()));
        listClasses(name);
    });
}

// The new logins on paper: the server, the class, and each name with its password.
void frmClass::cmdPrint_Click()
{
    QString html = QStringLiteral("<h2>Class %1</h2><p>Server: %2</p><table cellpadding=\"6\">")
                       .arg(m_loginsClass.toHtmlEscaped(), txtServer()->Text().toHtmlEscaped());
    for (int i = 0; i < lstLogins()->ListCount(); ++i) {
        const QString line = lstLogins()->List(i);
        const qsizetype colon = line.lastIndexOf(QStringLiteral(": "));
        html += QStringLiteral("<tr><td>%1</td><td><tt>%2</tt></td></tr>")
                    .arg(line.left(colon).toHtmlEscaped(), line.mid(colon + 2).toHtmlEscaped());
    }
    QTextDocument document;
    document.setHtml(html + QStringLiteral("</table>"));
    const PrintResult printed = services().PrintDocument(document);
    say(printed.ok ? QStringLiteral("The passwords went to the printer.")
                   : QStringLiteral("The passwords could not be printed: %1").arg(printed.reason));
}

// The students of the chosen class, to choose from.
void frmClass::cboClass_Click()
{
    lstStudents()->clear();
    cboStudent()->clear();
    const int i = cboClass()->ListIndex();
    if (i >= 0 && i < int(m_classes.size()))
        cboStudent()->addItems(m_classes[size_t(i)].students);
    cboStudent()->setListIndex(-1);
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
