#pragma once

#include "runtime/screen.h"

#include <cstdint>

// The front end diagram: antennas, tuners, video IF and detector, sound IF and audio chain, AGC. On load it
// reads the sound and picture problems screens to mark the problem areas and to know where Return leads.
// The two tuner boxes open the tuner pages.
class frmFront : public fw::Form<frmFront>
{
public:
    frmFront();

    FW_CONTROL(Frame, Frame1)
    FW_CONTROL(Label, Label9)
    FW_CONTROL(Label, Label8)
    FW_CONTROL(Label, Shape5) // legend swatch: a bordered square in light cyan
    FW_CONTROL(Label, Shape4) // legend swatch: a bordered square in red
    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(TextArea, Text14)
    FW_CONTROL(TextArea, Text13)
    FW_CONTROL(TextArea, Text12)
    FW_CONTROL(PictureBox, Picture1)
    FW_CONTROL(TextArea, Text11)
    FW_CONTROL(TextArea, Text10)
    FW_CONTROL(TextArea, Text9)
    FW_CONTROL(TextArea, Text8)
    FW_CONTROL(TextArea, Text7)
    FW_CONTROL(TextArea, Text6)
    FW_CONTROL(TextArea, Text5)
    FW_CONTROL(TextArea, Text4)
    FW_CONTROL(TextArea, Text3)
    FW_CONTROL(TextArea, Text2) // VHF Tuner
    FW_CONTROL(TextArea, Text1) // UHF Tuner
    FW_CONTROL(Label, Label7)
    FW_CONTROL(Label, Label6)
    FW_CONTROL(Label, Label5)
    FW_CONTROL(Label, Label4)
    FW_CONTROL(Label, Label3)
    FW_CONTROL(Shape, Shape3) // AGC control
    FW_CONTROL(Shape, Shape2) // delay control
    FW_CONTROL(Shape, Shape1) // volume control
    FW_CONTROL(Label, Label2)
    FW_CONTROL(Label, Label1)

    // Which screen led here, as read at load: it chooses the highlights and the target of Return.
    enum Origin : std::int16_t { None = 0, SoundPoorPicture = 2, SoundPictureOK = 3, Picture = 4 };

    // The design table, for a view that draws this diagram elsewhere.
    static fw::Design table();

protected:
    fw::Design design() const override;
    bool isDrawing() const override { return true; }
    void wire() override;
    void Form_Load() override;

private:
    void Text1_Click();
    void Text2_Click();
    void cmdReturn_Click();
    void cmdQuit_Click();

    std::int16_t m_pictureCode = 0; // frmPicture.txtA at load; 0 when no picture problem led here
    std::int16_t m_origin = None;
};
