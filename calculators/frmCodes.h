#pragma once

#include "calculators/colorcode.h"
#include "runtime/screen.h"

// The colour code reader: click a part's bands on the row of swatches, then Done for its value, tolerance
// and voltage rating.
class frmCodes : public fw::Form<frmCodes>
{
public:
    frmCodes();

    FW_CONTROL(PictureBox, Picture1)
    FW_CONTROL(OptionButton, Option2)
    FW_CONTROL(OptionButton, Option1)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(TextBox, Text15)
    FW_CONTROL(TextBox, Text14)
    FW_CONTROL(TextBox, Text13)
    FW_CONTROL(CommandButton, cmdDone)
    FW_CONTROL(Label, Label4)

    // The swatch of a colour (Text1 black ... Text12 silver).
    fw::Label* swatch(colorcode::Color color);

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void Text_Click(colorcode::Color color); // Text1_Click ... Text12_Click
    void cmdDone_Click();
    void cmdReturn_Click();

    // Lives with the screen object: the tolerance and voltage outlast Return.
    colorcode::Reader m_reader;
};
