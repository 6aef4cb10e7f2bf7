#pragma once

#include "runtime/screen.h"

// Base pin-outs of 8 and 12 pin black-and-white picture tubes.
class frmBTube : public fw::Form<frmBTube>
{
public:
    frmBTube();

    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(PictureBox, Picture1)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdReturn_Click();
};
