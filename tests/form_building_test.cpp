// Building a window from description bytes that are not ours to trust: bytes
// that do not outlive the call, broken pictures in hidden stores, sizes that
// overflow and nesting deep enough to exhaust the stack.
#include "description_reader.h"
#include "description_writer.h"
#include "form.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

using namespace toolkit;

namespace {

// A GIF of 1 x 1 pixel, transparent, that Qt decodes.
const Bytes kTinyGif = {'G', 'I',  'F',  '8',  '9',  'a',  1, 0, 1, 0,    0x80, 0, 0,    0, 0,
                        0,   0xFF, 0xFF, 0xFF, 0x21, 0xF9, 4, 1, 0, 0,    0,    0, 0x2C, 0, 0,
                        0,   0,    1,    0,    1,    0,    0, 2, 2, 0x44, 1,    0, 0x3B};

// A bitmap header that claims any size; no pixels follow.
Bytes bitmapHeader(uint32_t width, uint32_t height) {
    Bytes b(54, 0);
    b[0] = 'B', b[1] = 'M', b[14] = 40, b[26] = 1, b[28] = 24;
    for (int i = 0; i < 4; ++i) {
        b[18 + size_t(i)] = uint8_t(width >> (8 * i));
        b[22 + size_t(i)] = uint8_t(height >> (8 * i));
    }
    return b;
}

// A whole bitmap of 1 x 1 pixel, red.
Bytes tinyBitmap() {
    Bytes b = bitmapHeader(1, 1);
    b[2] = 58, b[10] = 54;                    // file size, pixel offset
    b.insert(b.end(), {0x00, 0x00, 0xFF, 0}); // blue, green, red, row padding
    return b;
}

ControlRecord image(const char* name, uint16_t index, Bytes picture, bool visible) {
    ControlRecord r;
    r.name = name, r.number = 2, r.kind = ControlKind::Image, r.index = index;
    r.picture = std::make_shared<const PictureFile>(std::move(picture));
    r.visible = visible;
    return r;
}

// A window with a frame that holds a shown image and a hidden store of two.
Description window() {
    Description d;
    d.form.name = "Form1", d.form.kind = ControlKind::Form, d.form.caption = "Test";
    d.form.clientArea = ClientArea{0, 0, 200 * 15, 100 * 15};
    ControlRecord frame;
    frame.name = "Frame1", frame.number = 1, frame.kind = ControlKind::Frame;
    frame.position = Position{0, 0, 150 * 15, 80 * 15};
    frame.children.push_back(image("Image1", 0, kTinyGif, true));
    frame.children.push_back(image("Image2", 0, kTinyGif, false));
    frame.children.push_back(image("Image2", 1, tinyBitmap(), false)); // shown by no one
    frame.children.back().number = 3;
    d.form.children.push_back(frame);
    return d;
}

ControlRecord& frameOf(Description& d) {
    return d.form.children[0];
}

// An icon whose directory says 256 x 256 (0, 0), holding a PNG of any size.
Bytes iconHoldingPng(int width, int height) {
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    const uint32_t n = uint32_t(png.size());
    Bytes b = {0,
               0,
               1,
               0,
               1,
               0, // an icon file with one entry
               0,
               0,
               0,
               0,
               1,
               0,
               32,
               0, // 256 x 256, 32 bits a pixel
               uint8_t(n),
               uint8_t(n >> 8),
               uint8_t(n >> 16),
               uint8_t(n >> 24),
               22,
               0,
               0,
               0};
    b.insert(b.end(), png.begin(), png.end());
    return b;
}

// Hidden picture boxes of the largest size a position can give (2184 pixels
// a side), each with a persistent image: small bytes, much memory.
void addLargePictureBoxes(Description& d, int count) {
    for (int i = 0; i < count; ++i) {
        ControlRecord box;
        box.name = "Box", box.number = 9, box.kind = ControlKind::PictureBox;
        box.index = uint16_t(i);
        box.position = Position{0, 0, 32760, 32760};
        box.scale = ScaleField{ScaleUnit::Twip, ScaleField::kPersistentImage};
        box.visible = false;
        d.form.children.push_back(box);
    }
}

TEST(FormBuilding, KeepsNothingOfBytesThatDoNotOutliveTheCall) {
    const auto form = Form::fromDescription(writeDescription(window()));
    // The bytes are gone; every picture, hidden ones too, must still be whole.
    const Picture hidden = form->control("Image2", 1).picture;
    ASSERT_TRUE(hidden);
    EXPECT_EQ(hidden->size(), QSize(1, 1));
    EXPECT_EQ(hidden->pixel(0, 0), qRgb(255, 0, 0)) << "the hidden store's red pixel";
}

// Each crafted window must be refused with a message that names the fault,
// never built, never a crash or undefined behaviour.
struct Crafted {
    const char* name;
    std::function<void(Description&)> craft;
    const char* message;
};

void PrintTo(const Crafted& c, std::ostream* os) {
    *os << c.name;
}

class CraftedWindow : public ::testing::TestWithParam<Crafted> {};

TEST_P(CraftedWindow, IsRefusedWithAMessageThatNamesTheFault) {
    Description d = window();
    GetParam().craft(d);
    try {
        Form::fromDescription(writeDescription(d));
        FAIL() << GetParam().name << ": the window was built";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos)
            << GetParam().name << ": the message was \"" << e.what() << "\", expected it to say \""
            << GetParam().message << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(
    FormBuilding, CraftedWindow,
    ::testing::Values(
        Crafted{"broken_picture_in_a_hidden_store",
                [](Description& d) {
                    Bytes broken(kTinyGif.begin(), kTinyGif.begin() + 20); // header, no image
                    frameOf(d).children[2].picture = std::make_shared<const PictureFile>(broken);
                },
                "the picture of Image2(1) cannot be decoded"},
        Crafted{"bitmap_wider_than_twips_can_count",
                [](Description& d) {
                    frameOf(d).children[1].picture =
                        std::make_shared<const PictureFile>(bitmapHeader(0x7FFFFFFF, 1));
                },
                "the picture of Image2(0) is 2147483647 x 1 pixels"},
        Crafted{"bitmap_height_of_the_lowest_int",
                [](Description& d) {
                    frameOf(d).children[1].picture =
                        std::make_shared<const PictureFile>(bitmapHeader(1, 0x80000000));
                },
                "the picture of Image2(0) has no pixel size"},
        Crafted{"gif_larger_than_a_window_holds",
                [](Description& d) {
                    Bytes huge = kTinyGif;
                    huge[6] = huge[7] = huge[8] = huge[9] = 0xFF;
                    frameOf(d).children[0].picture = std::make_shared<const PictureFile>(huge);
                },
                "the picture of Image1(0) is 65535 x 65535 pixels"},
        Crafted{"client_area_wider_than_a_window_holds",
                [](Description& d) { d.form.clientArea->width = 0x7FFFFFF0; },
                "Form1 is 143165575 x 100 pixels"},
        Crafted{"negative_client_area", [](Description& d) { d.form.clientArea->height = -15; },
                "Form1 is 200 x -1 pixels"},
        Crafted{"negative_frame", [](Description& d) { frameOf(d).position->width = -300; },
                "Frame1 is -20 x 80 pixels"},
        Crafted{"forty_hidden_picture_boxes", [](Description& d) { addLargePictureBoxes(d, 40); },
                "the pixels of the window would take more than 64 MiB with the persistent "
                "image of Box(3)"},
        Crafted{"stretched_icon_that_understates_its_width",
                [](Description& d) {
                    // Stretched, so the picture does not set the image's size.
                    frameOf(d).children[0].stretch = true;
                    frameOf(d).children[0].picture =
                        std::make_shared<const PictureFile>(iconHoldingPng(4500, 4));
                },
                "the picture of Image1(0) decodes to 4500 x 4 pixels"},
        Crafted{"stretched_icon_larger_than_the_budget",
                [](Description& d) {
                    frameOf(d).children[0].stretch = true;
                    frameOf(d).children[0].picture =
                        std::make_shared<const PictureFile>(iconHoldingPng(5000, 5000));
                },
                "the picture of Image1(0) cannot be decoded"}),
    [](const auto& info) { return std::string(info.param.name); });

// A window with frames nested that deep, written byte by byte: the writer
// refuses to nest so deep, as the reader does.
Bytes nestedFrames(size_t depth) {
    Description top;
    top.form.name = "Form1", top.form.kind = ControlKind::Form;
    Bytes b = writeDescription(top);
    b.pop_back(); // the end byte 4
    for (size_t i = 0; i < depth; ++i) {
        b.push_back(1); // children follow
        // A frame record named F000001 and so on, each name its own.
        char name[8];
        std::snprintf(name, sizeof name, "F%06u", unsigned(i % 1'000'000));
        const Bytes frame = {17, 0, 0, 0, 1, 7, 0};
        b.insert(b.end(), frame.begin(), frame.end());
        b.insert(b.end(), name, name + 7);
        b.insert(b.end(), {0, 3, 0xFF});
    }
    b.insert(b.end(), depth, 2); // each container's children end
    b.push_back(4);
    b[4] = 1; // highest control number
    const uint32_t rest = uint32_t(b.size() - 89);
    for (int i = 0; i < 4; ++i)
        b[89 + size_t(i)] = uint8_t(rest >> (8 * i));
    return b;
}

TEST(FormBuilding, NestingIsLimitedAndAMillionFramesDeepIsRefused) {
    EXPECT_NO_THROW(readDescription(nestedFrames(kMaxNesting))) << "the deepest nesting allowed";
    for (size_t depth : {kMaxNesting + 1, size_t(1'000'000)}) {
        try {
            Form::fromDescription(nestedFrames(depth));
            FAIL() << depth << " frames deep were built";
        } catch (const DescriptionError& e) {
            EXPECT_NE(std::string(e.what()).find("nested deeper than 16"), std::string::npos)
                << depth << " frames deep: " << e.what();
        }
    }
}

TEST(FormBuilding, TheWriterRefusesNestingTheReaderWouldRefuse) {
    Description d;
    d.form.name = "Form1", d.form.kind = ControlKind::Form;
    ControlRecord* container = &d.form;
    for (size_t i = 0; i <= kMaxNesting; ++i) {
        ControlRecord frame;
        frame.name = "Fr", frame.number = 1, frame.kind = ControlKind::Frame;
        container->children.push_back(frame);
        container = &container->children.back();
    }
    EXPECT_THROW(writeDescription(d), std::invalid_argument);
}

} // namespace
