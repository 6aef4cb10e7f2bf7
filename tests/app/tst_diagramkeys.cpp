// The block diagrams from the keyboard and the mouse: Tab reads a diagram like a page, a knob shows its
// note on hover as a box does, and Shift+F1 where nothing has a note neither enters What's This mode nor
// lets Escape close the screen from it.

#include "calculators/frmFreq.h"
#include "calculators/frmMarkings.h"
#include "diagrams/frmColor.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmLVPower.h"
#include "support/program.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWhatsThis>

#include <functional>

using namespace fw;
using fw::test::ProgramScope;

namespace {
using Open = std::function<Screen&()>;

template <class T> Open screen()
{
    return []() -> Screen& {
        T::get().Show();
        if (!QTest::qWaitForWindowActive(T::get().window()))
            qWarning("%s never became the active window", qPrintable(T::get().name()));
        return T::get();
    };
}

// The controls Tab stops on in one round, by design name.
QStringList tabRound()
{
    QStringList round;
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        if (round.contains(name))
            break;
        round << name;
    }
    return round;
}
} // namespace

class tst_diagramkeys : public QObject
{
    Q_OBJECT
private slots:
    void tabReadsTheDrawing_data();
    void tabReadsTheDrawing();
    void knobShowsItsNote_data();
    void knobShowsItsNote();
    void shiftF1WhereNothingHasANote_data();
    void shiftF1WhereNothingHasANote();
};

void tst_diagramkeys::tabReadsTheDrawing_data()
{
    QTest::addColumn<Open>("open");
    QTest::addColumn<QStringList>("first"); // the first stops of the round, from the top left
    QTest::addColumn<QStringList>("last");  // its last stops: the bottom row, then the buttons
    QTest::newRow("low voltage") << screen<frmLVPower>() << QStringList{"Text1", "Text2", "Text3", "Text4"}
                                 << QStringList{"Text15", "Text16", "Text17", "cmdReturn", "cmdQuit"};
    QTest::newRow("front end") << screen<frmFront>() << QStringList{"Text1", "Text3", "Text8"}
                               << QStringList{"Shape2", "Shape3", "cmdReturn", "cmdQuit"};
    QTest::newRow("video and colour")
        << screen<frmColor>() << QStringList{"Text16", "Text1", "Text2", "Text3"}
        << QStringList{"Shape7", "Shape8", "cmdReturn", "cmdQuit"};
}

// The diagram opens with nothing but its window focused; then Tab runs over the boxes row by row, then the
// buttons, and reaches every box, knob and picture with a note.
void tst_diagramkeys::tabReadsTheDrawing()
{
    QFETCH(Open, open);
    QFETCH(QStringList, first);
    QFETCH(QStringList, last);
    ProgramScope program;
    Screen& diagram = open();
    QCOMPARE(QApplication::focusWidget(), diagram.window());
    const QStringList round = tabRound();
    QVERIFY2(round.size() > first.size() + last.size(), qPrintable(round.join(u' ')));
    QCOMPARE(round.mid(0, first.size()), first);
    QCOMPARE(round.mid(round.size() - last.size()), last);
    for (QWidget* control : diagram.controls())
        if (!qobject_cast<QLabel*>(control) && !control->whatsThis().isEmpty() && control->isVisible())
            QVERIFY2(round.contains(control->objectName()), qPrintable(control->objectName()));
}

void tst_diagramkeys::knobShowsItsNote_data()
{
    QTest::addColumn<Open>("open");
    QTest::addColumn<QString>("knob");
    QTest::newRow("Noise level") << screen<frmLVPower>() << "Shape1";
    QTest::newRow("Volume") << screen<frmFront>() << "Shape1";
    QTest::newRow("Delay") << screen<frmFront>() << "Shape2";
    QTest::newRow("AGC") << screen<frmFront>() << "Shape3";
    QTest::newRow("Tint") << screen<frmColor>() << "Shape6";
}

// The mouse resting on the middle of a knob shows the knob's note.
void tst_diagramkeys::knobShowsItsNote()
{
    QFETCH(Open, open);
    QFETCH(QString, knob);
    ProgramScope program;
    Screen& diagram = open();
    QWidget* window = diagram.window();
    QWidget* shape = diagram.control(knob);
    QVERIFY(!shape->toolTip().isEmpty());
    const QPoint at = shape->mapTo(window, shape->rect().center());
    QWidget* under = window->childAt(at);
    QVERIFY(under);
    QHelpEvent hover(QEvent::ToolTip, under->mapFrom(window, at), window->mapToGlobal(at));
    QApplication::sendEvent(under, &hover);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), shape->toolTip());
    QToolTip::hideText();
}

void tst_diagramkeys::shiftF1WhereNothingHasANote_data()
{
    QTest::addColumn<Open>("open");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("whatsThis"); // What's This mode is entered
    QTest::newRow("component markings") << screen<frmMarkings>() << "cmdReturn" << false;
    QTest::newRow("channel converter") << screen<frmFreq>() << "Text8" << false;
    QTest::newRow("low voltage, on Return") << screen<frmLVPower>() << "cmdReturn" << true;
}

// Where nothing has a note Shift+F1 beeps and says so; Escape then closes that message and the screen stays.
// Where the focused control has none but others do, What's This mode waits for a click; Escape leaves the
// mode and the screen stays.
void tst_diagramkeys::shiftF1WhereNothingHasANote()
{
    QFETCH(Open, open);
    QFETCH(QString, focus);
    QFETCH(bool, whatsThis);
    ProgramScope program;
    Screen& shown = open();
    QWidget* focused = shown.control(focus);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(QWhatsThis::inWhatsThisMode(), whatsThis);
    QCOMPARE(program.services.beeps, whatsThis ? 0 : 1);
    if (!whatsThis) {
        QWidget* message = QApplication::activePopupWidget();
        QVERIFY(message);
        QTest::keyClick(message, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(fw::test::shownScreens(), QStringList{shown.name()});
        return;
    }
    QTest::keyClick(focused, Qt::Key_Escape);
    const bool left = !QWhatsThis::inWhatsThisMode();
    QWhatsThis::leaveWhatsThisMode(); // whatever happened, the next row starts outside the mode
    QVERIFY(left);
    QCOMPARE(fw::test::shownScreens(), QStringList{shown.name()});
}

FW_TEST_MAIN(tst_diagramkeys)
#include "tst_diagramkeys.moc"
