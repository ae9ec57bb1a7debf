// The window built from the embedded description: where every control lies,
// what the window shows at start, and which control a point hits.
#include "description_writer.h"
#include "events.h"
#include "rendering.h"
#include "support/pixels.h"
#include "support/session.h"

#include <gtest/gtest.h>

#include <map>

using namespace testing_support;
using toolkit::Control;

namespace {

constexpr QRgb kOlive = qRgb(128, 128, 0);

struct Placed {
    const char* name;
    int index;    // -1 for plain controls
    QRect window; // pixels in the client area
};

class Geometry : public ::testing::TestWithParam<Placed> {
  protected:
    static ProgramUnderTest* program;
    static void SetUpTestSuite() { program = new ProgramUnderTest; }
    static void TearDownTestSuite() { delete program, program = nullptr; }
};
ProgramUnderTest* Geometry::program = nullptr;

TEST_P(Geometry, ControlLiesWhereTheLayoutPutsIt) {
    const Placed& p = GetParam();
    const Control& c = p.index < 0 ? program->control(p.name) : program->control(p.name, p.index);
    EXPECT_EQ(c.rectInWindow(), p.window) << c.label();
}

std::vector<Placed> placements() {
    std::vector<Placed> v = {
        {"Frame1", -1, {42, 201, 511, 169}},   {"Frame2", -1, {11, 111, 568, 57}},
        {"Frame3", -1, {179, 418, 241, 85}},   {"Image31", -1, {13, 8, 566, 57}},
        {"Image36", -1, {4, 101, 583, 77}},    {"Image30", -1, {28, 187, 536, 205}},
        {"Image37", -1, {166, 408, 263, 107}}, {"Image32", -1, {187, 442, 104, 45}},
        {"Image33", -1, {307, 442, 104, 45}},
    };
    const char* keys[] = {"Image2",  "Image5",  "Image6",  "Image7",  "Image8",  "Image9",
                          "Image10", "Image11", "Image12", "Image13", "Image14", "Image15",
                          "Image16", "Image17", "Image18", "Image19", "Image20", "Image21",
                          "Image22", "Image23", "Image24", "Image25", "Image26", "Image27",
                          "Image28", "Image29"};
    const QPoint keyAt[] = {{42, 200},  {98, 201},  {154, 201}, {210, 201}, {266, 200}, {322, 201},
                            {377, 201}, {434, 201}, {491, 200}, {42, 257},  {99, 258},  {154, 257},
                            {210, 257}, {266, 257}, {322, 257}, {378, 257}, {434, 257}, {490, 257},
                            {70, 314},  {126, 314}, {182, 314}, {238, 314}, {294, 314}, {350, 314},
                            {406, 314}, {462, 314}};
    for (int k = 0; k < 26; ++k)
        v.push_back({keys[k], -1, QRect(keyAt[k], QSize(60, 60))});
    const QPoint slotAt[] = {{19, 119},  {83, 119},  {131, 119}, {187, 119},
                             {243, 119}, {299, 119}, {355, 119}, {411, 119},
                             {467, 119}, {524, 120}, {579, 119}, {635, 119}};
    for (int i = 0; i < 12; ++i)
        v.push_back({"Image3", i, QRect(slotAt[i], QSize(38, 38))});
    return v;
}

INSTANTIATE_TEST_SUITE_P(Window, Geometry, ::testing::ValuesIn(placements()), [](const auto& info) {
    return std::string(info.param.name) +
           (info.param.index >= 0 ? "_" + std::to_string(info.param.index) : "");
});

toolkit::ControlRecord colouredFrame(const char* name, uint8_t number, int x, int y, int size,
                                     toolkit::Colour colour) {
    toolkit::ControlRecord r;
    r.name = name, r.number = number, r.kind = toolkit::ControlKind::Frame;
    r.position =
        toolkit::Position{int16_t(x * 15), int16_t(y * 15), int16_t(size * 15), int16_t(size * 15)};
    r.backColour = colour;
    r.borderStyle = 0;
    return r;
}

// Frames three deep, each reaching beyond the one that holds it: the deepest
// shows only inside all of them, and at every point the colour shown is that
// of the control a click there reaches.
TEST(NestedFrames, ADeepFrameShowsOnlyWhereItCanBeHit) {
    toolkit::Description d;
    d.form.name = "Form1", d.form.kind = toolkit::ControlKind::Form;
    d.form.clientArea = toolkit::ClientArea{0, 0, 100 * 15, 100 * 15};
    d.form.backColour = toolkit::Colour::rgb(0, 255, 0);
    d.form.children.push_back(
        colouredFrame("Outer", 1, 10, 10, 40, toolkit::Colour::rgb(255, 0, 0)));
    d.form.children[0].children.push_back(
        colouredFrame("Inner", 2, 20, 20, 60, toolkit::Colour::rgb(0, 0, 255)));
    d.form.children[0].children[0].children.push_back(
        colouredFrame("Deepest", 3, 5, 5, 50, toolkit::Colour::rgb(255, 255, 0)));
    const auto form = toolkit::Form::fromDescription(toolkit::writeDescription(d));
    const QImage shown = toolkit::renderForm(*form).convertToFormat(QImage::Format_RGB32);
    const std::map<QRgb, std::string> owner = {{qRgb(0, 255, 0), "Form1"},
                                               {qRgb(255, 0, 0), "Outer"},
                                               {qRgb(0, 0, 255), "Inner"},
                                               {qRgb(255, 255, 0), "Deepest"}};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const QRgb colour = shown.pixel(x, y);
            const auto seen = owner.find(colour);
            const std::string hit = toolkit::controlAt(*form, {x, y}).label();
            ASSERT_TRUE(seen != owner.end() && seen->second == hit)
                << "pixel (" << x << ", " << y << ") shows " << rgbText(colour)
                << (seen != owner.end() ? " of " + seen->second : "") << ", but a click hits "
                << hit;
        }
}

class Window : public ::testing::Test {
  protected:
    ProgramUnderTest program;
    QImage shown() {
        return toolkit::renderForm(program.form()).convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_F(Window, StartsWithItsStoresHiddenAndTheCanvasWhite) {
    EXPECT_EQ(program.form().clientSize(), QSize(591, 521));
    EXPECT_EQ(program.form().caption(), QStringLiteral("The Cartouchery"));
    EXPECT_TRUE(program.form().centred());
    for (const char* hidden : {"Frame5", "Frame6", "Frame7", "Picture1", "Picture2", "Image35"})
        EXPECT_FALSE(program.control(hidden).visible) << hidden;
    for (int i = 0; i < 12; ++i)
        EXPECT_FALSE(program.control("Image3", i).visible) << "slot " << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(program.control("Image34", i).visible) << "button face " << i;
    const Control& canvas = program.control("Picture1");
    ASSERT_EQ(canvas.surface.size(), QSize(567, 53));
    QImage white(567, 53, QImage::Format_ARGB32);
    white.fill(qRgb(255, 255, 255));
    EXPECT_TRUE(samePixels(canvas.surface, white, "canvas"));
}

TEST_F(Window, KeysAndButtonsShareTheirUpFaces) {
    const char* keys[] = {"Image2",  "Image5",  "Image6",  "Image7",  "Image8",  "Image9",
                          "Image10", "Image11", "Image12", "Image13", "Image14", "Image15",
                          "Image16", "Image17", "Image18", "Image19", "Image20", "Image21",
                          "Image22", "Image23", "Image24", "Image25", "Image26", "Image27",
                          "Image28", "Image29"};
    for (int k = 0; k < 26; ++k)
        EXPECT_EQ(program.control(keys[k]).picture, program.control("Image1", k).picture)
            << keys[k];
    EXPECT_EQ(program.control("Image32").picture, program.control("Image34", 2).picture);
    EXPECT_EQ(program.control("Image33").picture, program.control("Image34", 3).picture);
}

TEST_F(Window, BackgroundIsTheTileMirroredFromTheTopLeft) {
    const QImage window = shown();
    const QImage tile = program.control("Image35").picture->convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(tile.size(), QSize(149, 161));
    // Columns 0 to 3 at the left edge lie outside every control.
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(window.pixel(x, y), tile.pixel(x, 160 - y))
                << "window pixel (" << x << ", " << y << ") should be tile pixel (" << x << ", "
                << 160 - y << ")";
    // The second column of tiles starts at x 149, the second row at y 161.
    EXPECT_EQ(window.pixel(150, 70), tile.pixel(1, 160 - 70));
    EXPECT_EQ(window.pixel(2, 170), tile.pixel(2, 160 - 9));
}

TEST_F(Window, NoOliveBackgroundShowsOutsideTheControls) {
    const QImage window = shown();
    std::vector<QRect> covered;
    for (const Control* c : program.form().root().children)
        if (c->visible && c->kind != toolkit::ControlKind::External)
            covered.push_back(c->rectInWindow());
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x) {
            if (std::any_of(covered.begin(), covered.end(),
                            [&](const QRect& r) { return r.contains(x, y); }))
                continue;
            ASSERT_NE(window.pixel(x, y), kOlive)
                << "olive background at (" << x << ", " << y << ")";
        }
}

TEST_F(Window, KeyCornersShowTheFramesOliveAndButtonsTheirFaces) {
    const QImage window = shown();
    for (const Control* key : program.control("Frame1").children) {
        const QPoint corner = key->rectInWindow().topLeft() + QPoint(2, 2);
        EXPECT_EQ(window.pixel(corner), kOlive)
            << key->label() << " corner shows " << rgbText(window.pixel(corner));
    }
    for (const char* button : {"Image32", "Image33"}) {
        const QRect r = program.control(button).rectInWindow();
        EXPECT_TRUE(samePixels(window.copy(r), *program.control(button).picture, button));
    }
}

TEST_F(Window, SlotsTenAndElevenNeverShow) {
    const QImage before = shown();
    for (int i : {10, 11}) {
        toolkit::setPicture(program.control("Image3", i), program.control("Image4", 0).picture);
        program.control("Image3", i).visible = true;
    }
    EXPECT_TRUE(samePixels(shown(), before, "window after showing slots 10 and 11"));
}

TEST_F(Window, WideGlyphInSlotOneOverlapsSlotTwo) {
    Control& one = program.control("Image3", 1);
    toolkit::setPicture(one, program.control("Image4", 0).picture); // 52 pixels wide
    EXPECT_EQ(one.rectInWindow(), QRect(83, 119, 52, 43))
        << "the slot takes the glyph's size at its place";
    EXPECT_EQ(one.rectInWindow().intersected(program.control("Image3", 2).rectInWindow()).width(),
              4);
}

// --- Hit testing ------------------------------------------------------------

const Control& at(ProgramUnderTest& p, QPoint point) {
    return toolkit::controlAt(p.form(), point);
}

TEST_F(Window, ATransparentKeyCornerCountsAsTheKey) {
    EXPECT_EQ(at(program, {99, 202}).name, "Image5") << "top-left corner of B, transparent";
    EXPECT_EQ(at(program, {156, 259}).name, "Image15") << "top-left corner of L";
}

TEST_F(Window, EachOverlapStripGoesToExactlyOneKey) {
    // Neighbours side by side and one row apart overlap by a few pixels; the
    // later-stored key lies in front, as it is drawn.
    const auto& keys = program.control("Frame1").children;
    int strips = 0;
    for (size_t i = 0; i < keys.size(); ++i)
        for (size_t j = i + 1; j < keys.size(); ++j) {
            const QRect overlap = keys[i]
                                      ->rectInWindow()
                                      .intersected(keys[j]->rectInWindow())
                                      .intersected(program.control("Frame1").rectInWindow());
            if (overlap.isEmpty()) continue;
            ++strips;
            for (QPoint p : {overlap.topLeft(), overlap.center(), overlap.bottomRight()}) {
                // Where a third key overlaps too, the last-stored of them wins.
                const Control* front = nullptr;
                for (const Control* k : keys)
                    if (k->rectInWindow().contains(p)) front = k;
                const Control& hit = at(program, p);
                EXPECT_EQ(&hit, front)
                    << "point (" << p.x() << ", " << p.y() << ") in the overlap of "
                    << keys[i]->label() << " and " << keys[j]->label() << " hits " << hit.label()
                    << ", expected " << front->label();
                // Stored order decides: the earlier-stored key of the pair never wins.
                EXPECT_NE(&hit, keys[i])
                    << "point (" << p.x() << ", " << p.y() << ") goes to " << keys[i]->label()
                    << ", which lies behind " << keys[j]->label();
            }
        }
    EXPECT_GT(strips, 20);
}

TEST_F(Window, TheStripBelowTheKeyFrameDoesNotReachAKey) {
    // Third-row keys end at y 373, the frame at 369: the frame clips them.
    for (int y = 370; y <= 373; ++y)
        for (int x : {100, 300, 500}) {
            const Control& hit = at(program, {x, y});
            EXPECT_EQ(hit.name, "Image30")
                << "point (" << x << ", " << y << ") hits " << hit.label();
        }
}

TEST_F(Window, HiddenControlsTakeNoHits) {
    // Slot 0 is hidden at start; its place belongs to the strip's frame.
    EXPECT_EQ(at(program, {25, 125}).name, "Frame2");
    toolkit::setPicture(program.control("Image3", 0), program.control("Image4", 2).picture);
    program.control("Image3", 0).visible = true;
    EXPECT_EQ(at(program, {25, 125}).label(), "Image3(0)");
}

} // namespace
