// Typing, taking back, copying and the window's menu, through real key events
// on the real window: what a keyboard user gets beside the mouse.
#include "compose/letter_keys.h"
#include "compose/strip_history.h"
#include "form_window.h"
#include "output/copying.h"
#include "support/expected_strip.h"
#include "support/pixels.h"
#include "support/session.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class Keyboard : public ::testing::Test {
  protected:
    ProgramUnderTest program;
    toolkit::FormWindow window{program.form(), program.session->events()};

    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString letters() { return compose::writtenLetters(compose::slotStrip(program.form())); }
    void down(int key, const QString& text, Qt::KeyboardModifiers m = {}, bool repeat = false) {
        QTest::simulateEvent(&window, true, key, m, text, repeat);
    }
    void up(int key, const QString& text, Qt::KeyboardModifiers m = {}) {
        QTest::simulateEvent(&window, false, key, m, text, false);
    }
    void type(const QString& text) {
        for (QChar c : text) {
            const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
            down(key, QString(c));
            up(key, QString(c));
        }
    }
    void keys(const QKeySequence& sequence) {
        const QKeyCombination k = sequence[0];
        QTest::keyClick(&window, k.key(), k.keyboardModifiers());
    }
};

// What typing each text writes, whatever the case, accents or layout.
struct Typed {
    const char* text; // UTF-8
    const char* writes;
};

void PrintTo(const Typed& t, std::ostream* os) {
    *os << '"' << t.text << '"';
}

class Typing : public Keyboard, public ::testing::WithParamInterface<Typed> {};

TEST_P(Typing, WritesTheBaseLettersAndNothingElse) {
    const QString text = QString::fromUtf8(GetParam().text);
    for (QChar c : text) {
        down(Qt::Key_unknown + c.unicode(), QString(c)); // each character its own key
        up(Qt::Key_unknown + c.unicode(), QString(c));
    }
    EXPECT_EQ(letters(), QString::fromLatin1(GetParam().writes)) << GetParam().text;
    EXPECT_EQ(program.messages->beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, Typing,
                         ::testing::Values(Typed{"anna", "ANNA"}, Typed{"OTTO", "OTTO"},
                                           Typed{"ÉÈÊé", "EEEE"}, Typed{"Ünñå", "UNNA"},
                                           Typed{"1-2 .,ß", ""}, Typed{"b3c", "BC"}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(Keyboard, AKeyWritesOnItsPressShowsItsFaceWhileHeldAndRepeatsNothing) {
    toolkit::Control& b = program.control("Image5");
    down(Qt::Key_B, QStringLiteral("b"));
    EXPECT_EQ(letters(), QStringLiteral("B")) << "written on the press";
    EXPECT_EQ(b.picture, program.control("Image1", 50).picture) << "B shows its pressed face";
    for (int i = 0; i < 5; ++i)
        down(Qt::Key_B, QStringLiteral("b"), {}, true);
    EXPECT_EQ(letters(), QStringLiteral("B")) << "auto-repeat writes nothing more";
    down(Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(letters(), QStringLiteral("BA")) << "a second key while the first is held";
    up(Qt::Key_B, QStringLiteral("b"));
    EXPECT_EQ(b.picture, program.control("Image1", 1).picture) << "B is up again";
    EXPECT_EQ(program.control("Image2").picture, program.control("Image1", 51).picture)
        << "A is still held";
    up(Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(program.control("Image2").picture, program.control("Image1", 0).picture);
}

TEST_F(Keyboard, TypingFillsTheSameSlotsAndPicturesAsClicking) {
    ProgramUnderTest clicked;
    for (const char* control : {"Image11", "Image2", "Image17", "Image17", "Image2"})
        clicked.click(control);
    type(QStringLiteral("hanna"));
    for (int i = 0; i < compose::kSlotCount; ++i) {
        EXPECT_EQ(program.control("Image3", i).visible, clicked.control("Image3", i).visible) << i;
        EXPECT_EQ(program.control("Image3", i).rectInWindow(),
                  clicked.control("Image3", i).rectInWindow())
            << i;
    }
}

TEST_F(Keyboard, TheEleventhLetterIsRefusedWithABeep) {
    type(QStringLiteral("christopher"));
    EXPECT_EQ(letters(), QStringLiteral("CHRISTOPHE"));
    EXPECT_EQ(program.messages->beeps, 1);
    EXPECT_EQ(program.control("Frame2").accessibleText().substr(0, 5), "baske");
    EXPECT_TRUE(program.control("Frame2").accessibleText().ends_with("; full"));
}

// Each step: keys pressed, then the letters the strip holds.
TEST_F(Keyboard, BackspaceUndoRedoAndDeleteStepThroughEveryChange) {
    type(QStringLiteral("anna"));
    struct Step {
        QKeySequence keys;
        const char* then;
    };
    const Step steps[] = {
        {QKeySequence(Qt::Key_Backspace), "ANN"},
        {QKeySequence::Undo, "ANNA"},
        {QKeySequence::Undo, "ANN"},
        {QKeySequence::Redo, "ANNA"},
        {QKeySequence::Delete, ""},
        {QKeySequence::Undo, "ANNA"},
        {QKeySequence::Redo, ""},
        {QKeySequence::Undo, "ANNA"},
    };
    for (const Step& s : steps) {
        keys(s.keys);
        EXPECT_EQ(letters(), QString::fromLatin1(s.then))
            << "after " << s.keys.toString().toStdString();
    }
    program.click("Image33"); // the Clear button
    EXPECT_EQ(letters(), QString());
    keys(QKeySequence::Undo);
    EXPECT_EQ(letters(), QStringLiteral("ANNA")) << "Clear is never final";
    QImage shown = window.grab().toImage();
    ProgramUnderTest fresh;
    for (const char* control : {"Image2", "Image17", "Image17", "Image2"})
        fresh.click(control);
    toolkit::FormWindow other(fresh.form(), fresh.session->events());
    EXPECT_TRUE(samePixels(shown.convertToFormat(QImage::Format_ARGB32),
                           other.grab().toImage().convertToFormat(QImage::Format_ARGB32),
                           "the window after the undo"))
        << "an undone Clear shows the strip as it was";
}

TEST_F(Keyboard, KeysThatWriteNothingChangeNothing) {
    type(QStringLiteral("ab"));
    const QImage before = window.grab().toImage();
    for (const QKeySequence& k : {QKeySequence(QKeySequence::Paste), QKeySequence(Qt::Key_Tab),
                                  QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return),
                                  QKeySequence(Qt::CTRL | Qt::Key_B)})
        keys(k);
    EXPECT_EQ(letters(), QStringLiteral("AB"));
    EXPECT_EQ(window.grab().toImage(), before) << "no pixel changed";
}

TEST_F(Keyboard, CopyOffersThePictureSaveWritesAndTheSignsAsUnicode) {
    QGuiApplication::clipboard()->setText(QStringLiteral("another program's"));
    type(QStringLiteral("ptolemy"));
    keys(QKeySequence::Copy);
    const QMimeData* offer = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(offer, nullptr);
    // P stool, T bread loaf, O quail chick, L mouth, E and Y two reed leaves, M owl.
    EXPECT_EQ(offer->text(), QString::fromUcs4(U"\U000132AA\U000133CF\U00013171\U0001308B"
                                               U"\U000131CC\U00013153\U000131CC"));
    const QImage picture = qvariant_cast<QImage>(offer->imageData());
    ASSERT_EQ(picture.size(), QSize(567, 53));
    EXPECT_TRUE(samePixels(picture.convertToFormat(QImage::Format_ARGB32),
                           expectedStrip(program.glyphsOf("PTOLEMY")), "the copied picture"));
}

TEST_F(Keyboard, AGroupOfTwoSignsCopiesAsTwoCodePoints) {
    type(QStringLiteral("qu"));
    EXPECT_EQ(output::stripUnicode(compose::slotStrip(program.form())),
              QString::fromUcs4(U"\U000131CB\U00013171\U000131CB\U00013171"));
}

// The menu, opened with the mouse outside the keys and buttons, or from the
// keyboard; a right click on a key stays a press of that key.
TEST_F(Keyboard, TheMenuListsEveryCommandWithItsKeys) {
    QStringList seen;
    auto readMenu = [&] {
        QTimer::singleShot(50, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* a : menu->actions())
                    if (!a->isSeparator())
                        seen << a->text() + QLatin1Char('|') +
                                    a->shortcut().toString(QKeySequence::PortableText);
                menu->close();
            }
        });
    };
    readMenu();
    QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(5, 90)); // the title's margin
    if (seen.isEmpty()) { // platforms that open context menus on release
        readMenu();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 90),
                                window.mapToGlobal(QPoint(5, 90)));
        QApplication::sendEvent(&window, &event);
    }
    const QString undo = QKeySequence(QKeySequence::Undo).toString(QKeySequence::PortableText);
    EXPECT_EQ(seen.size(), 9) << seen.join(QStringLiteral("; ")).toStdString();
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen[0], QStringLiteral("Undo|") + undo);
    EXPECT_EQ(seen[2], QStringLiteral("Remove the last sign|Backspace"));
    EXPECT_EQ(seen.last().section(QLatin1Char('|'), 0, 0), QStringLiteral("Quit"));

    seen.clear();
    readMenu();
    QContextMenuEvent onKey(QContextMenuEvent::Mouse,
                            program.control("Image5").rectInWindow().center(),
                            window.mapToGlobal(program.control("Image5").rectInWindow().center()));
    QApplication::sendEvent(&window, &onKey);
    QTest::qWait(100);
    EXPECT_TRUE(seen.isEmpty()) << "no menu over the key B";

    readMenu();
    QTest::keyClick(&window, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(seen.size(), 9) << "Shift+F10 opens it";
}

TEST_F(Keyboard, HelpShowsEveryLetterWithItsSignAndEachKeyNamesItsSign) {
    keys(QKeySequence::HelpContents);
    ASSERT_EQ(program.messages->windows.size(), 1u) << "F1 shows Keys and signs";
    QWidget& help = *program.messages->windows[0];
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Keys and signs"));
    const QString all = help.findChild<QLabel*>() ? help.findChild<QLabel*>()->text() : QString();
    EXPECT_TRUE(all.contains(QStringLiteral("ten signs"))) << all.toStdString();
    EXPECT_EQ(program.control("Image9").toolTip, "F: horned viper");
    EXPECT_EQ(program.control("Image2").toolTip, "A: vulture");
}

} // namespace
