#include "generated_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace generated {

void writeIfChanged(const char* path, const std::string& bytes) {
    std::ifstream old(path, std::ios::binary);
    const std::string previous{std::istreambuf_iterator<char>(old),
                               std::istreambuf_iterator<char>()};
    if (old && previous == bytes) return;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + path);
}

std::string byteArray(const std::string& declaration, std::span<const uint8_t> bytes) {
    std::string s = "alignas(16) " + declaration + " = {\n";
    for (size_t i = 0; i < bytes.size(); ++i) {
        s += std::to_string(bytes[i]);
        s += (i % 24 == 23 || i + 1 == bytes.size()) ? ",\n" : ",";
    }
    return s + "};\n";
}

} // namespace generated
