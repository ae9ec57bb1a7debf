// Writing a name: letter keys, press feedback, Clear and Save, driven through
// the program's event entry on its real embedded description.
#include "compose/letter_keys.h"
#include "compose/press_feedback.h"
#include "description_reader.h"
#include "description_writer.h"
#include "embedded_description.h"
#include "support/expected_strip.h"
#include "support/pixels.h"
#include "support/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;
using toolkit::Control;

namespace {

const compose::LetterKey& key(char letter) {
    return compose::kLetterKeys[size_t(letter - 'A')];
}

class Handlers : public ::testing::Test {
  protected:
    ProgramUnderTest program;
    QTemporaryDir dir;

    void type(const std::string& letters) { program.type(letters); }
    int filled() { return program.filledSlots(); }
    QString path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
    // Saves under that name and reads the file back.
    QImage save(const char* name) {
        program.dialog->answers.push_back(path(name));
        program.click("Image32");
        return QImage(path(name)).convertToFormat(QImage::Format_ARGB32);
    }
    QImage glyph(int g) {
        return program.control("Image4", g).picture->convertToFormat(QImage::Format_ARGB32);
    }
};

// --- Letter keys ------------------------------------------------------------

// Each letter's key and the glyph index it must write: A is Image2, B to Z
// are Image5 to Image29.
struct Written {
    char letter;
    int glyph;
};
const Written kWritten[] = {{'A', 0},  {'B', 2},  {'C', 3},  {'D', 7},  {'E', 8},  {'F', 10},
                            {'G', 11}, {'H', 13}, {'I', 14}, {'J', 15}, {'K', 17}, {'L', 26},
                            {'M', 19}, {'N', 20}, {'O', 21}, {'P', 23}, {'Q', 33}, {'R', 26},
                            {'S', 27}, {'T', 29}, {'U', 33}, {'V', 34}, {'W', 32}, {'X', 36},
                            {'Y', 38}, {'Z', 39}};

void PrintTo(const Written& w, std::ostream* os) {
    *os << w.letter << " writes glyph " << w.glyph;
}

std::string keyControl(char letter) {
    return letter == 'A' ? "Image2" : "Image" + std::to_string(letter - 'A' + 4);
}

class LetterKey : public ::testing::TestWithParam<Written> {};

TEST_P(LetterKey, WritesItsOwnGlyphIntoTheFirstSlot) {
    ProgramUnderTest program;
    const Written& w = GetParam();
    program.click(keyControl(w.letter));
    const Control& slot = program.control("Image3", 0);
    EXPECT_TRUE(slot.visible);
    EXPECT_EQ(slot.picture, program.control("Image4", w.glyph).picture)
        << w.letter << " must write the picture of glyph " << w.glyph;
    const QSize glyphSize = program.control("Image4", w.glyph).picture->size();
    EXPECT_EQ(slot.rectInWindow(), QRect(QPoint(19, 119), glyphSize))
        << "the glyph shows whole at slot 0's place";
    for (int i = 1; i < 12; ++i)
        EXPECT_FALSE(program.control("Image3", i).visible) << "slot " << i;
    EXPECT_EQ(program.control(keyControl(w.letter)).accessibleName, std::string(1, w.letter));
}

INSTANTIATE_TEST_SUITE_P(Handlers, LetterKey, ::testing::ValuesIn(kWritten),
                         [](const auto& info) { return std::string(1, info.param.letter); });

TEST_F(Handlers, LettersFillTheStripLeftToRight) {
    type("ABC");
    const int glyphs[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(program.control("Image3", i).picture,
                  program.control("Image4", glyphs[i]).picture);
    EXPECT_EQ(filled(), 3);
    type("LRQU");
    EXPECT_EQ(program.control("Image3", 3).picture, program.control("Image3", 4).picture)
        << "L and R share glyph 26";
    EXPECT_EQ(program.control("Image3", 5).picture, program.control("Image3", 6).picture)
        << "Q and U share glyph 33";
}

// The strip shows ten signs and a save writes those ten: an eleventh letter
// would be seen nowhere, so it is refused with the system's beep.
TEST_F(Handlers, AStripOfTenVisibleSignsRefusesTheEleventhWithABeep) {
    type("ABCDEFGHIJ");
    EXPECT_EQ(filled(), 10);
    EXPECT_EQ(program.messages->beeps, 0);
    std::vector<toolkit::Picture> before;
    for (int i = 0; i < 12; ++i)
        before.push_back(program.control("Image3", i).picture);
    type("KZ");
    EXPECT_EQ(filled(), 10) << "slots 10 and 11 stay empty";
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(program.control("Image3", i).picture, before[size_t(i)]) << "slot " << i;
    EXPECT_EQ(program.messages->beeps, 2) << "a beep for each refused letter";
    EXPECT_TRUE(program.messages->texts.empty()) << "and no message";
}

// Letters whose keys put the same picture into a slot, and all the others
// differ from each other pixel for pixel.
TEST_F(Handlers, KeysWriteIdenticalPicturesOnlyInTheStatedPairs) {
    const std::set<std::string> same = {"EY", "FV", "LR", "OW", "QU", "SX"};
    for (const auto& a : compose::kLetterKeys)
        for (const auto& b : compose::kLetterKeys) {
            if (std::string(a.letter) >= b.letter) continue;
            const bool equal = glyph(a.glyph) == glyph(b.glyph);
            EXPECT_EQ(equal, same.count(std::string(a.letter) + b.letter) == 1)
                << a.letter << " and " << b.letter
                << (equal ? " write the same picture" : " write different pictures");
        }
}

// --- Press feedback ---------------------------------------------------------

struct ButtonCase {
    Qt::MouseButton button;
    const char* name;
};

class PressFeedback : public ::testing::TestWithParam<ButtonCase> {};

// Letter k shows Image1(51 - k) while pressed and Image1(k) when up; Save
// and Clear show Image34(0) and (1) pressed, (2) and (3) up.
std::vector<compose::Faces> expectedFaces() {
    std::vector<compose::Faces> faces;
    for (int k = 0; k < 26; ++k)
        faces.push_back({compose::kLetterKeys[size_t(k)].control, "Image1", 51 - k, k});
    faces.push_back({"Image32", "Image34", 0, 2});
    faces.push_back({"Image33", "Image34", 1, 3});
    return faces;
}

TEST_P(PressFeedback, EveryKeyAndButtonShowsItsPressedFaceUntilRelease) {
    ProgramUnderTest program;
    program.dialog->answers.assign(4, std::nullopt);
    for (const compose::Faces& f : expectedFaces()) {
        Control& c = program.control(f.control);
        const QPoint p = c.rectInWindow().center();
        program.session->events().press(p, GetParam().button);
        EXPECT_EQ(c.picture, program.control(f.store, f.pressed).picture)
            << f.control << " pressed with " << GetParam().name << " should show " << f.store << "("
            << f.pressed << ")";
        program.session->events().release(p, GetParam().button);
        EXPECT_EQ(c.picture, program.control(f.store, f.up).picture)
            << f.control << " released with " << GetParam().name << " should show " << f.store
            << "(" << f.up << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Handlers, PressFeedback,
                         ::testing::Values(ButtonCase{Qt::LeftButton, "left"},
                                           ButtonCase{Qt::RightButton, "right"},
                                           ButtonCase{Qt::MiddleButton, "middle"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Handlers, ReleaseAwayFromTheKeyRestoresItAndWritesNothing) {
    Control& z = program.control(key('Z').control);
    program.session->events().press(z.rectInWindow().center(), Qt::LeftButton);
    EXPECT_EQ(z.picture, program.control("Image1", 26).picture);
    program.session->events().release({5, 5}, Qt::LeftButton);
    EXPECT_EQ(z.picture, program.control("Image1", 25).picture);
    EXPECT_EQ(filled(), 0) << "no click when the button comes up elsewhere";
}

// The window system can swallow a release (a broken grab, Alt+Tab while the
// button is held). The next press of that button shows it was lost: the old
// key comes up, and the new press is a press of its own.
TEST_F(Handlers, APressAfterALostReleaseStartsAfresh) {
    Control& z = program.control(key('Z').control);
    const QPoint b = program.control(key('B').control).rectInWindow().center();
    auto& events = program.session->events();
    events.press(z.rectInWindow().center(), Qt::LeftButton); // its release never comes
    events.press(b, Qt::LeftButton);
    EXPECT_EQ(z.picture, program.control("Image1", 25).picture) << "Z shows its up face again";
    events.release(b, Qt::LeftButton);
    EXPECT_EQ(filled(), 1) << "the click on B writes";
    EXPECT_EQ(program.control("Image3", 0).picture, program.control("Image4", 2).picture)
        << "slot 0 holds B's foot, not Z's door bolt";
}

TEST_F(Handlers, ACancelledCaptureBringsTheKeyUpWithoutAClick) {
    Control& z = program.control(key('Z').control);
    auto& events = program.session->events();
    events.press(z.rectInWindow().center(), Qt::LeftButton);
    events.cancelCapture();
    EXPECT_EQ(z.picture, program.control("Image1", 25).picture);
    EXPECT_EQ(events.captured(), nullptr);
    events.release(z.rectInWindow().center(), Qt::LeftButton);
    EXPECT_EQ(filled(), 0) << "a release after the cancel belongs to no press";
}

TEST_F(Handlers, RightAndMiddleClicksWriteNoLetter) {
    program.click(key('A').control, Qt::RightButton);
    program.click(key('A').control, Qt::MiddleButton);
    EXPECT_EQ(filled(), 0);
}

// Another button going down or up during a left click does not spoil it:
// the click belongs to the left button alone. Each step is a button (L, R,
// M) going down (+) or up (-) over the key, or up away from it (~).
struct Chord {
    const char* steps;
    int letters;
};

void PrintTo(const Chord& c, std::ostream* os) {
    *os << '"' << c.steps << '"';
}

class Chords : public ::testing::TestWithParam<Chord> {};

TEST_P(Chords, TheLeftButtonAloneDecidesTheClick) {
    ProgramUnderTest program;
    Control& a = program.control(key('A').control);
    const QPoint on = a.rectInWindow().center(), away{5, 5};
    const std::string steps = GetParam().steps;
    for (size_t i = 0; i + 1 < steps.size(); i += 3) {
        const Qt::MouseButton button = steps[i] == 'L'   ? Qt::LeftButton
                                       : steps[i] == 'R' ? Qt::RightButton
                                                         : Qt::MiddleButton;
        if (steps[i + 1] == '+')
            program.session->events().press(on, button);
        else
            program.session->events().release(steps[i + 1] == '~' ? away : on, button);
    }
    EXPECT_EQ(program.filledSlots(), GetParam().letters) << steps;
    EXPECT_EQ(a.picture, program.control("Image1", 0).picture) << steps << ": A is up again";
}

INSTANTIATE_TEST_SUITE_P(Handlers, Chords,
                         ::testing::Values(Chord{"L+ R+ L- R-", 1}, Chord{"R+ L+ L- R-", 1},
                                           Chord{"L+ M+ M- L-", 1}, Chord{"L+ R+ R- L-", 1},
                                           Chord{"L+ R+ L~ R-", 0}, Chord{"R+ L+ R- L~", 0},
                                           Chord{"R+ R- L+ L-", 1}));

TEST_F(Handlers, TheBackdropPanelIgnoresPresses) {
    Control& panel = program.control("Image30");
    const toolkit::Picture start = panel.picture;
    program.session->events().press({32, 190}, Qt::LeftButton); // its margin, outside the key frame
    program.session->events().release({32, 190}, Qt::LeftButton);
    EXPECT_EQ(panel.picture, start);
}

TEST_F(Handlers, ADoubleClickWritesTwoLetters) {
    const QPoint n = program.control(key('N').control).rectInWindow().center();
    auto& events = program.session->events();
    events.press(n, Qt::LeftButton);
    events.release(n, Qt::LeftButton);
    events.doubleClick(n, Qt::LeftButton);
    EXPECT_EQ(program.control(key('N').control).picture, program.control("Image1", 38).picture)
        << "pressed again";
    events.release(n, Qt::LeftButton);
    EXPECT_EQ(filled(), 2);
}

// Handlers find their controls when they are bound: a window that lacks one
// stops at start with its name, instead of ending the program at a click.
TEST(Binding, AMissingControlStopsTheStartAndIsNamed) {
    toolkit::Description d = toolkit::readDescription(app::embeddedDescription());
    for (toolkit::ControlRecord& frame : d.form.children)
        std::erase_if(frame.children, [](const toolkit::ControlRecord& r) {
            return r.name == "Image4" && r.index == 2;
        });
    const toolkit::Bytes bytes = toolkit::writeDescription(d);
    toolkit::Project project = app::project();
    project.windowDescription = bytes;
    try {
        toolkit::Session session(
            project, [] { return std::make_unique<FakeDialog>(); },
            std::make_unique<RecordedMessages>());
        FAIL() << "the window started without Image4(2)";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "no control Image4(2) in the window");
    }
}

// --- Clear --------------------------------------------------------------------

TEST_F(Handlers, ClearEmptiesTheStripAndTheNextLetterRefillsSlotZero) {
    type("ABCDEFGHIJKL");
    program.click("Image33");
    EXPECT_EQ(filled(), 0) << "slots 10 and 11 too";
    program.click("Image33");
    EXPECT_EQ(filled(), 0);
    type("D");
    EXPECT_EQ(program.control("Image3", 0).picture, program.control("Image4", 7).picture);
    EXPECT_EQ(filled(), 1);
}

// --- Save ---------------------------------------------------------------------

TEST_F(Handlers, SaveAtStartWritesAWhiteStrip) {
    const QImage saved = save("start.bmp");
    EXPECT_TRUE(samePixels(saved, blankStrip(), "saved strip"));
    QFile f(path("start.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), QByteArray("BM"));
    EXPECT_EQ(program.dialog->filter,
              QStringLiteral("picture (*.bmp)|*.bmp|PNG picture (*.png)|*.png"));
}

TEST_F(Handlers, SavedGlyphsSitAtTheirPlaces) {
    type("ABCDEFGHIJKL");
    EXPECT_TRUE(
        samePixels(save("name.bmp"), expectedStrip(program.glyphsOf("ABCDEFGHIJ")), "saved strip"));
}

TEST_F(Handlers, SaveAfterClearShowsOnlyTheLettersWrittenSince) {
    type("ABC");
    program.click("Image33");
    type("D");
    EXPECT_TRUE(samePixels(save("after-clear.bmp"), expectedStrip({glyph(7)}),
                           "strip after A B C, Clear, D"));
}

TEST_F(Handlers, ACancelledSaveLeavesNoGhostAndWritesNothing) {
    type("A");
    program.click("Image33");
    program.dialog->answers.push_back(std::nullopt);
    program.click("Image32");
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "a cancel writes no file";
    EXPECT_TRUE(program.messages->texts.empty()) << "and shows no message";
    type("D");
    EXPECT_TRUE(
        samePixels(save("no-ghost.bmp"), expectedStrip({glyph(7)}), "D without the A under it"));
    EXPECT_EQ(program.dialog->shown, 2) << "the next Save opens the dialog again";
}

TEST_F(Handlers, TwoSavesInARowWriteIdenticalFiles) {
    type("MAAT");
    save("one.bmp");
    save("two.bmp");
    QFile a(path("one.bmp")), b(path("two.bmp"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST_F(Handlers, AFailedWriteTellsTheUserAndLeavesWhatWasThere) {
    type("R");
    // A folder where the file should go, and a file where a folder should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.bmp")));
    QFile blocker(path("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("keep me");
    blocker.close();
    for (const char* target : {"taken.bmp", "plain/inside.bmp"}) {
        program.messages->texts.clear();
        program.dialog->answers.push_back(path(target));
        program.click("Image32");
        ASSERT_EQ(program.messages->texts.size(), 1u) << target;
        EXPECT_TRUE(program.messages->texts[0].contains(path(target)))
            << program.messages->texts[0].toStdString();
    }
    EXPECT_TRUE(QFileInfo(path("taken.bmp")).isDir());
    QFile kept(path("plain"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep me"));
}

TEST_F(Handlers, SavingReplacesAnExistingFileWhole) {
    QFile old(path("old.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(200000, 'x'));
    old.close();
    type("P");
    EXPECT_TRUE(samePixels(save("old.bmp"), expectedStrip({glyph(23)}), "replaced file"));
    EXPECT_EQ(QFileInfo(path("old.bmp")).size(), 54 + 1704 * 53);
}

} // namespace
