// describe: compiles the window's layout data file and its pictures into the
// binary window description that the program embeds.
//
//   describe LAYOUT.json ASSETS_DIR OUT_FILE
//
// OUT_FILE is rewritten only when its bytes change, so an unchanged layout
// rebuilds nothing.
#include "description_reader.h"
#include "description_writer.h"
#include "layout_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: describe LAYOUT.json ASSETS_DIR OUT_FILE\n");
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

        std::ifstream old(argv[3], std::ios::binary);
        const toolkit::Bytes previous{std::istreambuf_iterator<char>(old),
                                      std::istreambuf_iterator<char>()};
        if (previous == bytes) return 0;
        std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "describe: %s\n", e.what());
        return 1;
    }
    return 0;
}
