#include "roads.h"

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmBTube.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmCtube.h"
#include "diagrams/frmDegauss.h"
#include "diagrams/frmDiag.h"

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
        {"frmConverg", [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(4));
             press(frmProblems::get().cmdContinue());
             return frmConverg::get().window();
         }},
        {"frmDiag", [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(4));
             press(frmProblems::get().cmdContinue());
             press(frmConverg::get().cmdDiagram());
             return frmDiag::get().window();
         }},
        {"frmDegauss", [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(2));
             press(frmProblems::get().cmdContinue());
             return frmDegauss::get().window();
         }},
        // The colour tube page opens from the video and color diagram's picture tube.
        {"frmCtube", [] {
             frmCtube::get().Show();
             return frmCtube::get().window();
         }},
        {"frmBTube", [] {
             frmCtube::get().Show();
             press(frmCtube::get().Command1());
             return frmBTube::get().window();
         }},
    };
}
