#include "diagrams/frmHelp.h"

#include "runtime/mainmenu.h"
#include "runtime/placement.h"

using namespace fw;

namespace {
// The description, paragraph by paragraph, so that each is translated whole; the list's items are kept apart
// from the paragraph that introduces them.
const char* const kParagraphs[] = {
    QT_TRANSLATE_NOOP(
        "frmHelp",
        "Fernwick is meant to help the beginning television technician or student find quickly the "
        "circuit that is causing a set's problem. It guides you to the general area of the defective "
        "component rather than to the component itself: TV circuits vary too much from one maker and "
        "model to the next for any program to cover every component."),
    QT_TRANSLATE_NOOP(
        "frmHelp",
        "You enter the symptoms you know, and the program leads you through generic block diagrams of "
        "a TV receiver to the circuit area most likely at fault. You then find that area on the set's "
        "own schematic and isolate the defective component there."),
    QT_TRANSLATE_NOOP(
        "frmHelp",
        "To proceed, answer the symptom questions in the order they are presented. Once you have "
        "checked a symptom, go on to the next page; where a screen offers a list of problem areas, "
        "choose the one that best matches what you see. The areas most likely at fault are "
        "highlighted in red on the block diagrams, and some of their boxes open further pages of "
        "schematics and procedures. Use the 'Return' button to go back a page."),
    QT_TRANSLATE_NOOP("frmHelp",
                      "<b>Two</b> utility programs are also included, each reached from the main menu:"),
};
const char* const kUtilities[] = {
    QT_TRANSLATE_NOOP("frmHelp",
                      "Formulas: Ohm's law, series and parallel components, reactance and resonance."),
    QT_TRANSLATE_NOOP(
        "frmHelp",
        "Color Codes: the value, tolerance and voltage rating of resistors and capacitors from their "
        "color bands."),
};
const char* const kClosing =
    QT_TRANSLATE_NOOP("frmHelp", "The 'Quit' button, on the main menu, the symptom screens and the block "
                                 "diagrams, ends the program at any "
                                 "time.");

QString description()
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("frmHelp", text); };
    QString html = QStringLiteral("<hr width=\"25%\">");
    for (const char* paragraph : kParagraphs)
        html += QStringLiteral("<p>%1</p>").arg(tr(paragraph));
    html += QStringLiteral("<ol>");
    for (const char* item : kUtilities)
        html += QStringLiteral("<li>%1</li>").arg(tr(item));
    html += QStringLiteral("</ol><p>%1</p>").arg(tr(kClosing));
    return html;
}
} // namespace

frmHelp::frmHelp() : Form(QStringLiteral("frmHelp"), QT_TR_NOOP("Program Description"), QSize(10110, 7920)) {}

Design frmHelp::design() const
{
    return {
        command("Command1", QT_TR_NOOP("Close"), 8430, 180, 1230, 390).bold(9.75),
        label("Picture1", description(), 285, 735, 9375, 6960)
            .size(11)
            .back(colors::white)
            .fore(colors::black)
            .bordered(),
        label("Label1", QT_TR_NOOP("Fernwick Program"), 2025, 165, 6000, 555).bold(24).fore(colors::blue),
    };
}

void frmHelp::wire()
{
    connect(Command1(), &CommandButton::Click, this, &frmHelp::Command1_Click);
}

void frmHelp::Form_Load()
{
    place(*this, 0);
    Label* text = Picture1();
    text->setTextFormat(Qt::RichText);
    text->setMargin(12);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void frmHelp::Command1_Click()
{
    fw::showMainMenu();
    Unload();
}
