#pragma once

#include "runtime/screen.h"

// The VHF tuner's inner blocks, from the antenna down to the oscillator. Its title bar is empty.
class frmVHF : public fw::Form<frmVHF>
{
public:
    frmVHF();

    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(CommandButton, cmdConvert)
    FW_CONTROL(TextArea, Text4)
    FW_CONTROL(TextArea, Text3)
    FW_CONTROL(TextArea, Text2)
    FW_CONTROL(TextArea, Text1)
    FW_CONTROL(Label, Label3)
    FW_CONTROL(Label, Label2)
    FW_CONTROL(Label, Label1)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdConvert_Click();
    void cmdReturn_Click();
};
