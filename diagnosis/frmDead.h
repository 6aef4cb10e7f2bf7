#pragma once

#include "runtime/screen.h"

// TV Dead: the initial checks, then the areas the fault is isolated to, and on to the low-voltage diagram.
class frmDead : public fw::Form<frmDead>
{
public:
    frmDead();

    FW_CONTROL(OptionButton, optReturn) // came-from flag: true from Continue until the diagram's Return
    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(CommandButton, cmdContinue)
    FW_CONTROL(ListBox, List2)
    FW_CONTROL(CommandButton, Command1)
    FW_CONTROL(ListBox, List1)
    FW_CONTROL(Label, Label3)
    FW_CONTROL(Label, Label2)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void Command1_Click();
    void cmdContinue_Click();
    void cmdReturn_Click();
    void cmdQuit_Click();
};
