// The 26 letter keys: a click writes the key's glyph into the first free slot.
#pragma once

#include "events.h"

#include <array>

namespace compose {

struct LetterKey {
    const char* control;
    const char* letter;
    int glyph; // index in the glyph set Image4
};

// A to Z. L and R share a glyph, and so do Q and U.
inline constexpr std::array<LetterKey, 26> kLetterKeys = {{
    {"Image2", "A", 0},   {"Image5", "B", 2},   {"Image6", "C", 3},   {"Image7", "D", 7},
    {"Image8", "E", 8},   {"Image9", "F", 10},  {"Image10", "G", 11}, {"Image11", "H", 13},
    {"Image12", "I", 14}, {"Image13", "J", 15}, {"Image14", "K", 17}, {"Image15", "L", 26},
    {"Image16", "M", 19}, {"Image17", "N", 20}, {"Image18", "O", 21}, {"Image19", "P", 23},
    {"Image20", "Q", 33}, {"Image21", "R", 26}, {"Image22", "S", 27}, {"Image23", "T", 29},
    {"Image24", "U", 33}, {"Image25", "V", 34}, {"Image26", "W", 32}, {"Image27", "X", 36},
    {"Image28", "Y", 38}, {"Image29", "Z", 39},
}};

inline constexpr int kSlotCount = 12;

// Fills the first hidden slot of the strip with the glyph; a full strip
// takes nothing and says nothing.
void writeGlyph(toolkit::Form& form, int glyph);

void bindLetterKeys(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace compose
