// The 26 letter keys: a click, or typing the letter, writes the key's glyph
// into the first free slot of the strip.
#pragma once

#include "events.h"

#include <QtGlobal>

#include <array>
#include <memory>
#include <string_view>

namespace compose {

struct LetterKey {
    const char* control;
    const char* letter;
    int glyph;               // index in the glyph set Image4
    int pressedFace, upFace; // indices in the key faces Image1
    const char* sign;        // what the glyph shows, as a screen reader says it
    const char* gardiner;    // the sign's Gardiner code; two for a group of two
    // The same signs in Unicode's Egyptian Hieroglyphs, one code point each,
    // as Unicode's own data names them ("EGYPTIAN HIEROGLYPH G001").
    std::u32string_view unicode;
};

// A to Z. L and R share a glyph, and so do Q and U. A letter's pressed face
// lies at 51 minus its up face's index. The sign names are translated in the
// context "sign".
inline constexpr std::array<LetterKey, 26> kLetterKeys = {{
    {"Image2", "A", 0, 51, 0, QT_TRANSLATE_NOOP("sign", "vulture"), "G1", U"\U0001313F"},
    {"Image5", "B", 2, 50, 1, QT_TRANSLATE_NOOP("sign", "foot"), "D58", U"\U000130C0"},
    {"Image6", "C", 3, 49, 2, QT_TRANSLATE_NOOP("sign", "basket with handle"), "V31",
     U"\U000133A1"},
    {"Image7", "D", 7, 48, 3, QT_TRANSLATE_NOOP("sign", "hand"), "D46", U"\U000130A7"},
    {"Image8", "E", 8, 47, 4, QT_TRANSLATE_NOOP("sign", "two reed leaves"), "M17A", U"\U000131CC"},
    {"Image9", "F", 10, 46, 5, QT_TRANSLATE_NOOP("sign", "horned viper"), "I9", U"\U00013191"},
    {"Image10", "G", 11, 45, 6, QT_TRANSLATE_NOOP("sign", "jar stand"), "W11", U"\U000133BC"},
    {"Image11", "H", 13, 44, 7, QT_TRANSLATE_NOOP("sign", "twisted flax"), "V28", U"\U0001339B"},
    {"Image12", "I", 14, 43, 8, QT_TRANSLATE_NOOP("sign", "reed leaf"), "M17", U"\U000131CB"},
    {"Image13", "J", 15, 42, 9, QT_TRANSLATE_NOOP("sign", "cobra"), "I10", U"\U00013193"},
    {"Image14", "K", 17, 41, 10, QT_TRANSLATE_NOOP("sign", "hill slope"), "N29", U"\U0001320E"},
    {"Image15", "L", 26, 40, 11, QT_TRANSLATE_NOOP("sign", "mouth"), "D21", U"\U0001308B"},
    {"Image16", "M", 19, 39, 12, QT_TRANSLATE_NOOP("sign", "owl"), "G17", U"\U00013153"},
    {"Image17", "N", 20, 38, 13, QT_TRANSLATE_NOOP("sign", "water"), "N35", U"\U00013216"},
    {"Image18", "O", 21, 37, 14, QT_TRANSLATE_NOOP("sign", "quail chick"), "G43", U"\U00013171"},
    {"Image19", "P", 23, 36, 15, QT_TRANSLATE_NOOP("sign", "stool"), "Q3", U"\U000132AA"},
    {"Image20", "Q", 33, 35, 16, QT_TRANSLATE_NOOP("sign", "reed leaf and quail chick"), "M17 G43",
     U"\U000131CB\U00013171"},
    {"Image21", "R", 26, 34, 17, QT_TRANSLATE_NOOP("sign", "mouth"), "D21", U"\U0001308B"},
    {"Image22", "S", 27, 33, 18, QT_TRANSLATE_NOOP("sign", "folded cloth"), "S29", U"\U000132F4"},
    {"Image23", "T", 29, 32, 19, QT_TRANSLATE_NOOP("sign", "bread loaf"), "X1", U"\U000133CF"},
    {"Image24", "U", 33, 31, 20, QT_TRANSLATE_NOOP("sign", "reed leaf and quail chick"), "M17 G43",
     U"\U000131CB\U00013171"},
    {"Image25", "V", 34, 30, 21, QT_TRANSLATE_NOOP("sign", "horned viper"), "I9", U"\U00013191"},
    {"Image26", "W", 32, 29, 22, QT_TRANSLATE_NOOP("sign", "quail chick"), "G43", U"\U00013171"},
    {"Image27", "X", 36, 28, 23, QT_TRANSLATE_NOOP("sign", "folded cloth"), "S29", U"\U000132F4"},
    {"Image28", "Y", 38, 27, 24, QT_TRANSLATE_NOOP("sign", "two reed leaves"), "M17A",
     U"\U000131CC"},
    {"Image29", "Z", 39, 26, 25, QT_TRANSLATE_NOOP("sign", "door bolt"), "O34", U"\U00013283"},
}};

// The sign a key writes, in the user's language.
QString signName(const LetterKey& key);

inline constexpr int kSlotCount = 12;
// The strip shows its first ten slots, and a save writes those ten; the two
// beyond them are seen nowhere, so the strip takes no letter past the tenth.
inline constexpr int kVisibleSlots = 10;

// The slots Image3(0) to Image3(11), looked up once when the handlers are
// bound, so a missing one stops the start, never a click.
using SlotStrip = std::array<toolkit::Control*, kSlotCount>;
SlotStrip slotStrip(toolkit::Form& form);

// Fills the first hidden slot of the strip with the glyph, and keeps the
// letter with it. A strip whose visible slots are all filled takes nothing:
// returns false.
bool writeGlyph(const SlotStrip& strip, const toolkit::Control& glyph, const char* letter);

// How many slots are filled, and the letters they were written with.
int filledSlots(const SlotStrip& strip);
QString writtenLetters(const SlotStrip& strip);

class StripHistory;
void bindLetterKeys(toolkit::Form& form, toolkit::EventRouter& events,
                    const std::shared_ptr<StripHistory>& history);

} // namespace compose
