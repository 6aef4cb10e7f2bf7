#pragma once
// What every screen test shares: a program started afresh with recording services, and the ways a user
// acts on it and reads it.

#include "runtime/screen.h"
#include "runtime/services.h"

#include <QColor>
#include <QStringList>

namespace fw::test {

// The program as before start-up, with recording services, for the scope's life; on leaving, every
// screen is destroyed again, even when a check failed half-way.
class ProgramScope
{
public:
    ProgramScope();
    ~ProgramScope();
    ProgramScope(const ProgramScope&) = delete;
    ProgramScope& operator=(const ProgramScope&) = delete;

    RecordingServices services;

private:
    ServicesScope m_scope{services};
};

// The screens speak the language (a locale name: "en", "es", "pt_BR") for the scope's life; English again
// on leaving.
class LanguageScope
{
public:
    explicit LanguageScope(const QString& language);
    ~LanguageScope();
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// The languages every screen is checked in: English and each translation the program carries.
QStringList languages();

// Clicks a control as a user would (an option button on its indicator). Fails the test when the control
// cannot be seen.
void click(QWidget* control);
// Opens a drop-down list and clicks its item, as a user picks a problem area.
void choose(QWidget* combo, int item);
// Types text into the focused control of a window, then the given key.
void type(QWidget* control, const QString& text);

// Delivers what the event loop would between two user actions: posted events, then deferred deletions.
void settle();

// The names of the screens whose windows are on the display, in the order they were shown.
QStringList shownScreens();

// The colour actually painted at a point of a control (grabbed, not read from a property).
QColor paintedAt(QWidget* control, QPoint point);
QColor paintedCentre(QWidget* control);
// True when a good share of the control's pixels are painted in the colour.
bool paints(QWidget* control, const QColor& color, double share = 0.3);
// True when a diagram's box, picture or knob is painted as a problem area.
bool paintedRed(QWidget* control);
// True when the heavier black outline of a problem area is painted round the control, just outside it
// (read at two opposite corners, where no wire meets a box).
bool outlined(QWidget* control);

} // namespace fw::test

namespace fw::test {
// Runs a test object in an application set up as the program's own.
int runGuiTest(QObject& test, int argc, char** argv);
} // namespace fw::test

#define FW_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        TestClass test;                                                                                      \
        return fw::test::runGuiTest(test, argc, argv);                                                       \
    }
