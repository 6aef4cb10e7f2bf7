#pragma once

#include "classroom/classserver.h"
#include "runtime/screen.h"

#include <memory>

namespace classwork {
class Client;
}

// The instructor's class screen: signs in to the class server as the instructor (server, database, encryption),
// sets up a class (its name and its students' names; a set-up that stopped half-way is finished by setting it up
// again), looks after the chosen class's students (one more student, a new password for a lost one, an exercise
// marked void), and gives an assignment (a title, faults from the catalogue or any fault, the whole class or
// chosen students, a due date). Each new login is shown once with its password, to print or hand out. Every call
// to the server runs off the GUI thread; the screen says what it is doing and, as the server's library says it,
// what went wrong. "Class view" opens the chosen class's view; Return goes back to the screen that opened it.
class frmClass : public fw::Form<frmClass>
{
public:
    frmClass();
    ~frmClass() override;

    FW_CONTROL(TextBox, txtServer)
    FW_CONTROL(TextBox, txtDatabase)
    FW_CONTROL(ComboBox, cboSsl)
    FW_CONTROL(TextBox, txtLogin)
    FW_CONTROL(TextBox, txtPassword)
    FW_CONTROL(CommandButton, cmdConnect)
    FW_CONTROL(TextBox, txtNewClass)
    FW_CONTROL(TextArea, txtStudents)
    FW_CONTROL(CommandButton, cmdCreate)
    FW_CONTROL(ListBox, lstLogins)
    FW_CONTROL(CommandButton, cmdPrint)
    FW_CONTROL(ComboBox, cboClass)
    FW_CONTROL(TextBox, txtTitle)
    FW_CONTROL(ComboBox, cboFault)
    FW_CONTROL(CommandButton, cmdAddFault)
    FW_CONTROL(ListBox, lstFaults) // the faults chosen; none: any fault
    FW_CONTROL(CommandButton, cmdRemoveFault)
    FW_CONTROL(OptionButton, optWhole)
    FW_CONTROL(OptionButton, optChosen)
    FW_CONTROL(ComboBox, cboStudent)
    FW_CONTROL(CommandButton, cmdAddStudent)
    FW_CONTROL(ListBox, lstStudents) // the students chosen
    FW_CONTROL(CommandButton, cmdRemoveStudent)
    FW_CONTROL(TextBox, txtDue)
    FW_CONTROL(CommandButton, cmdAssign)
    FW_CONTROL(Frame, fraStudents)
    FW_CONTROL(ListBox, lstMembers) // the chosen class's students
    FW_CONTROL(CommandButton, cmdReset)
    FW_CONTROL(TextBox, txtNewStudent)
    FW_CONTROL(CommandButton, cmdEnrol)
    FW_CONTROL(ListBox, lstExercises) // the chosen student's exercises
    FW_CONTROL(TextBox, txtReason)
    FW_CONTROL(CommandButton, cmdVoid)
    FW_CONTROL(Label, lblStatus)
    FW_CONTROL(CommandButton, cmdView)
    FW_CONTROL(CommandButton, cmdReturn)

    // Shows the screen over `from`, which Return goes back to.
    void open(fw::Screen* from);
    // The signed-in instructor's client; null before Connect.
    std::shared_ptr<classwork::Client> client() const { return m_client; }

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdConnect_Click();
    void cmdCreate_Click();
    void cmdPrint_Click();
    void cboClass_Click();
    void Students_Click();
    void cmdAddFault_Click();
    void cmdAddStudent_Click();
    void cmdAssign_Click();
    void lstMembers_Click();
    void cmdReset_Click();
    void cmdEnrol_Click();
    void cmdVoid_Click();
    void cmdView_Click();
    void cmdReturn_Click();
    void say(const QString& sentence);
    void listClasses(const QString& choose);
    void showLogins(const QString& className, const std::vector<classroom::StudentLogin>& logins);
    void listExercises();
    QString chosenClass();
    QString chosenLogin();

    fw::Screen* m_from = nullptr;
    std::shared_ptr<classwork::Client> m_client; // kept for the run: the class view borrows it
    std::vector<classroom::ClassInfo> m_classes;
    QString m_loginsClass; // the class whose new logins are listed
    std::vector<classroom::StudentLogin> m_logins; // as listed, to print
    std::vector<trainer::ExerciseRecord> m_exercises; // the chosen student's, as listed
    std::vector<QUuid> m_voided; // the class's void exercises
};
