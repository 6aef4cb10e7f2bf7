#pragma once

#include "runtime/screen.h"

// Picture problems: eleven symptoms, each revealing its problem areas; Continue turns the choice into the
// picture problem code in txtA and opens the diagram the code belongs to.
class frmPicture : public fw::Form<frmPicture>
{
public:
    frmPicture();

    FW_CONTROL(CommandButton, cmdFillA)
    FW_CONTROL(TextBox, txtA) // the picture problem code, "0" to "28"; read by the diagrams
    FW_CONTROL(ComboBox, Combo7)
    FW_CONTROL(ComboBox, Combo6)
    FW_CONTROL(ComboBox, Combo5)
    FW_CONTROL(TextBox, Text4)
    FW_CONTROL(TextBox, Text3)
    FW_CONTROL(TextBox, Text2)
    FW_CONTROL(ComboBox, Combo4)
    FW_CONTROL(ComboBox, Combo3)
    FW_CONTROL(ComboBox, Combo2)
    FW_CONTROL(TextBox, Text1)
    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(CommandButton, cmdContinue)
    FW_CONTROL(ComboBox, Combo1)
    FW_CONTROL(Frame, Frame1)

    fw::OptionButton* Option(int number); // Option1 .. Option11

    // The picture problem code as the diagrams read it (0 when none).
    int code();

protected:
    fw::Design design() const override;
    QStringList tabOrder() const override;
    void wire() override;
    void Form_Load() override;

private:
    void closeAll();
    void fillA();
    void cmdFillA_Click();
    void cmdContinue_Click();
    void cmdReturn_Click();
    void cmdQuit_Click();

    std::int16_t m_lastCode = 0; // the code of the last Continue; kept for the screen alone
};
