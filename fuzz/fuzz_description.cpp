// libFuzzer target: the window-description reader must reject any input with
// a DescriptionError (never crash or read out of bounds), and whatever it
// accepts must write back to bytes that read to the same description.
#include "description_reader.h"
#include "description_writer.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const toolkit::Description d = toolkit::readDescription({data, size});
        if (!(toolkit::readDescription(toolkit::writeDescription(d)) == d)) std::abort();
    } catch (const toolkit::DescriptionError&) {
    }
    return 0;
}
