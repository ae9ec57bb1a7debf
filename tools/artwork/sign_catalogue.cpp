// What each of the 30 glyph pictures shows: its Gardiner code, a name, and
// the Noto Sans Egyptian Hieroglyphs signs it is compared with.
#include "pictures.h"

namespace artwork {

std::vector<SignEntry> signCatalogue() {
    constexpr char32_t G1 = 0x1313F, D36 = 0x1309D, D58 = 0x130C0, V31 = 0x133A1, V31A = 0x133A2,
                       N29 = 0x1320E, S29 = 0x132F4, V13 = 0x1337F, D46 = 0x130A7, M17 = 0x131CB,
                       M17A = 0x131CC, I9 = 0x13191, W11 = 0x133BC, O4 = 0x13254, V28 = 0x1339B,
                       I10 = 0x13193, D21 = 0x1308B, G17 = 0x13153, N35 = 0x13216, G43 = 0x13171,
                       Q3 = 0x132AA, N37 = 0x13219, X1 = 0x133CF, F32 = 0x13121, Aa1 = 0x1340D,
                       O34 = 0x13283;
    return {
        {0, "G1", "vulture", {G1}},
        {1, "D36", "forearm", {D36}},
        {2, "D58", "foot", {D58}},
        {3, "V31", "basket with handle", {V31}},
        {4, "N29", "hill slope, rounded", {N29}},
        {5, "S29", "folded cloth", {S29}},
        {6, "V13", "tethering rope", {V13}},
        {7, "D46", "hand", {D46}},
        {8, "M17 x2", "two reed leaves", {M17A}},
        {10, "I9", "horned viper", {I9}},
        {11, "W11", "jar stand", {W11}},
        {12, "O4", "reed shelter", {O4}},
        {13, "V28", "twisted flax", {V28}},
        {14, "M17", "reed leaf", {M17}},
        {15, "I10", "cobra", {I10}},
        {16, "V31", "basket, closed handle", {V31A}},
        {17, "N29", "hill slope, pointed", {N29}},
        {18, "D21", "mouth", {D21}},
        {19, "G17", "owl", {G17}},
        {20, "N35", "water", {N35}},
        {21, "G43", "quail chick", {G43}},
        {23, "Q3", "stool", {Q3}},
        {25, "V31 G43", "basket and quail chick", {V31, G43}},
        {28, "N37", "pool", {N37}},
        {29, "X1", "bread loaf", {X1}},
        {30, "F32", "belly with teats", {F32}},
        {31, "Aa1", "placenta", {Aa1}},
        {33, "M17 G43", "reed leaf and quail chick", {M17, G43}},
        {37, "M17", "reed leaf, second drawing", {M17}},
        {39, "O34", "door bolt", {O34}},
    };
}

} // namespace artwork
