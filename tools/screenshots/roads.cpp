#include "roads.h"

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmDead.h"

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
    };
}
