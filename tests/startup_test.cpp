// The program's own description starts with only what its first frame shows:
// the same window, pixel for pixel, as a window whose every picture is
// decoded at once; images prebuilt at build time that are exactly what the
// program would make; and every other picture decoded on its first use.
#include "embedded_description.h"
#include "picture_file.h"
#include "prebuilt_images.h"
#include "rendering.h"
#include "startup_painting.h"
#include "support/pixels.h"
#include "support/session.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

QImage shown(const toolkit::Form& form) {
    return toolkit::renderForm(form).convertToFormat(QImage::Format_ARGB32);
}

TEST(BuiltInStart, ShowsTheWindowThatDecodingEverythingShows) {
    ProgramUnderTest program;
    // The same bytes at another address: every picture decoded at once.
    const toolkit::Bytes copy(app::embeddedDescription().begin(), app::embeddedDescription().end());
    toolkit::Project eager = app::project();
    eager.windowDescription = copy;
    ProgramUnderTest::Fakes fakes;
    toolkit::Session decodedAtOnce(eager, fakes.dialogs(), fakes.messages());
    EXPECT_TRUE(samePixels(shown(program.form()), shown(decodedAtOnce.form()), "the start window"));
    for (const char* key : {"Image5", "Image2", "Image6"}) {
        program.click(key);
        const QPoint p = decodedAtOnce.form().control(key).rectInWindow().center();
        decodedAtOnce.events().press(p, Qt::LeftButton);
        decodedAtOnce.events().release(p, Qt::LeftButton);
    }
    EXPECT_TRUE(samePixels(shown(program.form()), shown(decodedAtOnce.form()), "after B, A, C"));
}

TEST(BuiltInStart, EachPrebuiltImageIsWhatTheProgramWouldMake) {
    const auto description = app::embeddedDescription();
    ASSERT_FALSE(app::prebuiltImages().empty());
    for (const toolkit::PrebuiltImage& image : app::prebuiltImages()) {
        const auto file = description.subspan(image.pictureOffset, image.pictureLength);
        QImage made = toolkit::decodePicture(file, toolkit::pictureFormat(file));
        if (image.control) made = toolkit::stretchedCopy(made, QSize(image.width, image.height));
        const QImage prebuilt(image.pixels, image.width, image.height, qsizetype(image.width) * 4,
                              image.format);
        const std::string what = image.control
                                     ? std::string("the copy of ") + image.control
                                     : "the picture at " + std::to_string(image.pictureOffset);
        EXPECT_TRUE(samePixels(prebuilt.convertToFormat(QImage::Format_ARGB32),
                               made.convertToFormat(QImage::Format_ARGB32), what));
    }
}

TEST(BuiltInStart, DecodesEachOtherPictureOnItsFirstUse) {
    ProgramUnderTest program;
    (void)shown(program.form()); // the first frame
    for (int face = 26; face <= 51; ++face)
        EXPECT_FALSE(program.control("Image1", face).picture.decoded()) << "pressed face " << face;
    for (int glyph : {2, 7, 39})
        EXPECT_FALSE(program.control("Image4", glyph).picture.decoded()) << "glyph " << glyph;
    EXPECT_FALSE(program.control("Picture2").picture.decoded()) << "the blank canvas";
    EXPECT_FALSE(program.control("Image30").picture.decoded()) << "the backdrop shows its copy";

    const QPoint b = program.control("Image5").rectInWindow().center();
    program.session->events().press(b, Qt::LeftButton);
    (void)shown(program.form());
    EXPECT_TRUE(program.control("Image1", 50).picture.decoded()) << "B's pressed face, drawn";
    program.session->events().release(b, Qt::LeftButton); // writes the foot into slot 0
    (void)shown(program.form());
    EXPECT_TRUE(program.control("Image4", 2).picture.decoded()) << "the foot, drawn";
    EXPECT_EQ(program.control("Image3", 0).picture->size(),
              QSize(program.control("Image3", 0).rectInWindow().size()));
    program.click("Image32"); // Save, cancelled
    EXPECT_TRUE(program.control("Picture2").picture.decoded()) << "Save blanks the canvas with it";
}

} // namespace
