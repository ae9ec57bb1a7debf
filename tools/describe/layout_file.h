#pragma once

#include "description.h"

#include <filesystem>
#include <string>

namespace describe {

// Reads the layout data file and the pictures it names into a description.
// Throws std::runtime_error naming the control and setting that is wrong.
toolkit::Description readLayout(const std::string& layoutText, const std::filesystem::path& assets);

} // namespace describe
