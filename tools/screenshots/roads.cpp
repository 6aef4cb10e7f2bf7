#include "roads.h"

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmUHF.h"
#include "diagrams/frmVHF.h"

#include <QTest>

namespace {
void press(QWidget* control)
{
    QPoint at = control->rect().center();
    if (qobject_cast<QRadioButton*>(control))
        at = QPoint(8, control->height() / 2);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
}

// The front end diagram after a sound problem with the given symptom option.
QWidget* frontFromSound(bool pictureOK)
{
    Module1::Main();
    press(frmOne::get().Option2());
    press(pictureOK ? frmSound::get().opt1() : frmSound::get().Opt2());
    press(frmSound::get().cmdContinue());
    return frmFront::get().window();
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
        {"frmFront", [] { return frontFromSound(false); }},
        {"frmFront-sound", [] { return frontFromSound(true); }},
        {"frmFront-agc", [] {
             Module1::Main();
             press(frmOne::get().Option4());
             press(frmPicture::get().Option(4));
             frmPicture::get().Combo3()->setCurrentIndex(1); // "Adjust AGC control"
             press(frmPicture::get().cmdContinue());
             return frmFront::get().window();
         }},
        {"frmVHF", [] {
             frontFromSound(false);
             press(frmFront::get().Text2()->viewport());
             return frmVHF::get().window();
         }},
        {"frmUHF", [] {
             frontFromSound(false);
             press(frmFront::get().Text1()->viewport());
             return frmUHF::get().window();
         }},
    };
}
