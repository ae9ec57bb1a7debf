#pragma once

#include "program.h"

namespace app {

// The project description the entry point hands to the toolkit: the window
// description, the load handler and the bindings of every handler.
toolkit::Project project();

} // namespace app
