#include "diagnosis/frmRaster.h"

#include "diagnosis/targets.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

using namespace fw;

frmRaster::frmRaster() : Form(QStringLiteral("frmRaster"), QT_TR_NOOP("Raster"), QSize(10005, 6990)) {}

Design frmRaster::design() const
{
    const QStringList noRaster{QT_TR_NOOP("Horizontal driver"),
                               QT_TR_NOOP("Horizontal output"),
                               QT_TR_NOOP("High-voltage damper"),
                               QT_TR_NOOP("High-voltage rectifier"),
                               QT_TR_NOOP("High-voltage regulator"),
                               QT_TR_NOOP("Holddown cuircuit"),
                               QT_TR_NOOP("Horizontal AFC"),
                               QT_TR_NOOP("Horizontal oscillator"),
                               QT_TR_NOOP("Picture tube")};
    return {
        option("Option5", "Option5", 5160, 1080, 615, 255).says(QT_TR_NOOP("No symptom chosen")).hidden(),
        command("cmdQuit", QT_TR_NOOP("Quit"), 8160, 5520, 1095, 495).bold(9.75),
        command("cmdReturn", QT_TR_NOOP("Return"), 6720, 5520, 1215, 495).bold(9.75),
        command("cmdContinue", QT_TR_NOOP("Continue"), 5040, 5520, 1455, 495).bold(9.75),
        listBox("List3", 5880, 2160, 3375, 360)
            .says(QT_TR_NOOP("Circuits to check"))
            .items({QT_TR_NOOP("Pin cushion circuit")})
            .bold(12)
            .hidden(),
        listBox("List2", 5760, 2160, 3375, 1260)
            .says(QT_TR_NOOP("Circuits to check"))
            .items({QT_TR_NOOP("Vertical deflection oscillator"), QT_TR_NOOP("Vertical deflection amplifier"),
                    QT_TR_NOOP("Vertical deflection yoke"), QT_TR_NOOP("Sync seperator")})
            .bold(12)
            .hidden(),
        listBox("List1", 5760, 2160, 3375, 2760)
            .says(QT_TR_NOOP("Circuits to check"))
            .items(noRaster)
            .bold(12)
            .hidden(),
        frame("Frame1", QT_TR_NOOP("Symptoms:"), 720, 1200, 3975, 4695).bold(13.5),
        option("Option4", QT_TR_NOOP("Pincushion distortion"), 240, 3480, 3735, 495).in("Frame1").bold(13.5),
        option("Option3", QT_TR_NOOP("Vertical line only"), 240, 2640, 3855, 495).in("Frame1").bold(13.5),
        option("Option2", QT_TR_NOOP("Horizontal line only"), 240, 1680, 4095, 735).in("Frame1").bold(13.5),
        option("Option1", QT_TR_NOOP("No raster at all"), 240, 720, 4215, 735).in("Frame1").bold(13.5),
        label("Label1", QT_TR_NOOP("Check one of the following to narrow diagnosis:"), 360, 120, 9255, 615)
            .bold(18),
    };
}

void frmRaster::wire()
{
    // "Vertical line only" lists the same circuits as "No raster at all".
    connect(Option1(), &OptionButton::Click, this, [this] { showList(List1()); });
    connect(Option2(), &OptionButton::Click, this, [this] { showList(List2()); });
    connect(Option3(), &OptionButton::Click, this, [this] { showList(List1()); });
    connect(Option4(), &OptionButton::Click, this, [this] { showList(List3()); });
    connect(cmdContinue(), &CommandButton::Click, this, &frmRaster::cmdContinue_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmRaster::cmdReturn_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmRaster::cmdQuit_Click);
}

void frmRaster::Form_Load()
{
    place(*this);
    for (OptionButton* option : {Option1(), Option2(), Option3(), Option4(), Option5()})
        option->setValue(false);
}

void frmRaster::showList(ListBox* list)
{
    for (ListBox* each : {List1(), List2(), List3()})
        each->setVisible(each == list);
    Option5()->setValue(true);
}

void frmRaster::cmdContinue_Click()
{
    if (!Option1()->Value() && !Option2()->Value() && !Option3()->Value() && !Option4()->Value())
        return;
    diagnosis::showTarget(diagnosis::Target::LVPower);
    Hide();
}

void frmRaster::cmdReturn_Click()
{
    fw::showMainMenu();
    Unload();
}

void frmRaster::cmdQuit_Click()
{
    services().End();
}
