// libFuzzer target for a window description from anywhere: the reader must
// reject bad input with a DescriptionError, never crash or read out of
// bounds; what it accepts must write back to bytes that read the same; and
// the window built from it, pictures decoded and sizes checked, must either
// be refused with a message or render.
#include "description_reader.h"
#include "description_writer.h"
#include "form.h"
#include "rendering.h"

#include <QGuiApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Image plugins and painting want an application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    toolkit::Description d;
    try {
        d = toolkit::readDescription({data, size});
    } catch (const toolkit::DescriptionError&) {
        return 0;
    }
    if (!(toolkit::readDescription(toolkit::writeDescription(d)) == d)) std::abort();
    try {
        const auto form = toolkit::Form::fromDescription({data, size});
        toolkit::renderForm(*form);
    } catch (const std::runtime_error&) {
        // Refused with a message: a picture that is not one, a size no window has.
    }
    return 0;
}
