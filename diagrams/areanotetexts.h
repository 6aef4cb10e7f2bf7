#pragma once
// The written notes, by area id. Kept apart from the areas and places so that the text can be reviewed,
// counted and translated on its own.

#include <span>

namespace areanotes {

struct NoteText
{
    const char* id;
    const char* text;
};

std::span<const NoteText> noteTexts();

} // namespace areanotes
