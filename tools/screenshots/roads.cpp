#include "roads.h"

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmFormulas.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"

#include <QTest>

namespace {
void press(QWidget* control)
{
    QPoint at = control->rect().center();
    if (qobject_cast<QRadioButton*>(control))
        at = QPoint(8, control->height() / 2);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
}

void enter(QWidget* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
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
        {"frmFormulas", [] {
             Module1::Main();
             press(frmOne::get().Option8());
             return frmFormulas::get().window();
         }},
        {"frmFormulas-worked", [] {
             Module1::Main();
             press(frmOne::get().Option8());
             frmFormulas& f = frmFormulas::get();
             enter(f.Text1(), "10");
             enter(f.Text2(), "3");
             enter(f.Text4(), "12");
             enter(f.Text5(), "2");
             enter(f.Text7(), "1000");
             enter(f.Text8(), "1000");
             enter(f.Text11(), "1000");
             enter(f.Text12(), "1");
             press(f.Option3());
             enter(f.Text14(), "3");
             enter(f.Text15(), "1000");
             enter(f.Text15(), "2200");
             enter(f.Text15(), "4700");
             return f.window();
         }},
    };
}
