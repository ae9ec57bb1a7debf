// Keys and buttons show a pressed face while a mouse button is held on them.
#pragma once

#include "events.h"

#include <array>

namespace compose {

struct Faces {
    const char* control;
    const char* store; // the hidden control array holding the faces
    int pressed, up;   // indices in that store
};

// A letter's pressed face lies at 51 minus its up face's index.
inline constexpr std::array<Faces, 28> kFaces = {{
    {"Image2", "Image1", 51, 0},   {"Image5", "Image1", 50, 1},
    {"Image6", "Image1", 49, 2},   {"Image7", "Image1", 48, 3},
    {"Image8", "Image1", 47, 4},   {"Image9", "Image1", 46, 5},
    {"Image10", "Image1", 45, 6},  {"Image11", "Image1", 44, 7},
    {"Image12", "Image1", 43, 8},  {"Image13", "Image1", 42, 9},
    {"Image14", "Image1", 41, 10}, {"Image15", "Image1", 40, 11},
    {"Image16", "Image1", 39, 12}, {"Image17", "Image1", 38, 13},
    {"Image18", "Image1", 37, 14}, {"Image19", "Image1", 36, 15},
    {"Image20", "Image1", 35, 16}, {"Image21", "Image1", 34, 17},
    {"Image22", "Image1", 33, 18}, {"Image23", "Image1", 32, 19},
    {"Image24", "Image1", 31, 20}, {"Image25", "Image1", 30, 21},
    {"Image26", "Image1", 29, 22}, {"Image27", "Image1", 28, 23},
    {"Image28", "Image1", 27, 24}, {"Image29", "Image1", 26, 25},
    {"Image32", "Image34", 0, 2}, // Save
    {"Image33", "Image34", 1, 3}, // Clear
}};

// Press shows the pressed face, release the up face, for every mouse button.
// The backdrop panel gets no such handlers: it would turn into a stretched key.
void bindPressFeedback(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace compose
