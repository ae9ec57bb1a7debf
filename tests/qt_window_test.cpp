// The real Qt window under the offscreen platform: its size, flags and title,
// what it shows, and mouse events sent through the window system.
#include "form_window.h"
#include "qt_dialogs.h"
#include "rendering.h"
#include "support/pixels.h"
#include "support/session.h"

#include <QAccessible>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class QtWindow : public ::testing::Test {
  protected:
    ProgramUnderTest program;
    toolkit::FormWindow window{program.form(), program.session->events()};

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QPoint centreOf(const char* control) {
        return program.control(control).rectInWindow().center();
    }
};

TEST_F(QtWindow, IsAFixedSizeWindowWithACloseBoxOnly) {
    EXPECT_EQ(window.size(), QSize(591, 521));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the user cannot resize it";
    EXPECT_EQ(window.windowTitle(), QStringLiteral("The Cartouchery"));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(QtWindow, ShowsExactlyWhatTheToolkitRenders) {
    const QImage grabbed = window.grab().toImage();
    EXPECT_TRUE(samePixels(grabbed, toolkit::renderForm(program.form()), "grabbed window"));
}

TEST_F(QtWindow, ClicksThroughTheWindowWriteANameAndTheWindowShowsIt) {
    QWindow* handle = window.windowHandle();
    for (const char* key : {"Image24", "Image16"}) { // U, M
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, centreOf(key));
    }
    EXPECT_TRUE(program.control("Image3", 0).visible);
    EXPECT_TRUE(program.control("Image3", 1).visible);
    EXPECT_TRUE(samePixels(window.grab().toImage(), toolkit::renderForm(program.form()),
                           "window after two letters"));
}

TEST_F(QtWindow, ADoubleClickOnAKeyWritesTwoLetters) {
    // The window overload gives the real order: press, release, double click, release.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf("Image17"));
    EXPECT_TRUE(program.control("Image3", 0).visible);
    EXPECT_TRUE(program.control("Image3", 1).visible);
    EXPECT_FALSE(program.control("Image3", 2).visible);
}

TEST_F(QtWindow, KeysAndButtonsCarryAccessibleNames) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(iface, nullptr);
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i)
        names << iface->child(i)->text(QAccessible::Name);
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_TRUE(names.contains(QString(QChar(c)))) << "key " << c;
    EXPECT_TRUE(names.contains(QStringLiteral("Save")));
    EXPECT_TRUE(names.contains(QStringLiteral("Clear")));
    // A key found by its name is the control that writes that letter.
    for (int i = 0; i < iface->childCount(); ++i)
        if (iface->child(i)->text(QAccessible::Name) == QLatin1String("T")) {
            const QPoint p = window.mapFromGlobal(iface->child(i)->rect().center());
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
        }
    EXPECT_EQ(program.control("Image3", 0).picture, program.control("Image4", 29).picture)
        << "T writes the bread loaf";
}

TEST(SaveAsDialog, ListsEachFilterPairAsOneFileType) {
    struct Case {
        const char* filter;
        const char* qt;
    };
    for (const Case& c : {Case{"picture (*.bmp)|*.bmp", "picture (*.bmp)"},
                          Case{"Text|*.txt;*.md", "Text (*.txt *.md)"},
                          Case{"picture (*.bmp)|*.bmp|All files|*", "picture (*.bmp);;All files (*)"}})
        EXPECT_EQ(toolkit::qtFilter(QString::fromLatin1(c.filter)), QString::fromLatin1(c.qt)) << c.filter;
}

} // namespace
