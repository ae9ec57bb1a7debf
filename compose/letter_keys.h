// The 26 letter keys: a click writes the key's glyph into the first free slot.
#pragma once

#include "events.h"

#include <array>

namespace compose {

struct LetterKey {
    const char* control;
    const char* letter;
    int glyph;               // index in the glyph set Image4
    int pressedFace, upFace; // indices in the key faces Image1
    const char* sign;        // what the glyph shows, as a screen reader says it
};

// A to Z. L and R share a glyph, and so do Q and U. A letter's pressed face
// lies at 51 minus its up face's index.
inline constexpr std::array<LetterKey, 26> kLetterKeys = {{
    {"Image2", "A", 0, 51, 0, "vulture"},
    {"Image5", "B", 2, 50, 1, "foot"},
    {"Image6", "C", 3, 49, 2, "basket with handle"},
    {"Image7", "D", 7, 48, 3, "hand"},
    {"Image8", "E", 8, 47, 4, "two reed leaves"},
    {"Image9", "F", 10, 46, 5, "horned viper"},
    {"Image10", "G", 11, 45, 6, "jar stand"},
    {"Image11", "H", 13, 44, 7, "twisted flax"},
    {"Image12", "I", 14, 43, 8, "reed leaf"},
    {"Image13", "J", 15, 42, 9, "cobra"},
    {"Image14", "K", 17, 41, 10, "hill slope"},
    {"Image15", "L", 26, 40, 11, "mouth"},
    {"Image16", "M", 19, 39, 12, "owl"},
    {"Image17", "N", 20, 38, 13, "water"},
    {"Image18", "O", 21, 37, 14, "quail chick"},
    {"Image19", "P", 23, 36, 15, "stool"},
    {"Image20", "Q", 33, 35, 16, "reed leaf and quail chick"},
    {"Image21", "R", 26, 34, 17, "mouth"},
    {"Image22", "S", 27, 33, 18, "folded cloth"},
    {"Image23", "T", 29, 32, 19, "bread loaf"},
    {"Image24", "U", 33, 31, 20, "reed leaf and quail chick"},
    {"Image25", "V", 34, 30, 21, "horned viper"},
    {"Image26", "W", 32, 29, 22, "quail chick"},
    {"Image27", "X", 36, 28, 23, "folded cloth"},
    {"Image28", "Y", 38, 27, 24, "two reed leaves"},
    {"Image29", "Z", 39, 26, 25, "door bolt"},
}};

inline constexpr int kSlotCount = 12;

// The slots Image3(0) to Image3(11), looked up once when the handlers are
// bound, so a missing one stops the start, never a click.
using SlotStrip = std::array<toolkit::Control*, kSlotCount>;
SlotStrip slotStrip(toolkit::Form& form);

// Fills the first hidden slot of the strip with the glyph; a full strip
// takes nothing and says nothing.
void writeGlyph(const SlotStrip& strip, const toolkit::Control& glyph);

void bindLetterKeys(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace compose
