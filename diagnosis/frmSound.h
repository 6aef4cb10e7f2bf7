#pragma once

#include "runtime/screen.h"

// Sound problems: is the picture good or poor too? Lists the circuits to check, and Continue opens the
// front end diagram, which reads the two options.
class frmSound : public fw::Form<frmSound>
{
public:
    frmSound();

    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(CommandButton, cmdContinue)
    FW_CONTROL(ListBox, List2)
    FW_CONTROL(ListBox, List1)
    FW_CONTROL(Frame, Frame1)
    FW_CONTROL(OptionButton, Opt2) // "Poor or no picture"
    FW_CONTROL(OptionButton, opt1) // "Picture O.K."
    FW_CONTROL(Label, Label3)
    FW_CONTROL(Label, Label2)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void opt1_Click();
    void Opt2_Click();
    void cmdContinue_Click();
    void cmdReturn_Click();
    void cmdQuit_Click();
};
