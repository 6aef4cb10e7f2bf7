#pragma once

#include "runtime/screen.h"

// Video and colour circuits: the luminance path along the top, the chroma path through the middle and the
// colour sync chain along the bottom, into the demodulators, the three video drivers and the picture tube.
// When it loads it marks in red the areas the picture problem code (frmPicture.txtA) and the colour
// problem code (frmProblems.txtB) point at; Return goes back to the symptom screen whose code is set.
class frmColor : public fw::Form<frmColor>
{
public:
    frmColor();

    FW_CONTROL(TextBox, Text16) // the picture problem code, when there is one
    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(PictureBox, Picture1) // the colour picture tube: opens its base diagrams

    QWidget* Text(int number);    // the circuit boxes Text1 .. Text15
    fw::Shape* Shape(int number); // the knobs Shape1 .. Shape8
    fw::Line* Line(int number);   // Line1 .. Line42
    fw::Label* Label(int number); // Label1 .. Label10

    // The design table, for a view that draws this diagram elsewhere.
    static fw::Design table();

protected:
    fw::Design design() const override;
    bool isDrawing() const override { return true; }
    void wire() override;
    void Form_Load() override;

private:
    void Picture1_Click();
    void cmdReturn_Click();
    void cmdQuit_Click();
};
