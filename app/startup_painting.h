#pragma once

#include "form.h"

namespace app {

// The window's load handler: tiles the background with the tile picture,
// mirrored top to bottom, and sets the Save As dialog's file types: the
// bitmap first, then PNG.
void paintBackground(toolkit::Form& form);

} // namespace app
