#pragma once

#include "calculators/channelplan.h"
#include "runtime/screen.h"

#include <cstdint>

// The channel/frequency converter: a channel number typed in Text8 and entered gives the channel's edges,
// centre, carriers and the tuner's oscillator frequency, around a sketch of the channel's spectrum. The
// plan is US broadcast until another is chosen in cboSystem; a frequency typed in txtFrequency lists every
// channel of every plan it falls in, or whose oscillator or image falls on it.
class frmFreq : public fw::Form<frmFreq>
{
public:
    frmFreq();

    FW_CONTROL(CommandButton, Command1)
    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdClear)
    FW_CONTROL(TextBox, Text8)
    FW_CONTROL(TextBox, Text7)
    FW_CONTROL(TextBox, Text6)
    FW_CONTROL(TextBox, Text5)
    FW_CONTROL(TextBox, Text4)
    FW_CONTROL(TextBox, Text3)
    FW_CONTROL(TextBox, Text2)
    FW_CONTROL(TextBox, Text1)
    FW_CONTROL(PictureBox, Picture1)
    FW_CONTROL(Label, Label3)
    FW_CONTROL(Label, Label2)
    FW_CONTROL(Label, Label1)
    FW_CONTROL(ComboBox, cboSystem)
    FW_CONTROL(Label, lblSpectrum)
    FW_CONTROL(Label, lblFrequency)
    FW_CONTROL(TextBox, txtFrequency)
    FW_CONTROL(ListBox, lstFound)
    FW_CONTROL(Label, lblChannel)

    // The screen's own values; they outlive an unload and Clear leaves them alone.
    std::int16_t storedChannel() const { return m_channel; }
    std::int16_t storedCentre() const { return m_centre; }

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Text8_KeyPress(int keyAscii);
    void cmdClear_Click();
    void cmdQuit_Click();
    void Command1_Click();
    void cboSystem_Click();
    void txtFrequency_KeyPress(int keyAscii);
    const calculators::ChannelPlan& currentPlan();
    calculators::ChannelLookup lookUpTyped();
    void showChannel(const calculators::Channel& channel);
    void clearChannel();
    void fitEdge(fw::TextBox* box);
    void drawSpectrum(const calculators::TvSystem& system, double mhzWide);

    std::int16_t m_channel = 0; // the channel number last read from Text8
    std::int16_t m_centre = 0;  // MHz; 0 until a channel of the plan has been converted
};
