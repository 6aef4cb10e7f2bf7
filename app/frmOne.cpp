#include "app/frmOne.h"

#include "calculators/frmCodes.h"
#include "calculators/frmFormulas.h"
#include "calculators/frmMarkings.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmHelp.h"
#include "runtime/language.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"
#include "trainer/screens/frmTrainer.h"

#include <algorithm>

using namespace fw;

namespace {
// The languages offered, by locale name, in the order of the language list; empty follows the desktop.
const char* const kLanguages[] = {"", "en", "es", "pt_BR"};
} // namespace

frmOne::frmOne() : Form(QStringLiteral("frmOne"), QT_TR_NOOP("Fernwick"), QSize(11565, 8190)) {}

Design frmOne::design() const
{
    return {
        frame("Frame2", QT_TR_NOOP("Supplementary Info"), 8775, 3165, 2670, 4005).bold(9.75),
        option("Option10", QT_TR_NOOP("Fault-finding trainer"), 180, 3314, 2085, 345).in("Frame2").bold(8.25),
        option("Option9", QT_TR_NOOP("Component markings"), 180, 2617, 2085, 345).in("Frame2").bold(8.25),
        option("Option8", QT_TR_NOOP("Electronic Formulas"), 180, 1920, 2085, 345).in("Frame2").bold(8.25),
        option("Option7", QT_TR_NOOP("Color codes"), 180, 1222, 2085, 345).in("Frame2").bold(8.25),
        option("Option6", QT_TR_NOOP("Program desctiption"), 180, 525, 2085, 345).in("Frame2").bold(8.25),
        frame("Frame1", QT_TR_NOOP("Major Symptom"), 600, 3000, 3015, 3615).bold(9.75),
        option("Option5", QT_TR_NOOP("Color problems"), 480, 2760, 1815, 255).in("Frame1").bold(8.25),
        option("Option4", QT_TR_NOOP("Picture problems"), 480, 2220, 1815, 255).in("Frame1").bold(8.25),
        option("Option3", QT_TR_NOOP("Raster problems"), 480, 1680, 1815, 255).in("Frame1").bold(8.25),
        option("Option2", QT_TR_NOOP("Poor or no sound"), 480, 1140, 1815, 255).in("Frame1").bold(8.25),
        option("Option1", QT_TR_NOOP("TV Dead"), 480, 600, 1815, 255).in("Frame1").bold(8.25),
        command("cmdQuit", QT_TR_NOOP("Quit"), 5880, 7200, 975, 375).bold(12),
        // Each language is named in its own words, so that a user lost in another finds it.
        combo("cboLanguage", QT_TR_NOOP("Language"), 600, 7245, 3015, 315)
            .says(QT_TR_NOOP("Language"))
            .items({QT_TR_NOOP("Desktop's language"), "English", "Español", "Português (Brasil)"}),
        picture("pctTV", ":/assets/tv.svg", 4320, 3000, 3735, 3615)
            .says(QT_TR_NOOP("A television set with its antenna")),
        label("Label2", QT_TR_NOOP("Pick a symptom to find where the fault most likely lies."), 4320, 2760,
              4695, 255)
            .bold(8.25),
        label("Label1", QT_TR_NOOP("Version 2.0"), 5250, 2280, 1995, 435)
            .bold(18)
            .fore(colors::darkRed)
            .centred(),
        label("lblOne", QT_TR_NOOP("Fernwick"), 1050, 600, 9405, 1590)
            .bold(72)
            .italic()
            .serif()
            .fore(colors::darkRed)
            .centred(),
    };
}

void frmOne::wire()
{
    connect(Option1(), &OptionButton::Click, this, &frmOne::Option1_Click);
    connect(Option2(), &OptionButton::Click, this, &frmOne::Option2_Click);
    connect(Option3(), &OptionButton::Click, this, &frmOne::Option3_Click);
    connect(Option4(), &OptionButton::Click, this, &frmOne::Option4_Click);
    connect(Option5(), &OptionButton::Click, this, &frmOne::Option5_Click);
    connect(Option6(), &OptionButton::Click, this, &frmOne::Option6_Click);
    connect(Option7(), &OptionButton::Click, this, &frmOne::Option7_Click);
    connect(Option8(), &OptionButton::Click, this, &frmOne::Option8_Click);
    connect(Option9(), &OptionButton::Click, this, &frmOne::Option9_Click);
    connect(Option10(), &OptionButton::Click, this, &frmOne::Option10_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmOne::cmdQuit_Click);
    connect(cboLanguage(), &ComboBox::Click, this, &frmOne::cboLanguage_Click);
}

void frmOne::Form_Load()
{
    fw::fillDisplay(*this);
    const auto chosen = std::ranges::find(kLanguages, chosenLanguage());
    cboLanguage()->setCurrentIndex(chosen == std::end(kLanguages) ? 0 : int(chosen - std::begin(kLanguages)));
}

void frmOne::Form_Activate()
{
    for (OptionButton* option : {Option1(), Option2(), Option3(), Option4(), Option5()})
        option->setValue(false);
}

void frmOne::Option1_Click()
{
    Hide();
    frmDead::get().Show();
}

void frmOne::Option2_Click()
{
    frmSound::get().Show();
    Hide();
}

void frmOne::Option3_Click()
{
    frmRaster::get().Show();
    Hide();
}

void frmOne::Option4_Click()
{
    Hide();
    frmPicture::get().Show();
}

void frmOne::Option5_Click()
{
    Hide();
    frmProblems::get().Show();
}

// The utilities unload the menu; their Close or Return builds it afresh.
void frmOne::Option6_Click()
{
    frmHelp::get().Show();
    Unload();
}

void frmOne::Option7_Click()
{
    frmCodes::get().Show();
    Unload();
}

void frmOne::Option8_Click()
{
    frmFormulas::get().Show();
    Unload();
}

void frmOne::Option9_Click()
{
    frmMarkings::get().Show();
    Unload();
}

void frmOne::Option10_Click()
{
    frmTrainer::get().Show();
    Unload();
}

// The choice is kept, and the menu is built afresh in the chosen language.
void frmOne::cboLanguage_Click()
{
    const int index = cboLanguage()->currentIndex();
    const QString name = index > 0 ? QString::fromLatin1(kLanguages[index]) : QString();
    setChosenLanguage(name);
    useLanguage(name.isEmpty() ? QLocale::system() : QLocale(name));
    Unload();
    fw::showMainMenu();
}

void frmOne::cmdQuit_Click()
{
    services().End();
}
