#include "calculators/frmFreq.h"

#include "calculators/channelplan.h"
#include "diagrams/frmUHF.h"
#include "diagrams/frmVHF.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

using namespace fw;

namespace {
QStringList planNames()
{
    QStringList names;
    for (const calculators::ChannelPlan& plan : calculators::channelPlans())
        names << QCoreApplication::translate("calculators::Channels", plan.name);
    return names;
}

} // namespace

frmFreq::frmFreq()
    : Form(QStringLiteral("frmFreq"), QT_TR_NOOP("Channel?Frequency Convertor"), QSize(9795, 10110))
{}

Design frmFreq::design() const
{
    return {
        command("Command1", QT_TR_NOOP("Return - UHF"), 5760, 4830, 1575, 405),
        command("cmdQuit", QT_TR_NOOP("Return - VHF"), 3480, 4800, 1635, 480),
        command("cmdClear", QT_TR_NOOP("Clear"), 1860, 4785, 1170, 480),
        textBox("Text8", "", 5295, 870, 465, 300).says(QT_TR_NOOP("Channel Number")),
        textBox("Text7", "", 3210, 4095, 2970, 330).says(QT_TR_NOOP("Local oscillator frequency")),
        textBox("Text6", "", 5535, 3405, 405, 315).says(QT_TR_NOOP("Upper edge of the channel")),
        textBox("Text5", "", 3345, 3405, 405, 315).says(QT_TR_NOOP("Lower edge of the channel")),
        textBox("Text4", "", 5955, 2505, 2445, 330).says(QT_TR_NOOP("Sound carrier")),
        textBox("Text3", "", 5205, 1830, 2190, 285).says(QT_TR_NOOP("Color carrier")),
        textBox("Text2", "", 3480, 1440, 2415, 285).says(QT_TR_NOOP("Centre frequency")),
        textBox("Text1", "", 1470, 1800, 2385, 285).says(QT_TR_NOOP("Video carrier")),
        picture("Picture1", ":/assets/channel-spectrum.svg", 3480, 2160, 2175, 1095)
            .says(QT_TR_NOOP("The spectrum of a TV channel: its edges, video, color and sound carriers")),
        line("Line6", 1530, 30, 1680, 0).in("Picture1"),
        line("Line4", 1035, 120, 1035, 0).in("Picture1"),
        line("Line2", 480, 0, 360, 0).in("Picture1"),
        line("Line1", 480, 0, 360, 0).in("Picture1"),
        label("Label3", QT_TR_NOOP("TV Channel Frequencies"), 2325, 165, 4500, 570)
            .bold(18)
            .fore(colors::darkBlue),
        label("Label2", QT_TR_NOOP("Enter Channel Number"), 2880, 885, 2460, 285),
        label("Label1", QT_TR_NOOP("Channel Spectrum"), 3900, 3375, 1515, 570).fore(colors::blue).centred(),
        line("Line8", 5880, 2595, 5610, 2430),
        line("Line7", 5145, 1950, 5040, 2220),
        line("Line5", 4545, 1740, 4545, 2175),
        line("Line3", 3810, 1950, 4095, 2235),
        // Beside the converter as it always was, in the room it left free: the plan, its sketch to the
        // left of the strip, the channel in full to the right.
        combo("cboSystem", "", 5940, 870, 3705, 315).items(planNames()).says(QT_TR_NOOP("Channel plan")),
        label("lblSpectrum", "", 120, 2250, 3060, 2400)
            .says(QT_TR_NOOP("The chosen plan's channel, to scale, with its offsets")),
        label("lblChannel", "", 6240, 2955, 3435, 1755)
            .says(QT_TR_NOOP("The chosen plan, or the channel converted, in full")),
        // Below it, a frequency looked up in every plan: the list is wide enough for its longest line and
        // tall enough for the 23 lines of a UHF vision carrier.
        label("lblFrequency", QT_TR_NOOP("Frequency (MHz)"), 120, 5430, 1455, 285),
        textBox("txtFrequency", "", 120, 5730, 1455, 300).says(QT_TR_NOOP("Frequency in MHz")),
        listBox("lstFound", 1710, 5400, 7965, 4590).says(QT_TR_NOOP("Channels at that frequency")),
    };
}

void frmFreq::wire()
{
    connect(Text8(), &TextBox::KeyPress, this, &frmFreq::Text8_KeyPress);
    connect(cmdClear(), &CommandButton::Click, this, &frmFreq::cmdClear_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmFreq::cmdQuit_Click);
    connect(Command1(), &CommandButton::Click, this, &frmFreq::Command1_Click);
    connect(cboSystem(), &ComboBox::Click, this, &frmFreq::cboSystem_Click);
    connect(txtFrequency(), &TextBox::KeyPress, this, &frmFreq::txtFrequency_KeyPress);
    for (TextBox* edge : {Text5(), Text6()})
        connect(edge, &QLineEdit::textChanged, this, [this, edge] { fitEdge(edge); });
}

void frmFreq::Form_Load()
{
    place(*this);
    cboSystem()->setListIndex(0);
    cboSystem_Click();
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
    const calculators::ChannelLookup found = lookUpTyped();
    if (!found.channel) {
        services().MsgBox(found.rejection, calculators::kChannelOutOfRange);
        clearChannel();
        return;
    }
    showChannel(*found.channel);
}

// The channel typed in Text8, in the chosen plan. US broadcast channels are numbers, read as the converter
// always read them (13.5 is 14); the channels of other plans have names ("E2", "5A", "DS12").
calculators::ChannelLookup frmFreq::lookUpTyped()
{
    const calculators::ChannelPlan& plan = currentPlan();
    if (&plan != &calculators::channelPlans()[0])
        return calculators::findChannel(plan, Text8()->Text());
    const calculators::ChannelReading reading = calculators::readChannel(Text8()->Text());
    if (reading.channel)
        m_channel = *reading.channel;
    if (!reading.centre)
        return {std::nullopt, reading.rejection};
    return calculators::findChannel(plan, QString::number(m_channel));
}

// The channel's figures in the converter's boxes, and everything else about it in the sentence beside them.
void frmFreq::showChannel(const calculators::Channel& channel)
{
    m_centre = static_cast<std::int16_t>(std::lround(channel.centre()));
    const calculators::ChannelFrequencies out = calculators::channelFrequencies(channel);
    Text5()->setText(out.lowerEdge);
    Text6()->setText(out.upperEdge);
    Text1()->setText(out.videoCarrier);
    Text3()->setText(out.colorCarrier);
    Text4()->setText(out.soundCarrier);
    Text2()->setText(out.centre);
    Text7()->setText(out.oscillator);
    for (TextBox* box : {Text1(), Text2(), Text3(), Text4(), Text5(), Text6(), Text7()})
        box->setCursorPosition(0);
    lblChannel()->setCaption(calculators::channelDetails(channel));
    drawSpectrum(*channel.plan->system, channel.width);
}

// The edge boxes were sized for the whole MHz of the US plan. A figure with decimals widens its box about
// the box's centre, so that it still sits under the strip's edge and no digit is cut; an empty box or a
// figure that fits keeps the design width.
void frmFreq::fitEdge(TextBox* box)
{
    QRect designed;
    for (const Ctl& c : design())
        if (c.name == box->objectName())
            designed = QRect(toPixels(c.rect.x()), toPixels(c.rect.y()), toPixels(c.rect.width()),
                             toPixels(c.rect.height()));
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = QRect(QPoint(), designed.size());
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    // The box keeps two pixels of its own on either side of the text, and one more for rounding.
    const int chrome = designed.width() - room.width() + margins.left() + margins.right() + 2 * 2 + 1;
    const int needed = int(std::ceil(box->fontMetrics().horizontalAdvance(box->text()))) + chrome;
    const int width = std::max(designed.width(), needed);
    box->setGeometry(designed.center().x() - width / 2, designed.y(), width, designed.height());
}

const calculators::ChannelPlan& frmFreq::currentPlan()
{
    return calculators::channelPlans()[std::size_t(std::max(0, cboSystem()->ListIndex()))];
}

// Another plan: the sketch and the note are the new plan's, and the channel typed is converted on it, or
// the note says that the plan has no such channel.
void frmFreq::cboSystem_Click()
{
    const int index = cboSystem()->ListIndex();
    if (index < 0)
        return;
    const calculators::ChannelPlan& plan = calculators::channelPlans()[std::size_t(index)];
    for (TextBox* box : {Text1(), Text2(), Text3(), Text4(), Text5(), Text6(), Text7()})
        box->setText(QString());
    const std::vector<calculators::Channel> channels = calculators::channelsOf(plan);
    drawSpectrum(*plan.system, channels.front().width);
    lblChannel()->setCaption(
        tr("%1: channels %2. %3")
            .arg(QCoreApplication::translate("calculators::Channels", plan.name),
                 QCoreApplication::translate("calculators::Channels", plan.channels),
                 *plan.note ? QCoreApplication::translate("calculators::Channels", plan.note) : QString())
            .trimmed());
    if (Text8()->Text().trimmed().isEmpty())
        return;
    const calculators::ChannelLookup found = lookUpTyped();
    if (found.channel)
        showChannel(*found.channel);
    else
        lblChannel()->setCaption(found.rejection);
}

// The sketch is drawn for the plan's system and the width of the channel in hand, so that it is to scale.
void frmFreq::drawSpectrum(const calculators::TvSystem& system, double mhzWide)
{
    Label* box = lblSpectrum();
    const QSize size = box->size();
    QSvgRenderer renderer(calculators::spectrumSvg(system, mhzWide, size.width(), size.height()).toUtf8());
    const qreal ratio = box->devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    box->setPixmap(pixmap);
}

void frmFreq::txtFrequency_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    const calculators::FrequencyReading reading = calculators::readFrequency(txtFrequency()->Text());
    lstFound()->clear();
    if (!reading.mhz) {
        services().MsgBox(reading.rejection, tr("Error"));
        return;
    }
    // The chosen plan's channels first: they are the ones the technician is most likely after.
    std::vector<calculators::FrequencyHit> hits = calculators::channelsAt(*reading.mhz);
    const calculators::ChannelPlan* chosen = &currentPlan();
    std::stable_partition(hits.begin(), hits.end(), [chosen](const calculators::FrequencyHit& hit) {
        return hit.channel.plan == chosen;
    });
    if (hits.empty())
        lstFound()->addItem(tr("No channel of any plan is at %1 MHz").arg(txtFrequency()->Text().trimmed()));
    for (const calculators::FrequencyHit& hit : hits) {
        const QString line = calculators::hitText(hit);
        lstFound()->addItem(line);
        lstFound()->item(lstFound()->count() - 1)->setToolTip(line);
    }
}

// A refused channel leaves nothing of the last one on show: its figures and its sentence go.
void frmFreq::clearChannel()
{
    for (TextBox* box : {Text1(), Text2(), Text3(), Text4(), Text5(), Text6(), Text7(), Text8()})
        box->setText(QString());
    lblChannel()->setCaption(QString());
}

void frmFreq::cmdClear_Click()
{
    clearChannel();
    txtFrequency()->setText(QString());
    lstFound()->clear();
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
