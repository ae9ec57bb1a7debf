// describe: compiles the window's layout data file and its pictures into the
// binary window description that the program embeds.
//
//   describe LAYOUT.json ASSETS_DIR OUT_FILE [OUT_SOURCE.cpp]
//
// OUT_FILE gets the description's bytes; OUT_SOURCE.cpp, if named, the same
// bytes as a C++ array that every compiler takes, for embedding. Each output
// is rewritten only when its bytes change, so an unchanged layout rebuilds
// nothing.
#include "description_reader.h"
#include "description_writer.h"
#include "generated_file.h"
#include "layout_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string asSource(const toolkit::Bytes& bytes) {
    return "// Written by describe from the layout and the pictures; do not edit.\n"
           "#include <cstddef>\n\n"
           "extern const unsigned char cartouchery_description[];\n"
           "extern const std::size_t cartouchery_description_size;\n\n" +
           generated::byteArray("const unsigned char cartouchery_description[]", bytes) +
           "const std::size_t cartouchery_description_size = sizeof cartouchery_description;\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: describe LAYOUT.json ASSETS_DIR OUT_FILE [OUT_SOURCE.cpp]\n");
        return 2;
    }
    try {
        std::ifstream layout(argv[1]);
        if (!layout) throw std::runtime_error(std::string("cannot read ") + argv[1]);
        std::stringstream text;
        text << layout.rdbuf();
        const toolkit::Bytes bytes =
            toolkit::writeDescription(describe::readLayout(text.str(), argv[2]));
        toolkit::readDescription(bytes); // what we write must read back
        generated::writeIfChanged(argv[3], std::string(bytes.begin(), bytes.end()));
        if (argc == 5) generated::writeIfChanged(argv[4], asSource(bytes));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "describe: %s\n", e.what());
        return 1;
    }
    return 0;
}
