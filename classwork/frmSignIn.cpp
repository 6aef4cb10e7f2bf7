#include "classwork/frmSignIn.h"

#include "classwork/client.h"
#include "classwork/frmClass.h"
#include "classwork/keyring.h"
#include "classwork/session.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <QLineEdit>

#include <algorithm>

using namespace fw;
using namespace classwork;

frmSignIn::frmSignIn()
    : Form(QStringLiteral("frmSignIn"), QStringLiteral("Sign In to a Class"), QSize(6600, 5610))
{}

frmSignIn::~frmSignIn() = default;

Design frmSignIn::design() const
{
    return {
        label("Label1", "Sign in to your class", 0, 120, 6600, 435).bold(14).fore(colors::darkRed).centred(),
        label("Label2", "Server", 360, 720, 1800, 255).bold(8.25),
        textBox("txtServer", "", 2280, 690, 3960, 315).says("Server"),
        label("Label6", "Database", 360, 1140, 1800, 255).bold(8.25),
        textBox("txtDatabase", "", 2280, 1110, 3960, 315).says("Database"),
        label("Label3", "Class", 360, 1560, 1800, 255).bold(8.25),
        textBox("txtClass", "", 2280, 1530, 3960, 315).says("Class"),
        label("Label4", "Login", 360, 1980, 1800, 255).bold(8.25),
        textBox("txtName", "", 2280, 1950, 3960, 315).says("Login"),
        label("Label5", "Password", 360, 2400, 1800, 255).bold(8.25),
        textBox("txtPassword", "", 2280, 2370, 3960, 315).says("Password"),
        frame("fraKeep", "The password", 360, 2820, 5880, 780).bold(8.25),
        option("optAsk", "Ask for it each time", 180, 270, 5500, 225).in("fraKeep"),
        option("optKeep", "Keep it in the desktop's keyring", 180, 510, 5500, 225).in("fraKeep"),
        label("lblConnection", "", 360, 3690, 5880, 480).says("Where and how it signs in"),
        label("lblStatus", "", 360, 4260, 5880, 660).says("Sign-in"),
        command("cmdSignIn", "&Sign in", 360, 5010, 1380, 375).bold(8.25),
        command("cmdAlone", "Work &alone", 1860, 5010, 1380, 375).bold(8.25),
        command("cmdInstructor", "&Instructor", 3360, 5010, 1380, 375).bold(8.25),
        command("cmdReturn", "&Return", 4860, 5010, 1380, 375).bold(8.25),
    };
}

void frmSignIn::wire()
{
    txtPassword()->setEchoMode(QLineEdit::Password);
    for (Label* l : {lblStatus(), lblConnection()}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    connect(txtServer(), &QLineEdit::textChanged, this, &frmSignIn::showConnection);
    connect(txtDatabase(), &QLineEdit::textChanged, this, &frmSignIn::showConnection);
    connect(cmdSignIn(), &CommandButton::Click, this, &frmSignIn::cmdSignIn_Click);
    connect(cmdAlone(), &CommandButton::Click, this, &frmSignIn::cmdAlone_Click);
    connect(cmdInstructor(), &CommandButton::Click, this, &frmSignIn::cmdInstructor_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmSignIn::cmdReturn_Click);
    connect(txtPassword(), &QLineEdit::returnPressed, this, &frmSignIn::cmdSignIn_Click);
}

void frmSignIn::open(Screen* from)
{
    m_from = from;
    Show();
    if (from && from != this)
        from->Hide();
}

void frmSignIn::Form_Load()
{
    place(*this);
    const Session& s = session().signedIn ? session() : remembered();
    txtServer()->setText(serverText(s.connection));
    txtDatabase()->setText(s.connection.database);
    showConnection();
    txtClass()->setText(s.className);
    txtName()->setText(s.connection.name);
    optAsk()->setValue(true);
    // Without a keyring in this build there is nothing to offer.
    fraKeep()->setVisible(keyring::available());
    say(session().signedIn ? statusLine(session(), -1) : statusLine(Session{}, -1));
    if (keyring::available() && !s.connection.name.isEmpty())
        keyring::read(keyring::key(txtServer()->Text(), s.className, s.connection.name), this,
                      [this](const QString& password) {
                          if (!isLoaded() || password.isEmpty() || !txtPassword()->Text().isEmpty())
                              return;
                          txtPassword()->setText(password);
                          optKeep()->setValue(true);
                      });
}

void frmSignIn::say(const QString& sentence)
{
    lblStatus()->setCaption(sentence);
    lblStatus()->setAccessibleDescription(sentence);
}

// The connection the sign-in would make: the server and database as typed, the encryption this computer asks of
// them (require at least, unless the instructor chose otherwise for them here); false when the server is no server.
bool frmSignIn::connectionWanted(classroom::Connection& c)
{
    c = remembered().connection;
    if (!readServer(txtServer()->Text(), c))
        return false;
    c.database = txtDatabase()->Text().trimmed();
    c.sslmode = sslmodeFor(c);
    return !c.database.isEmpty();
}

void frmSignIn::showConnection()
{
    classroom::Connection c;
    const bool ok = connectionWanted(c);
    const QString text = ok ? connectionText(c) + (belowRequire(c.sslmode) ? QStringLiteral(" Your instructor chose this.") : QString())
                            : QStringLiteral("Give the server (with :port where it is not 5432) and the database.");
    lblConnection()->setCaption(text);
    lblConnection()->setAccessibleDescription(text);
}

void frmSignIn::cmdSignIn_Click()
{
    Session wanted;
    if (!connectionWanted(wanted.connection)) {
        say(QStringLiteral("Give the server as a name or address, with :port where it is not 5432, and the database."));
        return;
    }
    wanted.className = txtClass()->Text().trimmed();
    wanted.connection.name = txtName()->Text().trimmed();
    wanted.connection.password = txtPassword()->Text();
    if (wanted.className.isEmpty() || wanted.connection.name.isEmpty() || wanted.connection.password.isEmpty()) {
        say(QStringLiteral("Fill in the class, your login and your password."));
        return;
    }
    m_client = makeClient(wanted.connection);
    if (!m_client) {
        say(QStringLiteral("This copy of Fernwick was built without the class server."));
        return;
    }
    say(QStringLiteral("Signing in to %1...").arg(serverText(wanted.connection)));
    cmdSignIn()->setEnabled(false);
    const bool keep = optKeep()->Value();
    m_client->classes(this, [this, wanted, keep](const classroom::Result<std::vector<classroom::ClassInfo>>& r) {
        if (!isLoaded())
            return;
        cmdSignIn()->setEnabled(true);
        if (!r.ok()) {
            say(r.error);
            return;
        }
        const bool member = std::any_of(r.value.begin(), r.value.end(),
                                        [&](const classroom::ClassInfo& c) { return c.name == wanted.className; });
        if (!member) {
            say(QStringLiteral("%1 is not in a class %2 on this server.").arg(wanted.connection.name, wanted.className));
            return;
        }
        Session signedIn = wanted;
        signedIn.signedIn = true;
        session() = signedIn;
        remember(signedIn);
        if (keyring::available())
            keyring::write(keyring::key(serverText(wanted.connection), wanted.className, wanted.connection.name),
                           keep ? wanted.connection.password : QString(), this, [keep](const QString& failed) {
                               // Asked to keep it and it could not: the student will be asked next time.
                               if (keep && !failed.isEmpty())
                                   services().MsgBox(failed, QStringLiteral("Sign In to a Class"));
                           });
        cmdReturn_Click();
    });
}

void frmSignIn::cmdAlone_Click()
{
    signOut();
    cmdReturn_Click();
}

// The instructor's screens return to where the sign-in was opened from.
void frmSignIn::cmdInstructor_Click()
{
    Screen* back = m_from && m_from != this ? m_from : nullptr;
    frmClass::get().open(back);
    Unload();
}

void frmSignIn::cmdReturn_Click()
{
    if (m_from && m_from != this)
        m_from->Show();
    else
        fw::showMainMenu();
    Unload();
}
