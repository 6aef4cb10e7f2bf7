#pragma once

#include "runtime/screen.h"

// Base pin-outs of 13 and 14 pin colour picture tubes, with the way to the black-and-white ones.
class frmCtube : public fw::Form<frmCtube>
{
public:
    frmCtube();

    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(CommandButton, Command1)
    FW_CONTROL(TextBox, Text1)
    FW_CONTROL(PictureBox, Picture1)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void Command1_Click();
    void cmdReturn_Click();
};
