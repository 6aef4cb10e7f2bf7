#pragma once
// The written notes, by area id, and the safety rules they share. Kept apart from the areas and places so
// that the text can be reviewed, counted and translated on its own.

#include "diagrams/areanotes.h"

#include <span>

namespace areanotes {

struct NoteText
{
    const char* id;
    const char* text;
};

std::span<const NoteText> noteTexts();

// The shared safety rules; rulesOf() says which areas carry which.
std::span<const Rule> ruleTexts();

} // namespace areanotes
