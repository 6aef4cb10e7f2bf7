#pragma once
// Circuit notes, shown the desktop way: hovering a control shows the note's first sentence; Shift+F1 on
// the focused control, or a click in What's This mode, shows the whole note; and the whole note is the
// control's accessible description, so that a screen reader reads it. A list's or drop-down list's items
// carry their own notes the same way, in their item roles. Nothing here moves or resizes a control.

#include <QHash>
#include <QString>

#include <vector>

class QWidget;

namespace fw {

// A circuit area's note as one screen shows it: on its control `control`, or on the item of that list whose
// text is `item`.
struct PlacedNote
{
    QString control;
    QString item; // empty: the control itself
    QString summary;
    QString text;
};

// Where the notes come from: every note a screen shows, by the screen's name. The program names it at
// start-up, since the runtime knows none of the program's areas; until then screens load without notes.
using NoteLookup = std::vector<PlacedNote> (*)(const QString& screen);
void setNoteLookup(NoteLookup lookup);

// Gives a control its note; `summary` is the note's first sentence.
void attachNote(QWidget* control, const QString& summary, const QString& note);
// Gives item `item` of a list box or drop-down list its note.
void attachNote(QWidget* list, int item, const QString& summary, const QString& note);

// Gives every control and item of a screen that shows a circuit area that area's note, as the note lookup
// places them; `controls` are the screen's controls by design name.
void attachNotes(const QString& screen, const QHash<QString, QWidget*>& controls);

// The note a control or its current item shows; empty when it has none.
QString noteOf(const QWidget* control);

// While one lives, screens load without their notes: a screen can then be compared with itself with and
// without them.
class WithoutNotes
{
public:
    WithoutNotes();
    ~WithoutNotes();
    WithoutNotes(const WithoutNotes&) = delete;
    WithoutNotes& operator=(const WithoutNotes&) = delete;

private:
    bool m_before;
};

// Shift+F1 in the window: shows the note of the focused control (of its current item in a list), or, where
// the focused control has none, enters What's This mode so that a click shows the note of what is clicked.
// Where nothing in the window has a note, it beeps and leaves the window as it was.
void offerNotes(QWidget* window);

} // namespace fw
