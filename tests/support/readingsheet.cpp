#include "support/readingsheet.h"

#include "app/frmOne.h"
#include "diagnosis/frmDead.h"
#include "diagrams/areanotes.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/frmNotes.h"
#include "diagrams/lvpowerareas.h"
#include "support/program.h"

#include <QApplication>
#include <QTest>

namespace fw::test {

void toTvDeadDiagram()
{
    frmOne::get().Show();
    click(frmOne::get().Option1());
    click(frmDead::get().Command1());
    click(frmDead::get().cmdContinue());
    QVERIFY(frmLVPower::get().isShown());
    QVERIFY(QTest::qWaitForWindowActive(frmLVPower::get().window()));
}

void openTvDeadSheet()
{
    toTvDeadDiagram();
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : frmLVPower::get().window(), Qt::Key_F1);
    QVERIFY(frmNotes::get().isShown());
}

QString faultOfTvDeadSheet(const QString& text)
{
    QStringList red, others;
    for (QWidget* w : frmLVPower::get().controls()) {
        const auto note = areanotes::note(areanotes::areaAt(u"frmLVPower", w->objectName()));
        if (note && !red.contains(note->title) && !others.contains(note->title))
            (lvpower::tvDeadAreas().contains(w->objectName()) ? red : others) << note->title;
    }
    for (const QString& title : std::as_const(red))
        others.removeAll(title);
    if (red.size() != lvpower::tvDeadAreas().size())
        return QStringLiteral("the seven TV Dead areas have %1 notes").arg(red.size());
    const qsizetype redHeading = text.indexOf(QLatin1String("Marked in red"));
    const qsizetype othersHeading = text.indexOf(QLatin1String("The other areas"));
    if (redHeading < 0 || othersHeading < redHeading)
        return QStringLiteral("the headings are missing or out of order");
    // A title stands on a line of its own.
    const auto titleAt = [&text](const QString& title) { return text.indexOf(title + QLatin1Char('\n')); };
    for (const QString& title : std::as_const(red))
        if (const qsizetype at = titleAt(title); at < redHeading || at > othersHeading)
            return QStringLiteral("the red area \"%1\" is not among the red ones").arg(title);
    for (const QString& title : std::as_const(others))
        if (titleAt(title) < othersHeading)
            return QStringLiteral("the area \"%1\" is not among the others").arg(title);
    return {};
}

} // namespace fw::test
