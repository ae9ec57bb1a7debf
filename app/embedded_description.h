#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace app {

// The window description compiled from layout.json and assets/ at build time.
std::span<const uint8_t> embeddedDescription();

} // namespace app
