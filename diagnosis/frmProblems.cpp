#include "diagnosis/frmProblems.h"

#include "diagnosis/problemcodes.h"
#include "diagnosis/targets.h"
#include "runtime/convert.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

using namespace fw;

namespace {
const char* const kPrompt = QT_TRANSLATE_NOOP("frmProblems", "Problem areas:");

const char* const kMainSymptoms[] = {QT_TRANSLATE_NOOP("frmProblems", "No color or weak color"),
                                     QT_TRANSLATE_NOOP("frmProblems", "Areas predominantly one color"),
                                     QT_TRANSLATE_NOOP("frmProblems", "Colored confetti on B and W picture"),
                                     QT_TRANSLATE_NOOP("frmProblems", "B and W picture outlined in color"),
                                     QT_TRANSLATE_NOOP("frmProblems", "Colors float - No color sync"),
                                     QT_TRANSLATE_NOOP("frmProblems", "Screen predominantly one color")};
const int kMainTops[] = {480, 915, 1350, 1770, 2205, 2640};
const char* const kNestedSymptoms[] = {QT_TRANSLATE_NOOP("frmProblems", "Cyan raster or red rasted"),
                                       QT_TRANSLATE_NOOP("frmProblems", "Magenta raster or green raster"),
                                       QT_TRANSLATE_NOOP("frmProblems", "Yellow raster or blue raster"),
                                       QT_TRANSLATE_NOOP("frmProblems", "Loss of red or excessive red"),
                                       QT_TRANSLATE_NOOP("frmProblems", "Loss of green or excessive green"),
                                       QT_TRANSLATE_NOOP("frmProblems", "Loss of blue or excessive blue")};
const int kNestedTops[] = {240, 684, 1068, 1512, 1956, 2400};

// What each option does to the nested group before it reveals its problem-area control.
struct Reveal
{
    const char* control;
    bool showsNested;  // Option6 opens the nested group
    bool leavesNested; // the nested options themselves keep the group as it is
};
const Reveal kReveals[] = {
    {"Combo1", false, false}, {"Text1", false, false}, {"Combo2", false, false}, {"Text2", false, false},
    {"Combo3", false, false}, {"Text3", true, false},  {"Text4", false, true},   {"Text5", false, true},
    {"Text6", false, true},   {"Text7", false, true},  {"Text8", false, true},   {"Text9", false, true},
};
} // namespace

frmProblems::frmProblems()
    : Form(QStringLiteral("frmProblems"), QT_TR_NOOP("Color Problems"), QSize(10860, 7200))
{}

Design frmProblems::design() const
{
    Design d{
        command("cmdFillB", QT_TR_NOOP("Fill B"), 1440, 6840, 1095, 255).hidden(),
        command("cmdContinue", QT_TR_NOOP("Continue"), 5280, 6600, 1575, 375),
        textBox("txtB", "", 3240, 6720, 735, 285).says(QT_TR_NOOP("Problem code")).hidden(),
        command("cmdQuit", QT_TR_NOOP("Quit"), 9480, 6600, 1215, 375),
        command("cmdReturn", QT_TR_NOOP("Return"), 7560, 6600, 1335, 375),
        textBox("Text9", QT_TR_NOOP("B-Y demodulator"), 5280, 6000, 3015, 375).readOnly().hidden(),
        textBox("Text8", QT_TR_NOOP("G-Y demodulator"), 5280, 5520, 3015, 375).readOnly().hidden(),
        textBox("Text7", QT_TR_NOOP("R-Y demodulator"), 5280, 5040, 3015, 375).readOnly().hidden(),
        textBox("Text6", QT_TR_NOOP("Blue amplifier/driver"), 5280, 4560, 3015, 375).readOnly().hidden(),
        textBox("Text5", QT_TR_NOOP("Green amplifier/driver"), 5280, 4080, 3015, 375).readOnly().hidden(),
        textBox("Text4", QT_TR_NOOP("Red amplifier/driver"), 5280, 3600, 3015, 405).readOnly().hidden(),
        textBox("Text3", QT_TR_NOOP("Adjust tint control"), 5280, 3120, 2655, 375).readOnly().hidden(),
        combo("Combo3", kPrompt, 5280, 2640, 5415, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("3.58 mhz oscillator"), QT_TR_NOOP("Burst gate"),
                    QT_TR_NOOP("Phase detector & oscillator control")})
            .hidden(),
        textBox("Text2", QT_TR_NOOP("Perform convergence adjustments"), 5280, 2160, 4815, 375)
            .readOnly()
            .hidden(),
        combo("Combo2", kPrompt, 5280, 1680, 5415, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Weak signal"), QT_TR_NOOP("Color control advanced too high"),
                    QT_TR_NOOP("Adjust color killer control"), QT_TR_NOOP("Color killer circuit"),
                    QT_TR_NOOP("Phase detector circuit")})
            .hidden(),
        textBox("Text1", QT_TR_NOOP("Degauss picture tube - Purity adjustments"), 5280, 1080, 4695, 375)
            .readOnly()
            .hidden(),
        combo("Combo1", kPrompt, 5280, 480, 5295, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Adjust color control"), QT_TR_NOOP("Adjust color killer circuit"),
                    QT_TR_NOOP("Adjust ACC control"), QT_TR_NOOP("ACC circuit"),
                    QT_TR_NOOP("1st or 2nd chroma amplifiers"), QT_TR_NOOP("Color killer circuit"),
                    QT_TR_NOOP("3.58 mhz oscillator"), QT_TR_NOOP("Phase detector & oscillator control"),
                    QT_TR_NOOP("Phase shift network"), QT_TR_NOOP("Color demodulators")})
            .hidden(),
        frame("Frame1", QT_TR_NOOP("Symptoms"), 240, 360, 4455, 6255).bold(9.75),
        frame("Frame2", "", 720, 3120, 3735, 3135).says(QT_TR_NOOP("Which color")).in("Frame1").hidden(),
    };
    for (int i = 11; i >= 6; --i)
        d.push_back(option(QStringLiteral("Option%1").arg(i + 1), kNestedSymptoms[i - 6], 120,
                           kNestedTops[i - 6], 3495, 240)
                        .in("Frame2"));
    for (int i = 5; i >= 0; --i)
        d.push_back(
            option(QStringLiteral("Option%1").arg(i + 1), kMainSymptoms[i], 240, kMainTops[i], 4095, 240)
                .in("Frame1")
                .bold(8.25));
    d.push_back(label("Label1", QT_TR_NOOP("Select area to troubleshoot:"), 5400, 0, 3855, 360)
                    .bold(12)
                    .fore(colors::blue));
    return d;
}

QStringList frmProblems::tabOrder() const
{
    QStringList order{"Frame1"};
    for (int i = 1; i <= 6; ++i)
        order << QStringLiteral("Option%1").arg(i);
    order << "Frame2";
    for (int i = 7; i <= 12; ++i)
        order << QStringLiteral("Option%1").arg(i);
    order << "Combo1"
          << "Text1"
          << "Combo2"
          << "Text2"
          << "Combo3";
    for (int i = 3; i <= 9; ++i)
        order << QStringLiteral("Text%1").arg(i);
    order << "cmdReturn"
          << "cmdQuit"
          << "txtB"
          << "cmdContinue"
          << "cmdFillB"
          << "Label1";
    return order;
}

OptionButton* frmProblems::Option(int number)
{
    return control<OptionButton>(QStringLiteral("Option%1").arg(number));
}

TextBox* frmProblems::Text(int number)
{
    return control<TextBox>(QStringLiteral("Text%1").arg(number));
}

void frmProblems::wire()
{
    for (int i = 1; i <= 12; ++i)
        connect(Option(i), &OptionButton::Click, this, [this, i] { Option_Click(i); });
    connect(cmdFillB(), &CommandButton::Click, this, &frmProblems::cmdFillB_Click);
    connect(cmdContinue(), &CommandButton::Click, this, &frmProblems::cmdContinue_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmProblems::cmdReturn_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmProblems::cmdQuit_Click);
}

void frmProblems::Form_Load()
{
    place(*this);
    closeAll();
    for (int i = 1; i <= 12; ++i)
        Option(i)->setValue(false);
}

int frmProblems::code()
{
    return convert::toInt16(txtB()->Text()).value_or(0);
}

// Option1 to Option5 close the nested group and clear its choice; Option6 opens it; the nested options
// leave it open.
void frmProblems::Option_Click(int number)
{
    const Reveal& reveal = kReveals[number - 1];
    closeAll();
    if (reveal.showsNested) {
        Frame2()->show();
    } else if (!reveal.leavesNested) {
        closeF();
        Frame2()->hide();
    }
    control(reveal.control)->show();
}

void frmProblems::closeAll()
{
    for (ComboBox* combo : {Combo1(), Combo2(), Combo3()})
        combo->hide();
    for (int i = 1; i <= 9; ++i)
        Text(i)->hide();
    for (ComboBox* combo : {Combo1(), Combo2(), Combo3()})
        combo->setListIndex(-1);
}

void frmProblems::closeF()
{
    for (int i = 7; i <= 12; ++i)
        Option(i)->setValue(false);
}

void frmProblems::fillB()
{
    const int found =
        diagnosis::firstCode(diagnosis::colorProblemAreas(), [this](const diagnosis::ProblemArea& row) {
            QWidget* w = control(row.control);
            if (row.item == diagnosis::kFixedLine)
                return Visible(w);
            return static_cast<ComboBox*>(w)->ListIndex() == row.item;
        });
    if (found != 0)
        txtB()->setText(QString::number(found));
}

void frmProblems::cmdFillB_Click()
{
    fillB();
}

void frmProblems::cmdContinue_Click()
{
    txtB()->setText(QStringLiteral("0"));
    fillB();
    const diagnosis::ProblemArea* area = diagnosis::findCode(diagnosis::colorProblemAreas(), code());
    if (!area) {
        services().MsgBox(tr("Please select one of the symptoms"), tr("Enter selection"));
        return;
    }
    Hide();
    diagnosis::showTarget(area->target);
}

void frmProblems::cmdReturn_Click()
{
    fw::showMainMenu();
}

void frmProblems::cmdQuit_Click()
{
    services().End();
}
