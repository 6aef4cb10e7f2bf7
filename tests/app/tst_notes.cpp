// Every circuit area the screens name carries its note, shown the desktop way (tooltip, What's This,
// accessible description) without moving a pixel of any screen; F1 on a diagram opens the reading sheet of
// its notes, the red areas first, and prints it.

#include "app/frmOne.h"
#include "app/screens.h"
#include "diagnosis/frmDead.h"
#include "diagrams/areanotes.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/frmNotes.h"
#include "runtime/notes.h"
#include "support/program.h"
#include "support/readingsheet.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWhatsThis>
#include <QXmlStreamReader>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::settle;
using fw::test::toTvDeadDiagram;

namespace {
Screen* screenNamed(const QString& name)
{
    for (Screen* screen : nameEveryScreen())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

int itemIndex(QWidget* list, const QString& text)
{
    if (auto* box = qobject_cast<ListBox*>(list))
        for (int i = 0; i < box->count(); ++i)
            if (box->item(i)->text() == text)
                return i;
    if (auto* combo = qobject_cast<ComboBox*>(list))
        return combo->findText(text, Qt::MatchExactly);
    return -1;
}

QString itemText(QWidget* list, int item)
{
    if (auto* box = qobject_cast<ListBox*>(list))
        return box->item(item)->text();
    return qobject_cast<ComboBox*>(list)->itemText(item);
}

// What is wrong with the note a control (item < 0) or one of its items shows, or nothing.
QString faultOfNote(Screen& screen, QWidget* control, int item = -1)
{
    const QString where = screen.name() + QLatin1Char('.') + control->objectName() +
                          (item < 0 ? QString() : QStringLiteral(" \"%1\"").arg(itemText(control, item)));
    const QString id = areanotes::areaAt(screen.name(), control->objectName(),
                                         item < 0 ? QString() : itemText(control, item));
    const std::optional<areanotes::Note> note = areanotes::note(id);
    if (!note)
        return where + QStringLiteral(" has no note (area \"%1\")").arg(id);
    QString tip, whatsThis, description;
    if (item < 0) {
        tip = control->toolTip();
        whatsThis = control->whatsThis();
        description = control->accessibleDescription();
    } else {
        // Read as Qt offers them: the item's roles, and what assistive technology is told of the item.
        auto* view = qobject_cast<QAbstractItemView*>(control);
        if (auto* combo = qobject_cast<ComboBox*>(control))
            view = combo->view();
        const QModelIndex index = view->model()->index(item, 0);
        tip = index.data(Qt::ToolTipRole).toString();
        whatsThis = index.data(Qt::WhatsThisRole).toString();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
        QAccessibleInterface* cell = list ? list->child(item) : nullptr;
        description = cell ? cell->text(QAccessible::Description) : QString();
    }
    if (tip != areanotes::summary(*note))
        return where + QStringLiteral(" has the tooltip \"%1\"").arg(tip);
    if (whatsThis != note->text)
        return where + QStringLiteral(" has the What's This text \"%1\"").arg(whatsThis.left(60));
    if (!description.startsWith(note->text)) // a problem area adds that it is one
        return where + QStringLiteral(" describes itself as \"%1\"").arg(description.left(60));
    return {};
}

// Every control's place and every screen's pixels.
struct Looks
{
    QStringList geometry;
    QStringList screens;
    QList<QImage> pictures;
};

Looks looksOfEveryScreen()
{
    ProgramScope program;
    Looks looks;
    for (Screen* screen : nameEveryScreen()) {
        for (QWidget* w : screen->controls())
            looks.geometry << screen->name() + QLatin1Char('.') + w->objectName() + QLatin1Char(' ') +
                                  QString::number(w->geometry().x()) + QLatin1Char(',') +
                                  QString::number(w->geometry().y()) + QLatin1Char(' ') +
                                  QString::number(w->width()) + QLatin1Char('x') +
                                  QString::number(w->height());
        looks.screens << screen->name();
        looks.pictures << screen->window()->grab().toImage();
    }
    looks.geometry.sort();
    return looks;
}

// Two pictures of one screen are alike when no pixel differs by more than the levels in which two renderings
// of a drawing's lettering may differ (a few dozen at the edges of letters); a word moved or cut off differs
// by far more, dark on light.
bool alike(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    const auto near = [](int u, int v) { return std::abs(u - v) <= 64; };
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            if (!near(qRed(p[col]), qRed(q[col])) || !near(qGreen(p[col]), qGreen(q[col])) ||
                !near(qBlue(p[col]), qBlue(q[col])))
                return false;
    }
    return true;
}

// Rests the mouse on a point of a control and returns the tooltip that shows.
QString tooltipAt(QWidget* control, QPoint at)
{
    QToolTip::hideText();
    QHelpEvent hover(QEvent::ToolTip, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The words of a picture in reading order, its lines joined by spaces.
QString wordsOf(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader svg(&file);
    QStringList words;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::Characters)
            words << svg.text().toString();
    return words.join(QLatin1Char(' ')).simplified();
}

QWidget* whatsThisPopup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QWhatsThat"))
            return w;
    return nullptr;
}
} // namespace

class tst_notes : public QObject
{
    Q_OBJECT
private slots:
    void everyAreaShowsItsNote_data();
    void everyAreaShowsItsNote();
    void everyPlaceIsOnItsScreen();
    void notesMoveNothing();
    void tooltipIsTheFirstSentence();
    void whatsThisShowsTheNote();
    void readingSheetPutsRedAreasFirst();
    void everyDiagramHasItsSheet_data();
    void everyDiagramHasItsSheet();
    void sheetStartsInTheText_data();
    void sheetStartsInTheText();
    void picturesSayWhatTheNotesSay_data();
    void picturesSayWhatTheNotesSay();
    void convergencePageCarriesItsNote();
};

void tst_notes::everyAreaShowsItsNote_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("lists"); // the problem-area lists; none: a diagram
    QTest::newRow("low voltage diagram") << "frmLVPower" << QStringList();
    QTest::newRow("front end diagram") << "frmFront" << QStringList();
    QTest::newRow("video and color diagram") << "frmColor" << QStringList();
    QTest::newRow("TV Dead") << "frmDead" << QStringList{"List2"};
    QTest::newRow("sound") << "frmSound" << QStringList{"List1", "List2"};
    QTest::newRow("raster") << "frmRaster" << QStringList{"List1", "List2", "List3"};
    QTest::newRow("picture") << "frmPicture" << QStringList{"Combo1", "Combo2", "Combo3", "Combo4",
                                                            "Combo5", "Combo6", "Combo7"};
    QTest::newRow("color") << "frmProblems" << QStringList{"Combo1", "Combo2", "Combo3"};
}

void tst_notes::everyAreaShowsItsNote()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, lists);
    ProgramScope program;
    Screen* shown = screenNamed(screen);
    QVERIFY(shown);
    QStringList faults;
    if (lists.isEmpty()) {
        // Every box, knob and picture of a diagram, and the boxes that open a page. A box names its area (an
        // empty one shows the problem code).
        for (QWidget* w : shown->controls()) {
            auto* label = qobject_cast<Label*>(w);
            auto* box = qobject_cast<TextArea*>(w);
            auto* line = qobject_cast<TextBox*>(w);
            const bool pageBox = label && BackColor(w) == colors::lightCyan && !label->text().isEmpty();
            if (pageBox || (box && !box->Text().isEmpty()) || (line && !line->Text().isEmpty()) ||
                qobject_cast<Shape*>(w) || qobject_cast<PictureBox*>(w))
                faults << faultOfNote(*shown, w);
        }
    } else {
        for (const QString& name : std::as_const(lists)) {
            QWidget* list = shown->control(name);
            const int count = qobject_cast<ComboBox*>(list) ? qobject_cast<ComboBox*>(list)->count()
                                                            : qobject_cast<ListBox*>(list)->count();
            for (int item = 0; item < count; ++item)
                faults << faultOfNote(*shown, list, item);
        }
    }
    faults.removeAll(QString());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// A place in the table of notes names a control (and item) that its screen has.
void tst_notes::everyPlaceIsOnItsScreen()
{
    ProgramScope program;
    QStringList faults;
    for (const areanotes::Place& place : areanotes::places()) {
        const QString where = QStringLiteral("%1.%2 \"%3\"").arg(place.screen, place.control, place.item);
        Screen* screen = screenNamed(QLatin1String(place.screen));
        QWidget* control = nullptr;
        if (screen)
            for (QWidget* w : screen->controls())
                if (w->objectName() == QLatin1String(place.control))
                    control = w;
        if (!control)
            faults << where + QStringLiteral(": no such control");
        else if (place.item && itemIndex(control, QString::fromUtf8(place.item)) < 0)
            faults << where + QStringLiteral(": no such item");
        else if (const QString fault = faultOfNote(
                     *screen, control, place.item ? itemIndex(control, QString::fromUtf8(place.item)) : -1);
                 !fault.isEmpty() && areanotes::note(QString::fromLatin1(place.id)))
            faults << fault;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// Notes add words, never pixels: every control keeps its place and size and every screen looks the same.
void tst_notes::notesMoveNothing()
{
    Looks without;
    {
        WithoutNotes off;
        without = looksOfEveryScreen();
    }
    const Looks with = looksOfEveryScreen();
    QCOMPARE(with.geometry, without.geometry);
    QCOMPARE(with.pictures.size(), without.pictures.size());
    for (qsizetype i = 0; i < with.pictures.size(); ++i) {
        QVERIFY2(alike(with.pictures[i], without.pictures[i]), qPrintable(with.screens[i]));
    }
}

// Shift+F1 shows the note of the focused control, or of the current item of a list; in What's This mode a
// click shows the note of a box, even one the keyboard does not visit.
// Resting the mouse on a box, or on an item of a problem-area list, shows the first sentence of its note.
void tst_notes::tooltipIsTheFirstSentence()
{
    ProgramScope program;
    toTvDeadDiagram();
    auto* block = frmLVPower::get().control<TextArea>(QStringLiteral("Text8"));
    const QString tip = tooltipAt(block->viewport(), block->viewport()->rect().center());
    QCOMPARE(tip, areanotes::summary(*areanotes::note(u"horizontal-output")));

    click(frmLVPower::get().cmdReturn());
    ListBox* areas = frmDead::get().List2();
    const QString itemTip = tooltipAt(areas->viewport(), areas->visualItemRect(areas->item(4)).center());
    QCOMPARE(itemTip, areanotes::summary(*areanotes::note(u"damper")));
    QToolTip::hideText();
}

void tst_notes::whatsThisShowsTheNote()
{
    ProgramScope program;
    toTvDeadDiagram();
    frmLVPower& diagram = frmLVPower::get();
    diagram.Label12()->setFocus(); // "Linear", a box that opens a page
    QTest::keyClick(diagram.Label12(), Qt::Key_F1, Qt::ShiftModifier);
    QTRY_VERIFY(whatsThisPopup());
    QWhatsThis::hideText();
    QTRY_VERIFY(!whatsThisPopup());

    QWhatsThis::enterWhatsThisMode();
    click(diagram.control(QStringLiteral("Text8"))); // "Horizontal output amplifier", red
    QTRY_VERIFY(whatsThisPopup());
    QVERIFY(!QWhatsThis::inWhatsThisMode());
    QWhatsThis::hideText();

    // In a list, the note is the current item's.
    click(diagram.cmdReturn());
    ListBox* areas = frmDead::get().List2();
    QVERIFY(areas->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(frmDead::get().window()));
    click(areas->viewport());
    areas->setCurrentRow(4); // "Damper"
    QVERIFY(!noteOf(areas).isEmpty());
    QCOMPARE(noteOf(areas), areas->item(4)->data(Qt::WhatsThisRole).toString());
    QTest::keyClick(areas, Qt::Key_F1, Qt::ShiftModifier);
    QTRY_VERIFY(whatsThisPopup());
    QWhatsThis::hideText();
}

void tst_notes::readingSheetPutsRedAreasFirst()
{
    ProgramScope program;
    fw::test::openTvDeadSheet();
    frmLVPower& diagram = frmLVPower::get();
    frmNotes& sheet = frmNotes::get();
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmNotes"});
    QCOMPARE(sheet.window()->windowTitle(), QStringLiteral("Circuit Notes"));
    QString fault = fw::test::faultOfTvDeadSheet(sheet.Text1()->toPlainText());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    click(sheet.cmdPrint());
    QCOMPARE(program.services.printedDocuments.size(), std::size_t(1));
    fault = fw::test::faultOfTvDeadSheet(program.services.printedDocuments.front());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(program.services.messages.empty());

    program.services.printFailure = QStringLiteral("The notes could not be printed: no printer is set up.");
    click(sheet.cmdPrint());
    QCOMPARE(program.services.messages.size(), std::size_t(1));
    QCOMPARE(program.services.messages.front().title, QStringLiteral("Error"));
    QCOMPARE(program.services.messages.front().text, program.services.printFailure);
    QVERIFY(sheet.isShown());

    click(sheet.cmdReturn());
    settle();
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmLVPower"});
    QVERIFY(fw::test::paints(diagram.control(QStringLiteral("Text8")), colors::red));
}

void tst_notes::everyDiagramHasItsSheet_data()
{
    QTest::addColumn<QString>("diagram");
    QTest::newRow("low voltage") << "frmLVPower";
    QTest::newRow("front end") << "frmFront";
    QTest::newRow("video and color") << "frmColor";
}

// F1 on a diagram opens its sheet, each of its areas once; Return goes back to it.
void tst_notes::everyDiagramHasItsSheet()
{
    QFETCH(QString, diagram);
    ProgramScope program;
    Screen* shown = screenNamed(diagram);
    shown->Show();
    QVERIFY(QTest::qWaitForWindowActive(shown->window()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmNotes"});
    const QString text = frmNotes::get().Text1()->toPlainText();
    QVERIFY(text.startsWith(shown->caption()));
    QStringList titles;
    for (QWidget* w : shown->controls())
        if (const auto note = areanotes::note(areanotes::areaAt(diagram, w->objectName())))
            titles << note->title;
    titles.removeDuplicates();
    QVERIFY(titles.size() > 5);
    for (const QString& title : std::as_const(titles))
        QCOMPARE(text.count(title + QLatin1Char('\n')), 1);

    // The sheet opens with the safety rules that its areas carry, each once, before any area.
    QStringList carried;
    for (QWidget* w : shown->controls())
        for (const areanotes::Rule* rule : areanotes::rulesOf(areanotes::areaAt(diagram, w->objectName())))
            carried << QString::fromUtf8(rule->title);
    carried.removeDuplicates();
    QVERIFY(!carried.isEmpty());
    const qsizetype firstArea = text.indexOf(titles.first() + QLatin1Char('\n'));
    const qsizetype safety = text.indexOf(QLatin1String("Safety first"));
    QVERIFY(safety >= 0 && safety < firstArea);
    for (const areanotes::Rule& rule : areanotes::rules()) {
        const QString heading = QString::fromUtf8(rule.title) + QStringLiteral(". ");
        QCOMPARE(text.count(heading), carried.contains(QString::fromUtf8(rule.title)) ? 1 : 0);
        if (carried.contains(QString::fromUtf8(rule.title)))
            QVERIFY(text.indexOf(heading) < firstArea);
    }
    click(frmNotes::get().cmdReturn());
    settle();
    QCOMPARE(fw::test::shownScreens(), QStringList{diagram});
}

void tst_notes::sheetStartsInTheText_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("PageDown scrolls the notes") << QKeySequence(Qt::Key_PageDown) << true;
    QTest::newRow("Ctrl+End goes to their end") << QKeySequence(Qt::CTRL | Qt::Key_End) << true;
    QTest::newRow("Return prints nothing") << QKeySequence(Qt::Key_Return) << false;
    QTest::newRow("Enter prints nothing") << QKeySequence(Qt::Key_Enter) << false;
    QTest::newRow("Space prints nothing") << QKeySequence(Qt::Key_Space) << false;
}

// F1 leaves the keyboard in the notes: the page keys read on, and no key meant for the text prints.
void tst_notes::sheetStartsInTheText()
{
    QFETCH(QKeySequence, keys);
    QFETCH(bool, scrolls);
    ProgramScope program;
    fw::test::openTvDeadSheet();
    frmNotes& sheet = frmNotes::get();
    QVERIFY(QTest::qWaitForWindowActive(sheet.window()));
    QCOMPARE(QApplication::focusWidget(), sheet.Text1());
    QScrollBar* bar = sheet.Text1()->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QTest::keySequence(QApplication::focusWidget(), keys);
    QCOMPARE(bar->value() > 0, scrolls);
    QVERIFY(program.services.printedDocuments.empty());
    QVERIFY(sheet.isShown());
}

void tst_notes::picturesSayWhatTheNotesSay_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("area"); // whose note says it too; empty: the picture alone
    QTest::newRow("degaussing: withdrawn to 1.5 to 2 m") << "degaussing"
                                                         << "1.5 to 2 m"
                                                         << "degaussing";
    QTest::newRow("degaussing: edge-on") << "degaussing"
                                         << "edge-on to the screen"
                                         << "degaussing";
    QTest::newRow("degaussing: only then off") << "degaussing"
                                               << "Only then switch"
                                               << "degaussing";
    QTest::newRow("black and white: one example") << "bw-tube-bases"
                                                  << "one example"
                                                  << "";
    QTest::newRow("black and white: pinouts vary") << "bw-tube-bases"
                                                   << "Pinouts vary by tube type"
                                                   << "";
    QTest::newRow("black and white: anode recharges") << "bw-tube-bases"
                                                      << "charges up again"
                                                      << "picture-tube";
    QTest::newRow("black and white: implosion") << "bw-tube-bases"
                                                << "eye protection"
                                                << "picture-tube";
    QTest::newRow("black and white: the neck") << "bw-tube-bases"
                                               << "never lift"
                                               << "picture-tube";
    QTest::newRow("color: one example") << "color-tube-bases"
                                        << "one example"
                                        << "";
    QTest::newRow("color: pinouts vary") << "color-tube-bases"
                                         << "Pinouts vary by tube type"
                                         << "";
    QTest::newRow("color: small sets' anode") << "color-tube-bases"
                                              << "20-25 kV on small sets"
                                              << "";
    QTest::newRow("color: anode recharges") << "color-tube-bases"
                                            << "charges up again"
                                            << "picture-tube";
    QTest::newRow("color: implosion") << "color-tube-bases"
                                      << "eye protection"
                                      << "picture-tube";
    QTest::newRow("color: focus by probe") << "color-tube-bases"
                                           << "high voltage probe only"
                                           << "hv-rectifier";
}

void tst_notes::picturesSayWhatTheNotesSay()
{
    QFETCH(QString, picture);
    QFETCH(QString, phrase);
    QFETCH(QString, area);
    const QString words = wordsOf(QStringLiteral(":/assets/%1.svg").arg(picture));
    QVERIFY2(words.contains(phrase, Qt::CaseInsensitive), qPrintable(words));
    if (!area.isEmpty())
        QVERIFY(areanotes::note(area)->text.contains(phrase, Qt::CaseInsensitive));
}

// The convergence steps are worked live at the neck: the page's note, with its rule on that work, shows on
// the steps, prints after the screen and opens with F1, the rules before the note.
void tst_notes::convergencePageCarriesItsNote()
{
    ProgramScope program;
    frmConverg& page = frmConverg::get();
    page.Show();
    QVERIFY(QTest::qWaitForWindowActive(page.window()));
    const QString note = areanotes::note(u"convergence")->text;
    const QString rule = QStringLiteral("Live work at the neck");
    const QString yoke = QStringLiteral("bonded or wedged");
    QVERIFY(note.contains(rule));
    QCOMPARE(page.List1()->whatsThis(), note);

    click(page.cmdPrint());
    QCOMPARE(program.services.printed.size(), std::size_t(1));
    QCOMPARE(program.services.printedDocuments.size(), std::size_t(1));
    QVERIFY(program.services.printedDocuments.front().contains(rule));
    QVERIFY(program.services.printedDocuments.front().contains(yoke));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmNotes"});
    const QString sheet = frmNotes::get().Text1()->toPlainText();
    QVERIFY(sheet.contains(rule + QStringLiteral(". ")));
    QVERIFY(sheet.indexOf(rule) < sheet.indexOf(yoke));
    click(frmNotes::get().cmdReturn());
    settle();
    QCOMPARE(fw::test::shownScreens(), QStringList{"frmConverg"});
}

FW_TEST_MAIN(tst_notes)
#include "tst_notes.moc"
