#pragma once

#include "runtime/screen.h"

// The UHF tuner's inner blocks: RF amplifier, mixer and oscillator.
class frmUHF : public fw::Form<frmUHF>
{
public:
    frmUHF();

    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(CommandButton, Command1)
    FW_CONTROL(TextArea, Text3)
    FW_CONTROL(TextArea, Text2)
    FW_CONTROL(TextArea, Text1)
    FW_CONTROL(Label, Label2)
    FW_CONTROL(Label, Label1)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void Command1_Click();
    void cmdReturn_Click();
};
