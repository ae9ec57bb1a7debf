// What the build-time tools share: files rewritten only when their bytes
// change, so that an unchanged input rebuilds nothing, and bytes written as a
// C++ array that every compiler takes.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace generated {

void writeIfChanged(const char* path, const std::string& bytes);

// "alignas(16) const unsigned char NAME[] = {...};": decimal numbers, 24 a
// line, compact and compiled in about a second a megabyte.
std::string byteArray(const std::string& declaration, std::span<const uint8_t> bytes);

} // namespace generated
