#include "roads.h"

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmCodes.h"
#include "diagnosis/frmDead.h"
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
    };
}
