#include "diagrams/frmConverg.h"

#include "diagnosis/frmProblems.h"
#include "diagrams/areanotes.h"
#include "diagrams/frmDiag.h"
#include "diagrams/frmNotes.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextDocument>

using namespace fw;

frmConverg::frmConverg() : Form(QStringLiteral("frmConverg"), QT_TR_NOOP("Convergence"), QSize(10260, 6120))
{}

Design frmConverg::design() const
{
    // Continuation lines are indented to sit under the text of their step.
    return {
        command("cmdPrint", QT_TR_NOOP("Print Instructions"), 3960, 720, 2175, 375),
        command("cmdReturn", QT_TR_NOOP("Return"), 7680, 720, 1575, 375),
        command("cmdDiagram", QT_TR_NOOP("Click for Diagram"), 720, 720, 2175, 375),
        listBox("List1", 720, 1200, 8535, 4380)
            .says(QT_TR_NOOP("Convergence instructions"))
            .items({
                QT_TR_NOOP("1.  Degauss picture tube."),
                QT_TR_NOOP("2.  Turn off blue and green guns."),
                QT_TR_NOOP("3.  Set the purity rings together in a horizontal position."),
                QT_TR_NOOP("4.  Loosen and slide the deflection yoke as far back as possible."),
                QT_TR_NOOP("5.  Slide the deflection yoke forward until you get a pute red raster."),
                QT_TR_NOOP("     Seperate the purity rings until you center the red raster."),
                QT_TR_NOOP("6.  Turn off the red gun and turn on the blue and green guns alternately"),
                QT_TR_NOOP("      Check for pure blue and green rasters."),
                QT_TR_NOOP("7.  Tighten the yoke in place."),
                QT_TR_NOOP("8.  Turn on all guns."),
                QT_TR_NOOP("9.  Turn on crosshatch or dot pattern."),
                QT_TR_NOOP("10. Green gun is centered and will not move.  You must"),
                QT_TR_NOOP("      first converge the red to the blue and then converge them to the green."),
                QT_TR_NOOP("11. Converge red to blue vertically by seperating rings B."),
                QT_TR_NOOP("12. Converge red to blue horizontally by rotating rings B."),
                QT_TR_NOOP("13. Converge red/blue with green vertically by seperating rings C."),
                QT_TR_NOOP("14. Converge red/blue with green horizontally by rotating rings C."),
                QT_TR_NOOP("15. Repeat steps 10 through 14 as necessary."),
            })
            .bold(9.75),
        label("Label1", QT_TR_NOOP("Convergence Adjustment Procedure"), 1680, 120, 7095, 480)
            .bold(18)
            .fore(colors::darkBlue),
    };
}

void frmConverg::wire()
{
    connect(cmdDiagram(), &CommandButton::Click, this, &frmConverg::cmdDiagram_Click);
    connect(cmdPrint(), &CommandButton::Click, this, &frmConverg::cmdPrint_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmConverg::cmdReturn_Click);
    // Ctrl+P prints, as in any desktop program; the shortcut lives and dies with the window.
    auto* print = new QShortcut(QKeySequence::Print, window());
    connect(print, &QShortcut::activated, this, &frmConverg::cmdPrint_Click);
    frmNotes::offerOn(*this);
}

void frmConverg::Form_Load()
{
    place(*this);
}

void frmConverg::cmdDiagram_Click()
{
    frmDiag::get().Show();
    Unload();
}

// The steps are worked live at the tube's neck, so they never print without the page's note: the screen
// itself, as it stands, then the note with the safety rules it carries. A failure is told, nothing more is
// printed, and the screen stays as it was.
void frmConverg::cmdPrint_Click()
{
    PrintResult printed = services().PrintForm(window());
    if (printed.ok) {
        QTextDocument note;
        note.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
        QString html =
            QStringLiteral("<h3>%1</h3>").arg(tr("%1: before you start").arg(caption()).toHtmlEscaped());
        if (const std::optional<areanotes::Note> written = areanotes::note(u"convergence"))
            for (const QString& paragraph : written->text.split(QStringLiteral("\n\n")))
                html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
        note.setHtml(html);
        note.setMetaInformation(QTextDocument::DocumentTitle, caption());
        printed = services().PrintDocument(note);
    }
    if (!printed.ok)
        services().MsgBox(printed.reason, tr("Error"));
}

void frmConverg::cmdReturn_Click()
{
    frmProblems::get().Show();
    Unload();
}
