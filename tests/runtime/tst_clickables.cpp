// Boxes, labels and pictures that open something when clicked act as push buttons do, and can be worked
// from the keyboard too.

#include "runtime/screen.h"
#include "support/program.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace fw;
using fw::test::ProgramScope;

namespace {
class frmBoxes : public Form<frmBoxes>
{
public:
    frmBoxes() : Form(QStringLiteral("frmBoxes"), QStringLiteral("Boxes"), QSize(6000, 3000)) {}

    FW_CONTROL(TextArea, Text1)
    FW_CONTROL(TextArea, Text2)
    FW_CONTROL(Label, Label1)
    FW_CONTROL(PictureBox, Picture1)

protected:
    Design design() const override
    {
        return {
            textArea("Text1", "reading matter", 150, 150, 1500, 600).readOnly(),
            textArea("Text2", "editable", 1800, 150, 1500, 600),
            label("Label1", "Open", 3450, 150, 1500, 375).bordered(),
            picture("Picture1", ":/assets/loudspeaker.svg", 150, 1200, 900, 900),
        };
    }
};
} // namespace

class tst_clickables : public QObject
{
    Q_OBJECT
private slots:
    void clickIsLeftPressAndReleaseInside_data();
    void clickIsLeftPressAndReleaseInside();
    void labelAndPictureClickAsAButtonDoes_data();
    void labelAndPictureClickAsAButtonDoes();
    void readOnlyAreaTakesEnterAsClick_data();
    void readOnlyAreaTakesEnterAsClick();
    void editableAreaKeepsEnterForText();
    void focusedLabelShowsItsFocus();
};

void tst_clickables::clickIsLeftPressAndReleaseInside_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("pressAt"); // from the control's centre
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");
    const QPoint here(0, 0);
    const QPoint away(0, 400); // well below the control
    for (const char* control : {"Text1", "Label1", "Picture1"}) {
        QTest::addRow("%s: left click", control) << control << int(Qt::LeftButton) << here << here << 1;
        QTest::addRow("%s: right click", control) << control << int(Qt::RightButton) << here << here << 0;
        QTest::addRow("%s: middle click", control) << control << int(Qt::MiddleButton) << here << here << 0;
        QTest::addRow("%s: dragged off before release", control)
            << control << int(Qt::LeftButton) << here << away << 0;
        QTest::addRow("%s: released without a press on it", control)
            << control << int(Qt::LeftButton) << away << here << 0;
    }
}

void tst_clickables::clickIsLeftPressAndReleaseInside()
{
    QFETCH(QString, control);
    QFETCH(int, button);
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    ProgramScope program;
    frmBoxes::get().Show();
    QWidget* w = frmBoxes::get().control(control);
    QSignalSpy spy(w, SIGNAL(Click()));
    // The mouse acts on a box's page, as it does on the display.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        w = area->viewport();
    const auto at = [w](QPoint offset) { return w->rect().center() + offset; };
    const auto mouse = Qt::MouseButton(button);
    // A press that starts elsewhere is the window's; only the release reaches the control.
    if (w->rect().contains(at(pressAt)))
        QTest::mousePress(w, mouse, Qt::NoModifier, at(pressAt));
    QTest::mouseRelease(w, mouse, Qt::NoModifier, at(releaseAt));
    QCOMPARE(spy.count(), clicks);
}

// A double-click is two clicks, as on a push button; a disabled control takes neither the mouse nor the keys.
void tst_clickables::labelAndPictureClickAsAButtonDoes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    for (const char* control : {"Label1", "Picture1"}) {
        QTest::addRow("%s: double-clicked", control) << control << true << 2;
        QTest::addRow("%s: disabled", control) << control << false << 0;
    }
}

void tst_clickables::labelAndPictureClickAsAButtonDoes()
{
    QFETCH(QString, control);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    ProgramScope program;
    frmBoxes::get().Show();
    QWidget* w = frmBoxes::get().control(control);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setEnabled(enabled);
    QSignalSpy spy(w, SIGNAL(Click()));
    const QPoint centre = w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, centre);
    // The second press of a double-click comes as a double-click event.
    QMouseEvent second(QEvent::MouseButtonDblClick, centre, w->mapToGlobal(centre), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &second);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, centre);
    if (!enabled)
        QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(spy.count(), clicks);
}

void tst_clickables::readOnlyAreaTakesEnterAsClick_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Enter") << int(Qt::Key_Return) << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 1;
    QTest::newRow("Space") << int(Qt::Key_Space) << 1;
    QTest::newRow("a letter") << int(Qt::Key_A) << 0;
}

void tst_clickables::readOnlyAreaTakesEnterAsClick()
{
    QFETCH(int, key);
    QFETCH(int, clicks);
    ProgramScope program;
    frmBoxes::get().Show();
    TextArea* area = frmBoxes::get().Text1();
    QSignalSpy spy(area, &TextArea::Click);
    QTest::keyClick(area, Qt::Key(key));
    QCOMPARE(spy.count(), clicks);
    QCOMPARE(area->Text(), QStringLiteral("reading matter"));
}

void tst_clickables::editableAreaKeepsEnterForText()
{
    ProgramScope program;
    frmBoxes::get().Show();
    TextArea* area = frmBoxes::get().Text2();
    QSignalSpy clicks(area, &TextArea::Click);
    QSignalSpy keys(area, &TextArea::KeyPress);
    area->setFocus();
    area->moveCursor(QTextCursor::End);
    QTest::keyClick(area, Qt::Key_Return);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.first().first().toInt(), 13);
    QCOMPARE(area->Text(), QStringLiteral("editable\n"));
}

void tst_clickables::focusedLabelShowsItsFocus()
{
    ProgramScope program;
    frmBoxes::get().Show();
    Label* label = frmBoxes::get().Label1();
    label->setFocusPolicy(Qt::StrongFocus);
    QVERIFY(QTest::qWaitForWindowActive(frmBoxes::get().window()));
    frmBoxes::get().Text2()->setFocus();
    const QImage unfocused = label->grab().toImage();
    // The style shows focus once the keyboard has moved it.
    QTest::keyClick(frmBoxes::get().Text2(), Qt::Key_Tab);
    QVERIFY(label->hasFocus());
    QVERIFY(label->grab().toImage() != unfocused);
    QSignalSpy spy(label, &Label::Click);
    QTest::keyClick(label, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
}

FW_TEST_MAIN(tst_clickables)
#include "tst_clickables.moc"
