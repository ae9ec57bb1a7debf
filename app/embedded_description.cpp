#include "embedded_description.h"

// The build writes the description file; the assembler includes its bytes.
#define CARTOUCHERY_STR2(x) #x
#define CARTOUCHERY_STR(x) CARTOUCHERY_STR2(x)
asm(".section .rodata\n"
    ".balign 16\n"
    "cartouchery_description_begin:\n"
    ".incbin \"" CARTOUCHERY_STR(CARTOUCHERY_DESCRIPTION_FILE) "\"\n"
                                                               "cartouchery_description_end:\n"
                                                               ".previous\n");

extern "C" const uint8_t cartouchery_description_begin[];
extern "C" const uint8_t cartouchery_description_end[];

namespace app {

std::span<const uint8_t> embeddedDescription() {
    return {cartouchery_description_begin, cartouchery_description_end};
}

} // namespace app
