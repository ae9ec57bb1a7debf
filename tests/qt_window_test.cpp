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

#include <algorithm>

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

// A release the window never sees: another window takes the activation while
// the button is held, or the window system swallows the release.
TEST_F(QtWindow, LosingActivationWhileAKeyIsHeldBringsItUp) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    toolkit::Control& z = program.control("Image29");
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf("Image29"));
    ASSERT_EQ(z.picture, program.control("Image1", 26).picture) << "Z pressed";
    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(z.picture, program.control("Image1", 25).picture) << "Z shows its up face again";
    EXPECT_TRUE(samePixels(window.grab().toImage(), toolkit::renderForm(program.form()),
                           "window after losing activation"));
    other.hide();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf("Image29"));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf("Image5"));
    EXPECT_EQ(program.control("Image3", 0).picture, program.control("Image4", 2).picture)
        << "the next click writes B into slot 0";
    EXPECT_FALSE(program.control("Image3", 1).visible);
}

TEST_F(QtWindow, AClickAfterASwallowedReleaseWrites) {
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, centreOf("Image29"));
    // No release for Z: the next event is a fresh press on B.
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, centreOf("Image5"));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, centreOf("Image5"));
    EXPECT_EQ(program.control("Image29").picture, program.control("Image1", 25).picture)
        << "Z is up";
    EXPECT_EQ(program.control("Image3", 0).picture, program.control("Image4", 2).picture)
        << "B's click wrote the foot into slot 0";
}

// Run under QT_SCALE_FACTOR too (CTest has an entry per ratio): every device
// pixel must be one of the window's own pixels, never a blend of two.
TEST_F(QtWindow, StaysCrispAtItsDevicePixelRatio) {
    const qreal ratio = window.devicePixelRatioF();
    const QImage grabbed = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage logical =
        toolkit::renderForm(program.form()).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(grabbed.size(), (QSizeF(logical.size()) * ratio).toSize());
    auto near = [&](int device, int limit) {
        return std::clamp(int(device / ratio), 0, limit - 1);
    };
    for (int y = 0; y < grabbed.height(); ++y)
        for (int x = 0; x < grabbed.width(); ++x) {
            const int lx = near(x, logical.width()), ly = near(y, logical.height());
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    const QPoint s(lx + dx, ly + dy);
                    found = logical.rect().contains(s) && logical.pixel(s) == grabbed.pixel(x, y);
                }
            ASSERT_TRUE(found) << "device pixel (" << x << ", " << y << ") at ratio " << ratio
                               << " is " << rgbText(grabbed.pixel(x, y))
                               << ", a blend: the window pixel (" << lx << ", " << ly << ") is "
                               << rgbText(logical.pixel(lx, ly));
        }
}

TEST(SaveAsDialog, ListsEachFilterPairAsOneFileType) {
    struct Case {
        const char* filter;
        const char* qt;
    };
    for (const Case& c :
         {Case{"picture (*.bmp)|*.bmp", "picture (*.bmp)"},
          Case{"Text|*.txt;*.md", "Text (*.txt *.md)"},
          Case{"picture (*.bmp)|*.bmp|All files|*", "picture (*.bmp);;All files (*)"}})
        EXPECT_EQ(toolkit::qtFilter(QString::fromLatin1(c.filter)), QString::fromLatin1(c.qt))
            << c.filter;
}

} // namespace
