// Help: the Keys and signs window, About The Cartouchery, and Quit.
#pragma once

#include "events.h"
#include "form.h"

class QWidget;

namespace app {

// The table of every letter with the sign it writes (its picture, name and
// Gardiner code), the keys of every command, and what the strip holds.
QWidget* keysAndSigns(toolkit::Form& form, const toolkit::EventRouter& events);

// The version and the licences: the program's own, Qt's and the fonts'.
QString aboutText();

void bindHelp(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace app
