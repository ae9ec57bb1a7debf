// The Save button: composes the filled slots onto the canvas and writes the
// canvas, as a bitmap or a PNG picture, under the name chosen in the Save As
// dialog.
#pragma once

#include "events.h"
#include "letter_keys.h"

#include <array>

namespace output {

struct Place {
    float x, y; // centimetres on the canvas
};

// Slot 0 sits 0.2 cm in, the others at 1.5 cm steps; slots 10 and 11 fall
// beyond the canvas's 15 cm.
inline constexpr std::array<Place, 12> kSlotPlaces = {{
    {0.2f, 0.2f},
    {1.5f, 0.2f},
    {3.0f, 0.2f},
    {4.5f, 0.2f},
    {6.0f, 0.2f},
    {7.5f, 0.2f},
    {9.0f, 0.2f},
    {10.5f, 0.2f},
    {12.0f, 0.2f},
    {13.5f, 0.2f},
    {15.0f, 0.2f},
    {16.5f, 0.2f},
}};

static_assert(kSlotPlaces.size() == compose::kSlotCount, "a place for every slot");

// The file types Save writes, in the order of the dialog's filter.
struct FileType {
    const char* extension;
    const char* format; // as Qt's image writers name it
};
inline constexpr std::array<FileType, 2> kFileTypes = {{{"bmp", "BMP"}, {"png", "PNG"}}};

// What a save works on, looked up once when the handler is bound.
struct SaveControls {
    compose::SlotStrip strip;
    toolkit::Control* canvas;      // Picture1
    const toolkit::Control* blank; // Picture2
    toolkit::CommonDialog* dialog; // CommonDialog1
    toolkit::MessageSink* messages;
    QString caption;
};
SaveControls saveControls(toolkit::Form& form);

// Every save starts from the blank canvas and paints the filled slots only,
// so the file shows what the strip shows.
void composeStrip(const SaveControls& save);

// Compose, ask for a name, write. A cancel ends quietly. A name with an
// extension of neither type, or a failed write, is reported with the file's
// name, and the dialog opens again on that name; an existing file is left
// whole. The dialog starts in the folder of the last save, with the letters
// written as the name.
void saveStrip(const SaveControls& save);

// Where the dialog starts: the last folder saved to, remembered across runs,
// or the user's Pictures folder; the name is the letters written, or "name".
QString suggestedPath(const SaveControls& save);

void bindSave(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace output
