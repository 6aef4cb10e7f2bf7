#pragma once

#include "runtime/screen.h"

// Raster problems: four symptoms, each listing its suspect circuits; Continue opens the low-voltage
// diagram, which reads the hidden flag Option5 and the chosen symptom.
class frmRaster : public fw::Form<frmRaster>
{
public:
    frmRaster();

    FW_CONTROL(OptionButton, Option5) // came-from flag: true from the first symptom click
    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(CommandButton, cmdContinue)
    FW_CONTROL(ListBox, List3)
    FW_CONTROL(ListBox, List2)
    FW_CONTROL(ListBox, List1)
    FW_CONTROL(Frame, Frame1)
    FW_CONTROL(OptionButton, Option4) // "Pincushion distortion"
    FW_CONTROL(OptionButton, Option3) // "Vertical line only"
    FW_CONTROL(OptionButton, Option2) // "Horizontal line only"
    FW_CONTROL(OptionButton, Option1) // "No raster at all"

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void showList(fw::ListBox* list);
    void cmdContinue_Click();
    void cmdReturn_Click();
    void cmdQuit_Click();
};
