#pragma once

#include "classroom/classserver.h"
#include "runtime/screen.h"

#include <memory>

namespace classwork {
class Client;
}

// A student signs in to a class: server, database, class, name and password. It shows where it will sign in and
// how it is encrypted: sslmode require at least, unless the instructor chose a mode for that server and database on
// this computer. The server, class and name are remembered
// for the next time; the password only in the desktop's keyring, and only when the student asks. Signing in
// asks the server off the GUI thread; the screen says what it is doing and what went wrong. "Work alone" signs
// out. "Instructor" leads the instructor on to Class Set-Up. Return goes back to the screen that opened it.
class frmSignIn : public fw::Form<frmSignIn>
{
public:
    frmSignIn();
    ~frmSignIn() override;

    FW_CONTROL(TextBox, txtServer)
    FW_CONTROL(TextBox, txtDatabase)
    FW_CONTROL(TextBox, txtClass)
    FW_CONTROL(TextBox, txtName)
    FW_CONTROL(TextBox, txtPassword)
    FW_CONTROL(Frame, fraKeep)
    FW_CONTROL(OptionButton, optAsk)
    FW_CONTROL(OptionButton, optKeep)
    FW_CONTROL(Label, lblConnection) // the server, database and encryption the sign-in will use
    FW_CONTROL(Label, lblStatus)
    FW_CONTROL(CommandButton, cmdSignIn)
    FW_CONTROL(CommandButton, cmdAlone)
    FW_CONTROL(CommandButton, cmdInstructor)
    FW_CONTROL(CommandButton, cmdReturn)

    // Shows the sign-in over `from`, which Return and a sign-in go back to.
    void open(fw::Screen* from);

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdSignIn_Click();
    void cmdAlone_Click();
    void cmdInstructor_Click();
    void cmdReturn_Click();
    void say(const QString& sentence);
    bool connectionWanted(classroom::Connection& c);
    void showConnection();

    fw::Screen* m_from = nullptr;
    std::unique_ptr<classwork::Client> m_client;
};
