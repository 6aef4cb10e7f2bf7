#include "calculators/frmFreq.h"

#include "app/placement.h"
#include "calculators/channelplan.h"
#include "diagrams/frmUHF.h"
#include "diagrams/frmVHF.h"
#include "runtime/services.h"

using namespace fw;

frmFreq::frmFreq()
    : Form(QStringLiteral("frmFreq"), QStringLiteral("Channel?Frequency Convertor"), QSize(9795, 6495))
{}

Design frmFreq::design() const
{
    return {
        command("Command1", "Return - UHF", 5760, 4830, 1575, 405),
        command("cmdQuit", "Return - VHF", 3480, 4800, 1635, 480),
        command("cmdClear", "Clear", 1860, 4785, 1170, 480),
        textBox("Text8", "", 5295, 870, 465, 300).says("Channel Number"),
        textBox("Text7", "", 3210, 4095, 2970, 330).says("Local oscillator frequency"),
        textBox("Text6", "", 5535, 3405, 405, 315).says("Upper edge of the channel"),
        textBox("Text5", "", 3345, 3405, 405, 315).says("Lower edge of the channel"),
        textBox("Text4", "", 5955, 2505, 2445, 330).says("Sound carrier"),
        textBox("Text3", "", 5205, 1830, 2190, 285).says("Color carrier"),
        textBox("Text2", "", 3480, 1440, 2415, 285).says("Centre frequency"),
        textBox("Text1", "", 1470, 1800, 2385, 285).says("Video carrier"),
        picture("Picture1", ":/assets/channel-spectrum.svg", 3480, 2160, 2175, 1095)
            .says("The spectrum of a TV channel: its edges, video, color and sound carriers"),
        line("Line6", 1530, 30, 1680, 0).in("Picture1"),
        line("Line4", 1035, 120, 1035, 0).in("Picture1"),
        line("Line2", 480, 0, 360, 0).in("Picture1"),
        line("Line1", 480, 0, 360, 0).in("Picture1"),
        label("Label3", "TV Channel Frequencies", 2325, 165, 4500, 570).bold(18).fore(colors::darkBlue),
        label("Label2", "Enter Channel Number", 2880, 885, 2460, 285),
        label("Label1", "Channel Spectrum", 3900, 3375, 1515, 570).fore(colors::blue).centred(),
        line("Line8", 5880, 2595, 5610, 2430),
        line("Line7", 5145, 1950, 5040, 2220),
        line("Line5", 4545, 1740, 4545, 2175),
        line("Line3", 3810, 1950, 4095, 2235),
    };
}

void frmFreq::wire()
{
    connect(Text8(), &TextBox::KeyPress, this, &frmFreq::Text8_KeyPress);
    connect(cmdClear(), &CommandButton::Click, this, &frmFreq::cmdClear_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmFreq::cmdQuit_Click);
    connect(Command1(), &CommandButton::Click, this, &frmFreq::Command1_Click);
}

void frmFreq::Form_Load()
{
    place(*this);
}

// Every time the screen comes to the front the user can type a channel straight away.
void frmFreq::Form_Activate()
{
    Text8()->setFocus();
}

void frmFreq::Text8_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    const calculators::ChannelReading reading = calculators::readChannel(Text8()->Text());
    if (reading.channel)
        m_channel = *reading.channel;
    if (!reading.centre) {
        services().MsgBox(reading.rejection, calculators::kChannelOutOfRange);
        cmdClear_Click();
        return;
    }
    m_centre = static_cast<std::int16_t>(*reading.centre);
    const calculators::ChannelFrequencies out = calculators::channelFrequencies(m_centre);
    Text5()->setText(out.lowerEdge);
    Text6()->setText(out.upperEdge);
    Text1()->setText(out.videoCarrier);
    Text3()->setText(out.colorCarrier);
    Text4()->setText(out.soundCarrier);
    Text2()->setText(out.centre);
    Text7()->setText(out.oscillator);
}

void frmFreq::cmdClear_Click()
{
    for (TextBox* box : {Text1(), Text2(), Text3(), Text4(), Text5(), Text6(), Text7(), Text8()})
        box->setText(QString());
}

void frmFreq::cmdQuit_Click()
{
    frmVHF::get().Show();
    Unload();
}

void frmFreq::Command1_Click()
{
    frmUHF::get().Show();
    Unload();
}
