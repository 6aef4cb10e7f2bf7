#include "diagnosis/frmPicture.h"

#include "diagnosis/problemcodes.h"
#include "diagnosis/targets.h"
#include "runtime/convert.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

using namespace fw;

namespace {
const QString kPrompt = QStringLiteral("Problem areas:");

// The problem-area control each symptom reveals, by option number.
const char* const kRevealed[] = {"Combo1", "Text1", "Combo2", "Combo3", "Combo4", "Text2",
                                 "Text3",  "Text4", "Combo5", "Combo6", "Combo7"};
const char* const kSymptoms[] = {"No picture or weak picture",
                                 "Overloaded or negative picture",
                                 "Picture torn horizontally",
                                 "Picture rolls vertically",
                                 " Both horiz. tear/vertical roll",
                                 "Colored snow in picture",
                                 "Sound bars in picture",
                                 "Dark line in picture",
                                 "Diagonal white lines across picture",
                                 "Top of picture stretched",
                                 "Bottom of picture stretched"};
constexpr int kSymptomCount = 11;
} // namespace

frmPicture::frmPicture()
    : Form(QStringLiteral("frmPicture"), QStringLiteral("Picture Problems"), QSize(10305, 6810))
{}

Design frmPicture::design() const
{
    Design d{
        command("cmdFillA", "Fill A", 6840, 240, 1215, 255).hidden(),
        textBox("txtA", "", 5520, 240, 615, 285).says("Problem code").hidden(),
        combo("Combo7", kPrompt, 5160, 5640, 4935, 360)
            .says("Problem areas")
            .items({"Adjust vertical height control", "Vertical deflection oscillator",
                    "Vertical deflection amplifier"})
            .hidden(),
        combo("Combo6", kPrompt, 5160, 5160, 4935, 360)
            .says("Problem areas")
            .items({"Adjust vertical linearity control", "Vertical deflection oscillator",
                    "Vertical deflection amplifier"})
            .hidden(),
        combo("Combo5", kPrompt, 5160, 4560, 4935, 360)
            .says("Problem areas")
            .items({"Contrast control too low", "Brightness control too high",
                    "Insufficient retrace blanking,(video amplifier)"})
            .hidden(),
        textBox("Text4", "Check low voltage power supply filter circuits", 5160, 4200, 4935, 285)
            .readOnly()
            .hidden(),
        textBox("Text3", "Adjust sound trap in video detector circuit", 5160, 3720, 4935, 375)
            .readOnly()
            .hidden(),
        textBox("Text2", "Color killer circuit-Adjust color killer control", 5160, 3240, 4935, 375)
            .readOnly()
            .hidden(),
        combo("Combo4", kPrompt, 5160, 2760, 4935, 360)
            .says("Problem areas")
            .items({"Adjust AGC control", "Check sync seperator"})
            .hidden(),
        combo("Combo3", kPrompt, 5160, 2280, 4935, 360)
            .says("Problem areas")
            .items({"Adjust vertical hold control", "Adjust AGC control",
                    "Check vertical deflection oscillator circuits", "Check sync seperator"})
            .hidden(),
        combo("Combo2", kPrompt, 5160, 1800, 4935, 360)
            .says("Problem areas")
            .items({"Adjust horizontal hold control", "Adjust AGC control",
                    "Check horizontal oscillator circuits", "Check sync seperator"})
            .hidden(),
        textBox("Text1", "Insufficient AGC", 5160, 1320, 4935, 375).readOnly().hidden(),
        command("cmdQuit", "Quit", 8280, 6120, 1215, 495),
        command("cmdReturn", "Return", 6720, 6120, 1215, 495),
        command("cmdContinue", "Continue", 5160, 6120, 1215, 495),
        combo("Combo1", kPrompt, 5160, 720, 4935, 360)
            .says("Problem areas")
            .items({"1st video amplifier", "3rd video amplifier & brightness control",
                    "Comb filter & 2nd video amplifier", "Delay line", "Excessive AGC"})
            .hidden(),
        frame("Frame1", "Symptoms:", 240, 120, 4455, 6495),
    };
    for (int i = 0; i < kSymptomCount; ++i)
        d.push_back(option(QStringLiteral("Option%1").arg(i + 1), kSymptoms[i], 240, 600 + 540 * i, 3975, 255)
                        .in("Frame1"));
    return d;
}

QStringList frmPicture::tabOrder() const
{
    QStringList order{"Frame1"};
    for (int i = 1; i <= kSymptomCount; ++i)
        order << QStringLiteral("Option%1").arg(i);
    order << "Combo1"
          << "cmdContinue"
          << "cmdReturn"
          << "cmdQuit"
          << "Text1"
          << "Combo2"
          << "Combo3"
          << "Combo4"
          << "Text2"
          << "Text3"
          << "Text4"
          << "Combo5"
          << "Combo6"
          << "Combo7"
          << "txtA"
          << "cmdFillA";
    return order;
}

OptionButton* frmPicture::Option(int number)
{
    return control<OptionButton>(QStringLiteral("Option%1").arg(number));
}

void frmPicture::wire()
{
    for (int i = 0; i < kSymptomCount; ++i) {
        QWidget* revealed = control(kRevealed[i]);
        connect(Option(i + 1), &OptionButton::Click, this, [this, revealed] {
            closeAll();
            revealed->show();
        });
    }
    connect(cmdFillA(), &CommandButton::Click, this, &frmPicture::cmdFillA_Click);
    connect(cmdContinue(), &CommandButton::Click, this, &frmPicture::cmdContinue_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmPicture::cmdReturn_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmPicture::cmdQuit_Click);
}

void frmPicture::Form_Load()
{
    place(*this);
    for (int i = 1; i <= kSymptomCount; ++i)
        Option(i)->setValue(false);
    txtA()->setText(QStringLiteral("0"));
}

int frmPicture::code()
{
    return convert::toInt16(txtA()->Text()).value_or(0);
}

void frmPicture::closeAll()
{
    for (ComboBox* combo : {Combo1(), Combo2(), Combo3(), Combo4(), Combo5(), Combo6(), Combo7()}) {
        combo->hide();
        combo->setListIndex(-1);
    }
    for (TextBox* line : {Text1(), Text2(), Text3(), Text4()})
        line->hide();
}

void frmPicture::fillA()
{
    const int found =
        diagnosis::firstCode(diagnosis::pictureProblemAreas(), [this](const diagnosis::ProblemArea& row) {
            QWidget* w = control(row.control);
            if (row.item == diagnosis::kFixedLine)
                return Visible(w);
            return static_cast<ComboBox*>(w)->ListIndex() == row.item;
        });
    if (found != 0)
        txtA()->setText(QString::number(found));
}

void frmPicture::cmdFillA_Click()
{
    fillA();
}

void frmPicture::cmdContinue_Click()
{
    txtA()->setText(QStringLiteral("0"));
    fillA();
    m_lastCode = static_cast<std::int16_t>(code());
    const diagnosis::ProblemArea* area = diagnosis::findCode(diagnosis::pictureProblemAreas(), m_lastCode);
    if (!area) {
        services().MsgBox(QStringLiteral("Please select one of the symptoms"),
                          QStringLiteral("Enter selection"));
        return;
    }
    diagnosis::showTarget(area->target);
    Hide();
}

void frmPicture::cmdReturn_Click()
{
    fw::showMainMenu();
    Unload();
}

void frmPicture::cmdQuit_Click()
{
    services().End();
}
