#include "calculators/frmCodes.h"

#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <QCoreApplication>

using namespace fw;
using colorcode::Color;

namespace {
QString swatchName(int index)
{
    return QStringLiteral("Text%1").arg(index + 1);
}

QColor rgb(const colorcode::Swatch& s)
{
    return QColor(s.rgb.red, s.rgb.green, s.rgb.blue);
}

constexpr int kSwatchLeft = 960;
constexpr int kSwatchStep = 600;
} // namespace

frmCodes::frmCodes() : Form(QStringLiteral("frmCodes"), QT_TR_NOOP("Color Codes"), QSize(9465, 7500)) {}

Design frmCodes::design() const
{
    Design d{
        picture("Picture1", ":/assets/resistor.svg", 960, 2880, 8175, 3855)
            .says(QT_TR_NOOP("A resistor with four color bands, each band explained")),
        option("Option2", QT_TR_NOOP("Capacitor"), 5880, 120, 1335, 375)
            .bold(9.75)
            .fore(colors::white)
            .back(colors::black),
        option("Option1", QT_TR_NOOP("Resistor"), 1080, 120, 1215, 375)
            .bold(9.75)
            .fore(colors::white)
            .back(colors::black),
        command("cmdReturn", QT_TR_NOOP("Return"), 4440, 6960, 1095, 375).bold(8.25),
        textBox("Text15", "", 6240, 2280, 1335, 375).says(QT_TR_NOOP("Voltage Rating")).bold(9.75).readOnly(),
        textBox("Text14", "", 4560, 2280, 1335, 375).says(QT_TR_NOOP("Tolerance")).bold(9.75).readOnly(),
        textBox("Text13", "", 1440, 2280, 2775, 375).says(QT_TR_NOOP("Value")).bold(9.75).readOnly(),
        command("cmdDone", QT_TR_NOOP("Done"), 3840, 1560, 1095, 375).bold(8.25),
    };
    // The swatches, solid blocks of their colours, Text12 (silver) first as in the design order.
    for (int i = colorcode::kColors - 1; i >= 0; --i) {
        const QColor color = rgb(colorcode::swatches()[static_cast<std::size_t>(i)]);
        d.push_back(
            label(swatchName(i), "", kSwatchLeft + i * kSwatchStep, 960, 495, 525).back(color).fore(color));
    }
    // Two arrows from "Select": left to "Resistor", right to "Capacitor", and a rule under the word.
    d.insert(d.end(),
             {
                 line("Line7", 4200, 390, 4860, 390),
                 line("Line6", 5760, 300, 5580, 180),
                 line("Line5", 5760, 300, 5580, 420),
                 line("Line4", 4980, 300, 5760, 300),
                 line("Line3", 2400, 300, 2580, 180),
                 line("Line2", 2400, 300, 2580, 420),
                 line("Line1", 4080, 300, 2400, 300),
                 label("Label5", QT_TR_NOOP("Select"), 4200, 120, 735, 255).bold(9.75),
                 label("Label4",
                       QT_TR_NOOP(
                           "Click the color code boxes in sequence. Upon completion, click done for valuse."),
                       960, 600, 8175, 255)
                     .bold(8.25),
                 label("Label3", QT_TR_NOOP("Voltage Rating"), 6240, 2040, 1335, 255).bold(8.25),
                 label("Label2", QT_TR_NOOP("Tolerance"), 4560, 2040, 1335, 255).bold(8.25),
                 label("Label1", QT_TR_NOOP("Value"), 1440, 2040, 2775, 255).bold(8.25),
             });
    return d;
}

Label* frmCodes::swatch(Color color)
{
    return control<Label>(swatchName(static_cast<int>(color)));
}

void frmCodes::wire()
{
    for (int i = 0; i < colorcode::kColors; ++i) {
        const auto color = static_cast<Color>(i);
        Label* box = swatch(color);
        // Named for screen readers, and reachable from the keyboard (Space or Enter enters the band).
        const QString name =
            QCoreApplication::translate("calculators::Colours", colorcode::swatch(color).name);
        box->setAccessibleName(name);
        box->setToolTip(name);
        box->setFocusPolicy(Qt::StrongFocus);
        connect(box, &Label::Click, this, [this, color] { Text_Click(color); });
    }
    connect(cmdDone(), &CommandButton::Click, this, &frmCodes::cmdDone_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmCodes::cmdReturn_Click);
}

void frmCodes::Form_Load()
{
    place(*this);
    m_reader.restart();
    Option1()->setValue(true);
}

void frmCodes::Text_Click(Color color)
{
    if (const auto error = m_reader.enterBand(color))
        services().MsgBox(*error, tr("Error"));
    services().Beep();
}

void frmCodes::cmdDone_Click()
{
    std::optional<colorcode::Part> part;
    if (Option1()->Value())
        part = colorcode::Part::Resistor;
    else if (Option2()->Value())
        part = colorcode::Part::Capacitor;
    if (const auto readout = m_reader.done(part)) {
        Text13()->setText(readout->value);
        Text14()->setText(readout->tolerance);
        Text15()->setText(readout->voltage);
    }
}

void frmCodes::cmdReturn_Click()
{
    fw::showMainMenu();
    Unload();
}
