#include "calculators/frmFormulas.h"

#include "runtime/convert.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <QCoreApplication>

using namespace fw;
namespace formulas = fw::formulas;

namespace {

void error(const QString& message)
{
    services().MsgBox(message, QCoreApplication::translate("frmFormulas", "Error"));
}
} // namespace

frmFormulas::frmFormulas()
    : Form(QStringLiteral("frmFormulas"), QT_TR_NOOP("Electronic Formulas"), QSize(11640, 7200))
{}

Design frmFormulas::design() const
{
    return {
        frame("Frame1", QT_TR_NOOP("Ohm's Law"), 0, 0, 3735, 3135).fore(colors::darkRed),
        textBox("Text1", "", 240, 840, 2415, 375).in("Frame1").says(QT_TR_NOOP("Ohm's law volts")),
        textBox("Text2", "", 240, 1500, 2415, 375).in("Frame1").says(QT_TR_NOOP("Ohm's law amps")),
        textBox("Text3", "", 240, 2160, 2415, 375).in("Frame1").says(QT_TR_NOOP("Ohm's law ohms")),
        command("Command1", QT_TR_NOOP("Clear"), 1200, 2640, 1215, 375).in("Frame1"),
        label("Label1", QT_TR_NOOP("Volts"), 2760, 840, 735, 375).in("Frame1"),
        label("Label2", QT_TR_NOOP("Amps"), 2760, 1560, 855, 375).in("Frame1"),
        label("Label3", QT_TR_NOOP("Ohms"), 2760, 2160, 735, 375).in("Frame1"),
        label("Label4", QT_TR_NOOP("Enter any two values"), 240, 360, 2175, 255).in("Frame1"),
        frame("Frame2", QT_TR_NOOP("Power"), 4080, 0, 3495, 3135).fore(colors::darkRed),
        textBox("Text4", "", 120, 840, 2415, 375).in("Frame2").says(QT_TR_NOOP("Power volts")),
        textBox("Text5", "", 120, 1440, 2415, 375).in("Frame2").says(QT_TR_NOOP("Power amps")),
        textBox("Text6", "", 120, 2040, 2415, 375).in("Frame2").says(QT_TR_NOOP("Power watts")),
        command("cmdClear", QT_TR_NOOP("Clear"), 1200, 2640, 975, 375).in("Frame2"),
        label("Label5", QT_TR_NOOP("Enter any two values"), 360, 360, 2535, 255).in("Frame2"),
        label("Label6", QT_TR_NOOP("Volts"), 2640, 840, 615, 375).in("Frame2"),
        label("Label7", QT_TR_NOOP("Amps"), 2640, 1440, 615, 375).in("Frame2"),
        label("Label8", QT_TR_NOOP("Watts"), 2640, 2040, 735, 255).in("Frame2"),
        frame("Frame3", QT_TR_NOOP("Frequency"), 7920, 0, 3495, 3495).fore(colors::darkRed),
        textBox("Text7", "", 120, 720, 2295, 375).in("Frame3").says(QT_TR_NOOP("Capacitance in picofarads")),
        textBox("Text8", "", 120, 1320, 2295, 375)
            .in("Frame3")
            .says(QT_TR_NOOP("Inductance in microhenries")),
        textBox("Text9", "", 120, 1920, 2295, 375)
            .in("Frame3")
            .says(QT_TR_NOOP("Resonant frequency in megahertz")),
        textBox("Text10", "", 120, 2520, 2295, 375).in("Frame3").says(QT_TR_NOOP("Wavelength in meters")),
        command("Command2", QT_TR_NOOP("Clear"), 1200, 3000, 1095, 375).in("Frame3"),
        label("Label9", QT_TR_NOOP("Pfd."), 2520, 720, 855, 375).in("Frame3"),
        label("Label10", QT_TR_NOOP("Mhy."), 2520, 1320, 855, 375).in("Frame3"),
        label("Label11", QT_TR_NOOP("Mhz."), 2520, 2040, 855, 375).in("Frame3"),
        label("Label15", QT_TR_NOOP("Enter any two values except Mtrs and Mhz"), 240, 240, 2775, 375)
            .in("Frame3"),
        label("Label16", QT_TR_NOOP("Mtrs."), 2520, 2520, 735, 375).in("Frame3"),
        frame("Frame4", QT_TR_NOOP("Reactance"), 0, 3480, 3975, 3255).fore(colors::darkRed),
        option("Option1", QT_TR_NOOP("Capacitive"), 120, 360, 1575, 195).in("Frame4"),
        option("Option2", QT_TR_NOOP("Inductive"), 1920, 360, 1455, 255).in("Frame4"),
        textBox("Text11", "", 120, 1080, 1935, 375)
            .in("Frame4")
            .says(QT_TR_NOOP("Capacitance or inductance")),
        textBox("Text12", "", 120, 1680, 1935, 375).in("Frame4").says(QT_TR_NOOP("Frequency in megahertz")),
        textBox("Text13", "", 120, 2280, 1935, 375).in("Frame4").says(QT_TR_NOOP("Reactance in ohms")),
        command("Command3", QT_TR_NOOP("Clear"), 1320, 2760, 1335, 375).in("Frame4"),
        label("Label18", "", 2160, 1080, 1695, 375).says(QT_TR_NOOP("Unit")).in("Frame4"),
        label("Label19", QT_TR_NOOP("Frequency(Mhz)"), 2160, 1800, 1695, 375).in("Frame4"),
        label("Label20", QT_TR_NOOP("Reactance (ohms)"), 2160, 2400, 1695, 375).in("Frame4"),
        label("Label21", QT_TR_NOOP("Enter any two values"), 240, 720, 2895, 375).in("Frame4"),
        command("Command4", QT_TR_NOOP("Return"), 8640, 5280, 1095, 495),
        frame("Frame5", QT_TR_NOOP("Parallel Resistors & Series Capacitors"), 4080, 3480, 3495, 3255)
            .fore(colors::darkRed),
        option("Option3", QT_TR_NOOP("Resistors"), 120, 360, 1575, 195).in("Frame5"),
        option("Option4", QT_TR_NOOP("Capacitors"), 1920, 360, 1335, 255).in("Frame5"),
        textBox("Text14", "", 240, 840, 615, 375).in("Frame5").says(QT_TR_NOOP("Total quantity")),
        textBox("Text15", "", 240, 1440, 1215, 375).in("Frame5").says(QT_TR_NOOP("Value")),
        textBox("Text16", "", 240, 2040, 2175, 375).in("Frame5").says(QT_TR_NOOP("Total")),
        command("Command5", QT_TR_NOOP("Clear"), 1320, 2760, 1095, 375).in("Frame5"),
        label("Label22", QT_TR_NOOP("Total Quantity"), 960, 840, 1215, 375).in("Frame5"),
        label("Label23", QT_TR_NOOP("Enter value for each"), 1680, 1440, 1215, 375).in("Frame5"),
        label("Label24", QT_TR_NOOP("Total"), 2640, 2160, 735, 255).in("Frame5"),
        label("Label12", QT_TR_NOOP("Pfd. - Picofarad -  Capacitance"), 7920, 3600, 3015, 255),
        label("Label13", QT_TR_NOOP("Mhy. - Microhenry - Inductance"), 7920, 3795, 2775, 255),
        label("Label14", QT_TR_NOOP("Mhz. - Megahertz - Frequency"), 7920, 4005, 3015, 255),
        label("Label17", QT_TR_NOOP("Mtrs. - Meters - Wavelength"), 7920, 4200, 3015, 255),
    };
}

void frmFormulas::wire()
{
    connect(Text1(), &TextBox::KeyPress, this, &frmFormulas::Text1_KeyPress);
    connect(Text2(), &TextBox::KeyPress, this, &frmFormulas::Text2_KeyPress);
    connect(Text3(), &TextBox::KeyPress, this, &frmFormulas::Text3_KeyPress);
    connect(Command1(), &CommandButton::Click, this, &frmFormulas::Command1_Click);
    connect(Text4(), &TextBox::KeyPress, this, &frmFormulas::Text4_KeyPress);
    connect(Text5(), &TextBox::KeyPress, this, &frmFormulas::Text5_KeyPress);
    connect(Text6(), &TextBox::KeyPress, this, &frmFormulas::Text6_KeyPress);
    connect(cmdClear(), &CommandButton::Click, this, &frmFormulas::cmdClear_Click);
    connect(Text7(), &TextBox::KeyPress, this, &frmFormulas::Text7_KeyPress);
    connect(Text8(), &TextBox::KeyPress, this, &frmFormulas::Text8_KeyPress);
    connect(Text9(), &TextBox::KeyPress, this, &frmFormulas::Text9_KeyPress);
    connect(Text10(), &TextBox::KeyPress, this, &frmFormulas::Text10_KeyPress);
    connect(Command2(), &CommandButton::Click, this, &frmFormulas::Command2_Click);
    connect(Option1(), &OptionButton::Click, this, &frmFormulas::Option1_Click);
    connect(Option2(), &OptionButton::Click, this, &frmFormulas::Option2_Click);
    connect(Text11(), &TextBox::KeyPress, this, &frmFormulas::Text11_KeyPress);
    connect(Text12(), &TextBox::KeyPress, this, &frmFormulas::Text12_KeyPress);
    connect(Text13(), &TextBox::KeyPress, this, &frmFormulas::Text13_KeyPress);
    connect(Command3(), &CommandButton::Click, this, &frmFormulas::Command3_Click);
    connect(Command4(), &CommandButton::Click, this, &frmFormulas::Command4_Click);
    connect(Option3(), &OptionButton::Click, this, &frmFormulas::Option3_Click);
    connect(Option4(), &OptionButton::Click, this, &frmFormulas::Option4_Click);
    connect(Text14(), &TextBox::KeyPress, this, &frmFormulas::Text14_KeyPress);
    connect(Text15(), &TextBox::KeyPress, this, &frmFormulas::Text15_KeyPress);
    connect(Command5(), &CommandButton::Click, this, &frmFormulas::Command5_Click);
}

void frmFormulas::Form_Load()
{
    place(*this, 100);
    // Capacitive is the mode a fresh screen starts in, and its unit label says so from the start.
    Option1()->setValue(true);
    Label18()->setCaption(tr("Capacitance (pfd)"));
    m_ohm = {};
    m_power = {};
    m_resonance = {};
    m_reactance = {};
    m_series = {};
    m_suffix.clear();
}

void frmFormulas::Text1_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc(formulas::ohm::Volts);
}

void frmFormulas::Text2_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc(formulas::ohm::Amps);
}

void frmFormulas::Text3_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc(formulas::ohm::Ohms);
}

void frmFormulas::Text4_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc1(formulas::power::Volts);
}

void frmFormulas::Text5_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc1(formulas::power::Amps);
}

void frmFormulas::Text6_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc1(formulas::power::Watts);
}

void frmFormulas::Text7_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc2(formulas::resonance::Capacitance);
}

void frmFormulas::Text8_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc2(formulas::resonance::Inductance);
}

void frmFormulas::Text9_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc2(formulas::resonance::Frequency);
}

void frmFormulas::Text10_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc2(formulas::resonance::Wavelength);
}

void frmFormulas::Text11_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc3(formulas::reactance::Component);
}

void frmFormulas::Text12_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc3(formulas::reactance::Frequency);
}

void frmFormulas::Text13_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        calc3(formulas::reactance::Reactance);
}

void frmFormulas::calc(int entered)
{
    enter(m_ohm, formulas::ohmsLawRules(), ohmBoxes(), entered);
}

void frmFormulas::calc1(int entered)
{
    enter(m_power, formulas::powerRules(), powerBoxes(), entered);
}

void frmFormulas::calc2(int entered)
{
    enter(m_resonance, formulas::resonanceRules(), resonanceBoxes(), entered);
}

// The mode is read from the option buttons at each entry; the stored component value is taken in the unit
// of the mode in force.
void frmFormulas::calc3(int entered)
{
    static const formulas::Rules noMode;
    const formulas::Rules& rules = Option1()->Value()   ? formulas::capacitiveRules()
                                   : Option2()->Value() ? formulas::inductiveRules()
                                                        : noMode;
    enter(m_reactance, rules, reactanceBoxes(), entered);
}

void frmFormulas::enter(Group& group, const formulas::Rules& rules, const std::vector<TextBox*>& boxes,
                        int entered)
{
    TextBox* box = boxes[static_cast<std::size_t>(entered)];
    QString& held = group.shown[static_cast<std::size_t>(entered)];
    const auto value = convert::toDouble(box->Text());
    if (!value) {
        refuse(tr("Please enter a number"), box, held);
        return;
    }
    const formulas::Outcome outcome = formulas::enter(rules, group.values, entered, *value);
    switch (outcome.status) {
    case formulas::Status::Nothing:
        held = box->Text();
        break;
    case formulas::Status::Computed:
        held = box->Text();
        for (const formulas::Written& written : outcome.written) {
            boxes[static_cast<std::size_t>(written.quantity)]->setText(written.text);
            group.shown[static_cast<std::size_t>(written.quantity)] = written.text;
        }
        break;
    case formulas::Status::TooLarge:
        refuse(tr("The result is too large"), box, held);
        break;
    case formulas::Status::NegativeProduct:
        refuse(tr("Inductance and capacitance must both be positive"), box, held);
        break;
    }
}

// Says why the entry was refused, then shows in its box what the calculation still holds.
void frmFormulas::refuse(const QString& message, TextBox* box, const QString& held)
{
    error(message);
    box->setText(held);
}

void frmFormulas::clear(Group& group, const std::vector<TextBox*>& boxes)
{
    for (TextBox* box : boxes)
        box->setText(QString());
    group = {};
}

void frmFormulas::Command1_Click()
{
    clear(m_ohm, ohmBoxes());
}

void frmFormulas::cmdClear_Click()
{
    clear(m_power, powerBoxes());
}

void frmFormulas::Command2_Click()
{
    clear(m_resonance, resonanceBoxes());
}

// The mode and its unit label stay as they are.
void frmFormulas::Command3_Click()
{
    clear(m_reactance, reactanceBoxes());
}

// Changing the mode computes nothing: the stored component value is read in the new unit at the next entry.
void frmFormulas::Option1_Click()
{
    Label18()->setCaption(tr("Capacitance (pfd)"));
}

void frmFormulas::Option2_Click()
{
    Label18()->setCaption(tr("Inductance (mhy)"));
}

void frmFormulas::Option3_Click()
{
    m_suffix = tr(" Ohms");
}

void frmFormulas::Option4_Click()
{
    m_suffix = tr(" MFD");
}

// Runs on every key typed into the quantity box, not only on Enter.
void frmFormulas::Text14_KeyPress(int keyAscii)
{
    if (!Option3()->Value() && !Option4()->Value()) {
        Text14()->setText(QString());
        services().MsgBox(tr("Please select either Resistor or Capacitor"), tr("Select component"));
    }
    if (!Text16()->Text().isEmpty()) { // a total is on show: a new calculation starts with Clear
        Command5()->setFocus();
        return;
    }
    if (keyAscii != 13 || Text14()->Text().isEmpty())
        return;
    const auto count = formulas::quantity(Text14()->Text());
    if (!count) {
        refuse(tr("Enter how many values, from 1 to 32767"), Text14(), remainingText());
        return;
    }
    m_series.remaining = *count;
    Text15()->setFocus();
}

void frmFormulas::Text15_KeyPress(int keyAscii)
{
    if (keyAscii != 13 || !Text16()->Text().isEmpty())
        return;
    const formulas::Addition added = formulas::addValue(m_series, convert::toDouble(Text15()->Text()));
    switch (added.status) {
    case formulas::Added::NoQuantity:
        refuse(tr("Enter the total quantity first"), Text15(), QString());
        return;
    case formulas::Added::NotPositive:
        refuse(tr("Enter a value greater than zero"), Text15(), QString());
        return;
    case formulas::Added::TooLarge:
        refuse(tr("The result is too large"), Text15(), QString());
        return;
    case formulas::Added::Counted:
        Text14()->setText(remainingText());
        Text15()->setText(QString());
        Text15()->setFocus();
        return;
    case formulas::Added::Total:
        Text16()->setText(formulas::totalText(added.total, m_suffix));
        Text14()->setText(QString());
        Text15()->setText(QString());
        Command5()->setFocus();
        return;
    }
}

// The count of values still to come, as the quantity box shows it; empty when none is awaited.
QString frmFormulas::remainingText() const
{
    return m_series.remaining == 0 ? QString() : QString::number(m_series.remaining);
}

// The kind and its suffix stay, and the focus does not move.
void frmFormulas::Command5_Click()
{
    Text14()->setText(QString());
    Text15()->setText(QString());
    Text16()->setText(QString());
    m_series = {};
}

void frmFormulas::Command4_Click()
{
    fw::showMainMenu();
    Unload();
}
