// Painting onto a persistent image: defaults, transparency, mirroring,
// clipping and the centimetre scale, on small fixtures.
#include "operations.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

using namespace toolkit;
using testing_support::rgbText;

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

// A target with a drawable area of w x h pixels.
Control target(int w, int h, ScaleUnit unit = ScaleUnit::Twip) {
    Control c;
    c.kind = ControlKind::PictureBox;
    c.name = "Target";
    c.unit = unit;
    c.persistent = true;
    c.width = w * kTwipsPerPixel, c.height = h * kTwipsPerPixel;
    c.surface = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    c.surface.fill(kWhite);
    return c;
}

// Rows of a picture: R red, B blue, . transparent.
Picture picture(std::initializer_list<const char*> rows) {
    QImage img(int(strlen(*rows.begin())), int(rows.size()), QImage::Format_ARGB32_Premultiplied);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x]; ++x)
            img.setPixel(x, y, row[x] == 'R' ? kRed : row[x] == 'B' ? kBlue : qRgba(0, 0, 0, 0));
        ++y;
    }
    return std::make_shared<const QImage>(img);
}

// The target's pixels as rows of R, B and W (white).
std::vector<std::string> rows(const Control& c) {
    std::vector<std::string> out;
    for (int y = 0; y < c.surface.height(); ++y) {
        std::string row;
        for (int x = 0; x < c.surface.width(); ++x) {
            const QRgb p = c.surface.pixel(x, y);
            row += p == kRed ? 'R' : p == kBlue ? 'B' : p == kWhite ? 'W' : '?';
        }
        out.push_back(row);
    }
    return out;
}

struct PaintCase {
    const char* name;
    double x, y;
    std::optional<double> w, h;
    std::vector<std::string> expected;
};

class Painting : public ::testing::TestWithParam<PaintCase> {};

// The picture: a red top row over a blue bottom row, one corner transparent.
TEST_P(Painting, PutsThePictureWhereAndHowItIsAsked) {
    const PaintCase& c = GetParam();
    Control t = target(5, 4);
    paintPicture(t, picture({"RR.", "BBB"}), c.x * kTwipsPerPixel, c.y * kTwipsPerPixel,
                 c.w ? std::optional(*c.w * kTwipsPerPixel) : std::nullopt,
                 c.h ? std::optional(*c.h * kTwipsPerPixel) : std::nullopt);
    EXPECT_EQ(rows(t), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Toolkit, Painting,
    ::testing::Values(
        PaintCase{"own_size", 1, 1, {}, {}, {"WWWWW", "WRRWW", "WBBBW", "WWWWW"}},
        PaintCase{"mirrored_top_to_bottom_with_y_as_lower_edge",
                  1,
                  3,
                  3,
                  -2,
                  {"WWWWW", "WBBBW", "WRRWW", "WWWWW"}},
        PaintCase{"mirrored_left_to_right_with_x_as_right_edge",
                  4,
                  0,
                  -3,
                  2,
                  {"WWRRW", "WBBBW", "WWWWW", "WWWWW"}},
        PaintCase{
            "clipped_at_the_right_and_bottom", 3, 3, {}, {}, {"WWWWW", "WWWWW", "WWWWW", "WWWRR"}},
        PaintCase{"clipped_at_the_top_left", -1, -1, {}, {}, {"BBWWW", "WWWWW", "WWWWW", "WWWWW"}},
        PaintCase{"wholly_outside", 5, 0, {}, {}, {"WWWWW", "WWWWW", "WWWWW", "WWWWW"}},
        PaintCase{"stretched", 0, 0, 3, 4, {"RRWWW", "RRWWW", "BBBWW", "BBBWW"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Painting, TransparentPixelsKeepTheTargetAndBitmapsReplaceIt) {
    Control t = target(3, 1);
    paintPicture(t, picture({"BBB"}), 0, 0);
    paintPicture(t, picture({"R.R"}), 0, 0);
    EXPECT_EQ(rows(t), std::vector<std::string>{"RBR"});
}

TEST(Painting, CentimetresConvertAt567TwipsAndRoundToTheNearestPixel) {
    struct Case {
        double cm;
        int pixel;
    };
    for (const Case& c :
         {Case{0.2, 8}, {1.5, 57}, {3.0, 113}, {4.5, 170}, {13.5, 510}, {15.0, 567}}) {
        Control t = target(600, 1, ScaleUnit::Centimetre);
        paintPicture(t, picture({"R"}), c.cm, 0);
        const int at = c.pixel;
        if (at < 600) {
            EXPECT_EQ(t.surface.pixel(at, 0), kRed) << c.cm << " cm should land on pixel " << at;
        }
        EXPECT_EQ(t.surface.pixel(at - 1, 0), kWhite) << c.cm << " cm, pixel " << at - 1;
    }
}

TEST(Painting, PicturesAreSharedNotCopied) {
    Control slot;
    slot.kind = ControlKind::Image;
    const Picture wide = picture({"RRRR", "BBBB"});
    setPicture(slot, wide);
    EXPECT_EQ(slot.picture.identity(), wide.identity());
    EXPECT_EQ(slot.width, 4 * kTwipsPerPixel)
        << "an image that does not stretch takes its picture's size";
    EXPECT_EQ(slot.height, 2 * kTwipsPerPixel);
    slot.stretch = true;
    setPicture(slot, picture({"R"}));
    EXPECT_EQ(slot.width, 4 * kTwipsPerPixel) << "a stretched image keeps its rectangle";
}

TEST(Painting, ATargetWithoutPersistentImageRefusesPainting) {
    Control t = target(2, 2);
    t.persistent = false;
    EXPECT_THROW(paintPicture(t, picture({"R"}), 0, 0), std::logic_error);
}

} // namespace
