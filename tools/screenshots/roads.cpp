#include "roads.h"

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmDead.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/frmPSLin.h"
#include "diagrams/frmPSSw.h"
#include "diagrams/frmScan.h"
#include "diagrams/frmSync.h"

#include <QTest>

namespace {
void press(QWidget* control)
{
    QPoint at = control->rect().center();
    if (qobject_cast<QRadioButton*>(control))
        at = QPoint(8, control->height() / 2);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
}

// TV Dead, the isolated areas, Continue: the diagram with the seven TV Dead areas in red.
void toTvDeadDiagram()
{
    Module1::Main();
    press(frmOne::get().Option1());
    press(frmDead::get().Command1());
    press(frmDead::get().cmdContinue());
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
        {"frmLVPower", [] {
             toTvDeadDiagram();
             return frmLVPower::get().window();
         }},
        {"frmLVPower-design", [] {
             frmLVPower::get().Show();
             return frmLVPower::get().window();
         }},
        {"frmPSLin", [] {
             toTvDeadDiagram();
             press(frmLVPower::get().Label12());
             return frmPSLin::get().window();
         }},
        {"frmPSSw", [] {
             toTvDeadDiagram();
             press(frmLVPower::get().Label13());
             return frmPSSw::get().window();
         }},
        {"frmScan", [] {
             toTvDeadDiagram();
             press(frmLVPower::get().Label4());
             return frmScan::get().window();
         }},
        {"frmSync", [] {
             toTvDeadDiagram();
             press(frmLVPower::get().Text2()->viewport());
             return frmSync::get().window();
         }},
    };
}
