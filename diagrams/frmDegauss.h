#pragma once

#include "runtime/screen.h"

// How a set degausses its tube, and how to do it by hand.
class frmDegauss : public fw::Form<frmDegauss>
{
public:
    frmDegauss();

    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(PictureBox, Picture1)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdReturn_Click();
};
