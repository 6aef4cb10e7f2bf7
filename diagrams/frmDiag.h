#pragma once

#include "runtime/screen.h"

// The drawing of the ring magnets on the tube neck that goes with the convergence procedure.
class frmDiag : public fw::Form<frmDiag>
{
public:
    frmDiag();

    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(PictureBox, Picture1)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdReturn_Click();
};
