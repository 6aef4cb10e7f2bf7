#pragma once

#include "diagrams/areanotes.h"
#include "runtime/screen.h"

#include <vector>

// A diagram's circuit notes as a reading sheet: the safety rules its areas carry, each once, then the notes
// of the areas the diagram marks in red, then those of its other areas, each area once and naming its rules.
// F1 on a diagram opens it with the keyboard in the text; it prints, and Return goes back to the diagram as
// it was left.
class frmNotes : public fw::Form<frmNotes>
{
public:
    frmNotes();

    FW_CONTROL(CommandButton, cmdPrint)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(TextArea, Text1) // the notes
    FW_CONTROL(Label, Label1)

    // Makes F1 on the diagram's window open its notes; a diagram calls it from its wire().
    static void offerOn(fw::Screen& diagram);
    // Shows the notes of the diagram, which steps aside until Return.
    void open(fw::Screen& diagram);

    struct Entry
    {
        QString title;
        QString note; // the area's own paragraphs
        std::vector<const areanotes::Rule*> rules;
        bool marked = false; // red on the diagram
    };
    // The areas a loaded diagram shows, marked ones first, each group in reading order, each area once.
    static std::vector<Entry> notesOf(fw::Screen& diagram);
    // The rules that the entries carry, each once, in the order of areanotes::rules().
    static std::vector<const areanotes::Rule*> rulesOf(const std::vector<Entry>& entries);

protected:
    fw::Design design() const override;
    QStringList tabOrder() const override;
    void wire() override;
    void Form_Load() override;

private:
    QStringList sheet() const; // the notes, one paragraph of HTML a line

    void cmdPrint_Click();
    void cmdReturn_Click();

    fw::Screen* m_diagram = nullptr;
    std::vector<Entry> m_entries;
};
