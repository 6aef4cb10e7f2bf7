#pragma once
// The bench notes of the circuit areas the program names: one note per area, keyed by an id that does not
// depend on any screen, so that a box on a diagram and the same stage in a symptom list share it. The notes
// are data: the list of areas, the note texts, and where each area appears on the screens.

#include <QAnyStringView>
#include <QString>

#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

namespace areanotes {

// A circuit area the program names. `hazard` is set where the stage carries mains voltage, B+ or high
// voltage, sits at the picture tube or can be made live by a leak: its note then carries at least one of the
// shared safety rules.
struct Area
{
    const char* id;
    const char* title;
    bool hazard;
};

// A safety rule that holds for many areas, written once and attached to each area it concerns.
struct Rule
{
    const char* id;
    const char* title;
    const char* text;
};

// What is written about an area: plain text, paragraphs separated by a blank line. The first sentence
// stands alone as a one-line summary (a tooltip). `text` is the whole note as every place shows it: the
// area's own paragraphs (`body`), then one paragraph per rule it carries: kSafety, the rule's title, its
// text.
struct Note
{
    QString id;
    QString title;
    QString text;
    QString body;
    std::vector<const Rule*> rules;
};

// How an area shows on a screen.
enum class Kind {
    Box,     // a block of a diagram
    Page,    // a box of a diagram that opens a reference page
    Knob,    // an adjustment knob of a diagram
    Picture, // a picture of a diagram
    Caption, // the caption of a knob or of a picture, beside it
    Item,    // an item of a problem-area list or drop-down list
    Line,    // a fixed problem-area line (a read-only text box)
    Steps,   // the list of steps of a procedure page
};

// One control, or one item of a list or drop-down list, that shows an area. `item` is the item's text as
// the control lists it; null for the control as a whole.
struct Place
{
    const char* screen;
    const char* control;
    const char* item;
    Kind kind;
    const char* id;
};

// Each safety rule's paragraph in a note begins with these words.
inline constexpr const char* kSafety = "Safety:";

// Every area, in the order of the diagrams: power and deflection, front end, video and colour.
std::span<const Area> areas();

// Every control and item that shows an area.
std::span<const Place> places();

// Every shared safety rule, in the order a reading sheet lists them.
std::span<const Rule> rules();

// Which rules, by id, each area carries; an area that carries none is not listed.
struct AreaRules
{
    const char* area;
    std::initializer_list<const char*> rules;
};
std::span<const AreaRules> areaRules();

// The rules an area carries, in the order of rules(); none for an unknown id.
std::vector<const Rule*> rulesOf(QAnyStringView id);

// The area of an id; null for an unknown id.
const Area* findArea(QAnyStringView id);

// The note of an area; nothing for an unknown id or an area whose note is not written.
std::optional<Note> note(QAnyStringView id);

// Every written note, in the order of areas().
std::vector<Note> notes();

// The note's first sentence, for a tooltip.
QString summary(const Note& note);

// The area a control, or one of its items, shows on a screen; empty when it shows none. A null or empty
// item asks about the control as a whole.
QString areaAt(QAnyStringView screen, QAnyStringView control, QAnyStringView item = {});

} // namespace areanotes
