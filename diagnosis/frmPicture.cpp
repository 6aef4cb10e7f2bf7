#include "diagnosis/frmPicture.h"

#include "diagnosis/problemcodes.h"
#include "diagnosis/targets.h"
#include "runtime/convert.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

using namespace fw;

namespace {
const char* const kPrompt = QT_TRANSLATE_NOOP("frmPicture", "Problem areas:");

// The problem-area control each symptom reveals, by option number.
const char* const kRevealed[] = {"Combo1", "Text1", "Combo2", "Combo3", "Combo4", "Text2",
                                 "Text3",  "Text4", "Combo5", "Combo6", "Combo7"};
const char* const kSymptoms[] = {QT_TRANSLATE_NOOP("frmPicture", "No picture or weak picture"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Overloaded or negative picture"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Picture torn horizontally"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Picture rolls vertically"),
                                 QT_TRANSLATE_NOOP("frmPicture", " Both horiz. tear/vertical roll"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Colored snow in picture"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Sound bars in picture"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Dark line in picture"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Diagonal white lines across picture"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Top of picture stretched"),
                                 QT_TRANSLATE_NOOP("frmPicture", "Bottom of picture stretched")};
constexpr int kSymptomCount = 11;
} // namespace

frmPicture::frmPicture()
    : Form(QStringLiteral("frmPicture"), QT_TR_NOOP("Picture Problems"), QSize(10305, 6810))
{}

Design frmPicture::design() const
{
    Design d{
        command("cmdFillA", QT_TR_NOOP("Fill A"), 6840, 240, 1215, 255).hidden(),
        textBox("txtA", "", 5520, 240, 615, 285).says(QT_TR_NOOP("Problem code")).hidden(),
        combo("Combo7", kPrompt, 5160, 5640, 4935, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Adjust vertical height control"),
                    QT_TR_NOOP("Vertical deflection oscillator"),
                    QT_TR_NOOP("Vertical deflection amplifier")})
            .hidden(),
        combo("Combo6", kPrompt, 5160, 5160, 4935, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Adjust vertical linearity control"),
                    QT_TR_NOOP("Vertical deflection oscillator"),
                    QT_TR_NOOP("Vertical deflection amplifier")})
            .hidden(),
        combo("Combo5", kPrompt, 5160, 4560, 4935, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Contrast control too low"), QT_TR_NOOP("Brightness control too high"),
                    QT_TR_NOOP("Insufficient retrace blanking,(video amplifier)")})
            .hidden(),
        textBox("Text4", QT_TR_NOOP("Check low voltage power supply filter circuits"), 5160, 4200, 4935, 285)
            .readOnly()
            .hidden(),
        textBox("Text3", QT_TR_NOOP("Adjust sound trap in video detector circuit"), 5160, 3720, 4935, 375)
            .readOnly()
            .hidden(),
        textBox("Text2", QT_TR_NOOP("Color killer circuit-Adjust color killer control"), 5160, 3240, 4935,
                375)
            .readOnly()
            .hidden(),
        combo("Combo4", kPrompt, 5160, 2760, 4935, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Adjust AGC control"), QT_TR_NOOP("Check sync seperator")})
            .hidden(),
        combo("Combo3", kPrompt, 5160, 2280, 4935, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Adjust vertical hold control"), QT_TR_NOOP("Adjust AGC control"),
                    QT_TR_NOOP("Check vertical deflection oscillator circuits"),
                    QT_TR_NOOP("Check sync seperator")})
            .hidden(),
        combo("Combo2", kPrompt, 5160, 1800, 4935, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Adjust horizontal hold control"), QT_TR_NOOP("Adjust AGC control"),
                    QT_TR_NOOP("Check horizontal oscillator circuits"), QT_TR_NOOP("Check sync seperator")})
            .hidden(),
        textBox("Text1", QT_TR_NOOP("Insufficient AGC"), 5160, 1320, 4935, 375).readOnly().hidden(),
        command("cmdQuit", QT_TR_NOOP("Quit"), 8280, 6120, 1215, 495),
        command("cmdReturn", QT_TR_NOOP("Return"), 6720, 6120, 1215, 495),
        command("cmdContinue", QT_TR_NOOP("Continue"), 5160, 6120, 1215, 495),
        combo("Combo1", kPrompt, 5160, 720, 4935, 360)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("1st video amplifier"), QT_TR_NOOP("3rd video amplifier & brightness control"),
                    QT_TR_NOOP("Comb filter & 2nd video amplifier"), QT_TR_NOOP("Delay line"),
                    QT_TR_NOOP("Excessive AGC")})
            .hidden(),
        frame("Frame1", QT_TR_NOOP("Symptoms:"), 240, 120, 4455, 6495),
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
        services().MsgBox(tr("Please select one of the symptoms"), tr("Enter selection"));
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
