#pragma once

#include "runtime/screen.h"

// Color problems: six symptoms, the last with a nested group of six; Continue turns the choice into the
// color problem code in txtB and opens the screen for it. Return only shows the main menu: this screen
// stays loaded, with its choice and code, until the program ends.
class frmProblems : public fw::Form<frmProblems>
{
public:
    frmProblems();

    FW_CONTROL(CommandButton, cmdFillB)
    FW_CONTROL(CommandButton, cmdContinue)
    FW_CONTROL(TextBox, txtB) // the color problem code: empty until the first Continue, then "0" to "27"
    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(ComboBox, Combo3)
    FW_CONTROL(ComboBox, Combo2)
    FW_CONTROL(ComboBox, Combo1)
    FW_CONTROL(Frame, Frame1)
    FW_CONTROL(Frame, Frame2)
    FW_CONTROL(Label, Label1)

    fw::OptionButton* Option(int number); // Option1 .. Option12
    fw::TextBox* Text(int number);        // Text1 .. Text9

    // The color problem code as the diagrams read it (0 when none or not yet chosen).
    int code();

protected:
    fw::Design design() const override;
    QStringList tabOrder() const override;
    void wire() override;
    void Form_Load() override;

private:
    void closeAll();
    void closeF();
    void fillB();
    void Option_Click(int number);
    void cmdFillB_Click();
    void cmdContinue_Click();
    void cmdReturn_Click();
    void cmdQuit_Click();
};
