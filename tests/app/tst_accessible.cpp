// Every control of every screen tells assistive technology what it is: a caption, or words of its own for
// a control that has none (a swatch its colour, a knob its caption, a picture what it shows).

#include "app/frmOne.h"
#include "app/screens.h"
#include "calculators/frmCodes.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagrams/frmLVPower.h"
#include "support/program.h"

#include <QAccessibleActionInterface>
#include <QTest>

using namespace fw;
using fw::test::ProgramScope;

namespace {
// The words a knob's caption label shows, when one of the screen's labels carries them.
bool aLabelReads(Screen& screen, const QString& text)
{
    for (QWidget* w : screen.controls())
        if (auto* label = qobject_cast<Label*>(w); label && label->text().simplified() == text)
            return true;
    return false;
}
} // namespace

class tst_accessible : public QObject
{
    Q_OBJECT
private slots:
    void everyScreenIsWalked();
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void swatchesSayTheirColour_data();
    void swatchesSayTheirColour();
    void knobsSayTheirCaption_data();
    void knobsSayTheirCaption();
    void problemAreaListsSayWhatTheyHold();
    void highlightedPictureStillSaysWhatItShows();
    void windowIsAFrameNamedByItsCaption_data();
    void windowIsAFrameNamedByItsCaption();
    void optionActionOpensItsScreen_data();
    void optionActionOpensItsScreen();
    void aLabelIsReadWithTheTextItShows();
};

void tst_accessible::everyScreenIsWalked()
{
    ProgramScope program;
    const std::vector<Screen*> listed = nameEveryScreen();
    QCOMPARE(listed.size(), screenAccessors().size());
    // Loading a screen names the screens whose flags it reads; none of them is missing from the walk.
    for (Screen* screen : listed)
        screen->Load();
    QCOMPARE(Registry::instance().screens().size(), listed.size());
}

// In every language the program speaks.
void tst_accessible::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : fw::test::languages())
        QTest::newRow(qPrintable(language)) << language;
}

void tst_accessible::everyControlIsNamed()
{
    QFETCH(QString, language);
    ProgramScope program;
    fw::test::LanguageScope speaking(language);
    const QString picture = QCoreApplication::translate("fw::Screen", "picture");
    QStringList unnamed;
    for (Screen* screen : nameEveryScreen()) {
        for (QWidget* w : screen->controls()) {
            if (qobject_cast<Line*>(w))
                continue; // a wire of a drawing, not a control
            const QString where = screen->name() + QLatin1Char('.') + w->objectName();
            // What a screen reader is told (a label says what it shows, or what it is while it is empty).
            QAccessibleInterface* told = QAccessible::queryAccessibleInterface(w);
            const QString name = told ? told->text(QAccessible::Name) : QString();
            // A design name ("Shape3", "Combo1") tells a listener nothing.
            if (name.isEmpty() || name == w->objectName() || name == picture)
                unnamed << where + QStringLiteral(" \"") + name + QLatin1Char('"');
            if (qobject_cast<Shape*>(w) && language == QLatin1String("en") &&
                !name.endsWith(QLatin1String(" knob")))
                unnamed << where + QStringLiteral(" is a knob but says \"") + name + QLatin1Char('"');
            if (qobject_cast<PictureBox*>(w) && w->accessibleDescription().size() < 10)
                unnamed << where + QStringLiteral(" describes no drawing");
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
}

void tst_accessible::swatchesSayTheirColour_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("colour");
    const QStringList colours{"black", "brown",  "red",  "orange", "yellow", "green",
                              "blue",  "violet", "gray", "white",  "gold",   "silver"};
    for (int i = 0; i < colours.size(); ++i)
        QTest::newRow(qPrintable(colours[i])) << QStringLiteral("Text%1").arg(i + 1) << colours[i];
}

void tst_accessible::swatchesSayTheirColour()
{
    QFETCH(QString, box);
    QFETCH(QString, colour);
    ProgramScope program;
    QWidget* swatch = frmCodes::get().control(box);
    QCOMPARE(swatch->accessibleName().toLower(), colour);
    QVERIFY(swatch->focusPolicy() & Qt::TabFocus);
}

void tst_accessible::knobsSayTheirCaption_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("knob");
    QTest::addColumn<QString>("name");
    QTest::newRow("low voltage: vertical hold") << "frmLVPower"
                                                << "Shape2"
                                                << "Vertical Hold knob";
    QTest::newRow("low voltage: horizontal hold") << "frmLVPower"
                                                  << "Shape6"
                                                  << "Horizontal Hold knob";
    QTest::newRow("low voltage: noise level") << "frmLVPower"
                                              << "Shape1"
                                              << "Noise level knob";
}

void tst_accessible::knobsSayTheirCaption()
{
    QFETCH(QString, screen);
    QFETCH(QString, knob);
    QFETCH(QString, name);
    ProgramScope program;
    const std::vector<Screen*> screens = nameEveryScreen();
    Screen* found = nullptr;
    for (Screen* s : screens)
        if (s->name() == screen)
            found = s;
    QVERIFY(found);
    QCOMPARE(found->control(knob)->accessibleName(), name);
    // And on every screen, each knob is named after a caption the screen shows.
    for (Screen* s : screens)
        for (QWidget* w : s->controls())
            if (qobject_cast<Shape*>(w)) {
                QString caption = w->accessibleName();
                caption.chop(5);
                QVERIFY2(aLabelReads(*s, caption),
                         qPrintable(s->name() + QLatin1Char('.') + w->objectName()));
            }
}

void tst_accessible::problemAreaListsSayWhatTheyHold()
{
    ProgramScope program;
    for (Screen* s : std::initializer_list<Screen*>{&frmPicture::get(), &frmProblems::get()})
        for (QWidget* w : s->controls())
            if (qobject_cast<ComboBox*>(w))
                QCOMPARE(w->accessibleName(), QStringLiteral("Problem areas"));
}

void tst_accessible::highlightedPictureStillSaysWhatItShows()
{
    ProgramScope program;
    auto* tube = frmLVPower::get().control<PictureBox>(QStringLiteral("Picture1"));
    const QString shows = tube->accessibleDescription();
    QVERIFY(shows.contains(QLatin1String("picture tube")));
    highlight(tube);
    highlight(tube); // a second time says it once
    QCOMPARE(tube->accessibleDescription(), shows + QStringLiteral("; problem area"));
}

void tst_accessible::windowIsAFrameNamedByItsCaption_data()
{
    everyControlIsNamed_data();
}

void tst_accessible::windowIsAFrameNamedByItsCaption()
{
    QFETCH(QString, language);
    ProgramScope program;
    fw::test::LanguageScope speaking(language);
    for (Screen* screen : nameEveryScreen()) {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(screen->window());
        QVERIFY(window);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), screen->caption());
    }
}

// An option is a radio button, and pressing it through assistive technology does what a click does: the
// menu's symptom opens its screen.
void tst_accessible::optionActionOpensItsScreen_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("press") << QAccessibleActionInterface::pressAction();
    QTest::newRow("toggle") << QAccessibleActionInterface::toggleAction();
}

void tst_accessible::optionActionOpensItsScreen()
{
    QFETCH(QString, action);
    ProgramScope program;
    frmOne::get().Show();
    OptionButton* option = frmOne::get().Option1();
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(option);
    QVERIFY(told && told->actionInterface());
    QCOMPARE(told->role(), QAccessible::RadioButton);
    QVERIFY(told->state().checkable && !told->state().checked);
    QVERIFY(told->actionInterface()->actionNames().contains(action));
    told->actionInterface()->doAction(action);
    fw::test::settle();
    QCOMPARE(fw::test::shownScreens(), QStringList{QStringLiteral("frmDead")});
    QVERIFY(told->state().checked);
}

// On every screen, whatever a label shows is what a screen reader reads, even when the label was given a
// name: that name, what the label is, becomes its description.
void tst_accessible::aLabelIsReadWithTheTextItShows()
{
    ProgramScope program;
    QStringList hidden;
    for (Screen* screen : nameEveryScreen()) {
        for (QWidget* w : screen->controls()) {
            auto* label = qobject_cast<Label*>(w);
            if (!label)
                continue;
            const QString where = screen->name() + QLatin1Char('.') + w->objectName();
            const QString was = label->accessibleName();
            for (const QString& text :
                 {QStringLiteral("A single bright horizontal line"), QStringLiteral("Two")}) {
                label->setText(text);
                QAccessibleInterface* told = QAccessible::queryAccessibleInterface(label);
                if (!told || told->text(QAccessible::Name) != text)
                    hidden << where + QStringLiteral(" reads \"") +
                                  (told ? told->text(QAccessible::Name) : QString()) + QLatin1Char('"');
                if (!was.isEmpty() && was != text && told && told->text(QAccessible::Description).isEmpty())
                    hidden << where + QStringLiteral(" no longer says what it is");
            }
        }
    }
    QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QLatin1Char('\n'))));
}

FW_TEST_MAIN(tst_accessible)
#include "tst_accessible.moc"
