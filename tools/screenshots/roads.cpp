#include "roads.h"

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmCodes.h"
#include "calculators/frmFreq.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmHelp.h"

#include <QTest>

namespace {
void press(QWidget* control)
{
    QPoint at = control->rect().center();
    if (qobject_cast<QRadioButton*>(control))
        at = QPoint(8, control->height() / 2);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
}
} // namespace

std::vector<Road> roads()
{
    return {
        {"frmOne", [] {
             Module1::Main();
             return frmOne::get().window();
         }},
        {"frmDead", [] {
             Module1::Main();
             press(frmOne::get().Option1());
             return frmDead::get().window();
         }},
        {"frmDead-areas", [] {
             Module1::Main();
             press(frmOne::get().Option1());
             press(frmDead::get().Command1());
             return frmDead::get().window();
         }},
        {"frmSound", [] {
             Module1::Main();
             press(frmOne::get().Option2());
             press(frmSound::get().Opt2());
             return frmSound::get().window();
         }},
        {"frmRaster", [] {
             Module1::Main();
             press(frmOne::get().Option3());
             press(frmRaster::get().Option1());
             return frmRaster::get().window();
         }},
        {"frmPicture", [] {
             Module1::Main();
             press(frmOne::get().Option4());
             press(frmPicture::get().Option(4));
             return frmPicture::get().window();
         }},
        {"frmProblems", [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(6));
             press(frmProblems::get().Option(11));
             return frmProblems::get().window();
         }},
        {"frmHelp", [] {
             Module1::Main();
             press(frmOne::get().Option6());
             return frmHelp::get().window();
         }},
        {"frmCodes", [] {
             Module1::Main();
             press(frmOne::get().Option7());
             return frmCodes::get().window();
         }},
        {"frmCodes-resistor", [] {
             Module1::Main();
             press(frmOne::get().Option7());
             frmCodes& codes = frmCodes::get();
             for (colorcode::Color band : {colorcode::Color::Yellow, colorcode::Color::Violet,
                                           colorcode::Color::Orange, colorcode::Color::Silver})
                 press(codes.swatch(band));
             press(codes.cmdDone());
             return codes.window();
         }},
        {"frmCodes-capacitor", [] {
             Module1::Main();
             press(frmOne::get().Option7());
             frmCodes& codes = frmCodes::get();
             press(codes.Option2());
             for (colorcode::Color band : {colorcode::Color::Brown, colorcode::Color::Black, colorcode::Color::Red,
                                           colorcode::Color::Gold, colorcode::Color::Red})
                 press(codes.swatch(band));
             press(codes.cmdDone());
             return codes.window();
         }},
        {"frmFreq", [] {
             frmFreq::get().Show();
             QTest::keyClicks(frmFreq::get().Text8(), "14");
             QTest::keyClick(frmFreq::get().Text8(), Qt::Key_Return);
             return frmFreq::get().window();
         }},
    };
}
