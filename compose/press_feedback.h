// Keys and buttons show a pressed face while a mouse button is held on them.
#pragma once

#include "events.h"

#include <array>
#include <vector>

namespace compose {

struct Faces {
    const char* control;
    const char* store; // the hidden control array holding the faces
    int pressed, up;   // indices in that store
};

// The letter keys take their faces from the letter table; the buttons' are here.
inline constexpr std::array<Faces, 2> kButtonFaces = {{
    {"Image32", "Image34", 0, 2}, // Save
    {"Image33", "Image34", 1, 3}, // Clear
}};

// Every key and button with its faces.
std::vector<Faces> allFaces();

// Press shows the pressed face, release the up face, for every mouse button.
// The backdrop panel gets no such handlers: it would turn into a stretched key.
void bindPressFeedback(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace compose
