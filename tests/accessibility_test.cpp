// The window as assistive technology sees it, through Qt's accessibility
// interfaces: keys and buttons it can press, what each key writes, a strip
// it can read, and the message after a failed save as an alert. The change
// events need a live AT-SPI bus: accessibility_atspi_test.py checks them.
#include "events.h"
#include "form_window.h"
#include "qt_dialogs.h"
#include "support/session.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class Accessibility : public ::testing::Test {
  protected:
    ProgramUnderTest program;
    toolkit::FormWindow window{program.form(), program.session->events()};
    QAccessibleInterface* root = nullptr;

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        root = QAccessible::queryAccessibleInterface(&window);
        ASSERT_NE(root, nullptr);
    }

    QAccessibleInterface* find(QAccessible::Role role, const QString& name) {
        for (int i = 0; i < root->childCount(); ++i) {
            QAccessibleInterface* c = root->child(i);
            if (c->role() == role && (name.isNull() || c->text(QAccessible::Name) == name))
                return c;
        }
        return nullptr;
    }
    QAccessibleInterface* button(const char* name) {
        return find(QAccessible::Button, QString::fromLatin1(name));
    }
    QString strip() {
        QAccessibleInterface* s = find(QAccessible::StaticText, QString());
        return s ? s->text(QAccessible::Name) : QStringLiteral("<no strip>");
    }
    // Presses by the accessibility action, then lets the queued click run.
    void press(const char* name) {
        QAccessibleInterface* b = button(name);
        ASSERT_NE(b, nullptr) << "no button " << name;
        ASSERT_NE(b->actionInterface(), nullptr) << name << " offers no actions";
        b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    }
};

TEST_F(Accessibility, EveryKeyAndButtonOffersPressAndEachKeyNamesItsSign) {
    struct Named {
        const char* name;
        const char* description;
    };
    const Named expected[] = {
        {"A", "vulture"},
        {"B", "foot"},
        {"C", "basket with handle"},
        {"D", "hand"},
        {"E", "two reed leaves"},
        {"F", "horned viper"},
        {"G", "jar stand"},
        {"H", "twisted flax"},
        {"I", "reed leaf"},
        {"J", "cobra"},
        {"K", "hill slope"},
        {"L", "mouth"},
        {"M", "owl"},
        {"N", "water"},
        {"O", "quail chick"},
        {"P", "stool"},
        {"Q", "reed leaf and quail chick"},
        {"R", "mouth"},
        {"S", "folded cloth"},
        {"T", "bread loaf"},
        {"U", "reed leaf and quail chick"},
        {"V", "horned viper"},
        {"W", "quail chick"},
        {"X", "folded cloth"},
        {"Y", "two reed leaves"},
        {"Z", "door bolt"},
        {"Clear", "empties the strip"},
        {"Save", "saves the strip as a picture"},
    };
    for (const Named& n : expected) {
        QAccessibleInterface* b = button(n.name);
        ASSERT_NE(b, nullptr) << "no button named " << n.name;
        EXPECT_EQ(b->text(QAccessible::Description).toStdString(), n.description) << n.name;
        ASSERT_NE(b->actionInterface(), nullptr) << n.name;
        EXPECT_EQ(b->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()})
            << n.name;
    }
    EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("The Cartouchery"));
    EXPECT_EQ(root->role(), QAccessible::Window);
}

TEST_F(Accessibility, PressingWritesThroughTheClickAndTheStripReadsIt) {
    EXPECT_EQ(strip(), QStringLiteral("empty"));
    QAccessibleInterface* b = button("B");
    b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(program.control("Image3", 0).visible) << "the action returns before it clicks";
    QCoreApplication::processEvents();
    for (const char* key : {"A", "C"})
        press(key);
    EXPECT_EQ(strip(), QStringLiteral("foot, vulture, basket with handle"));
    EXPECT_EQ(program.control("Image3", 0).picture, program.control("Image4", 2).picture);
    for (auto [key, upFace] : {std::pair{"Image5", 1}, {"Image2", 0}, {"Image6", 2}})
        EXPECT_EQ(program.control(key).picture, program.control("Image1", upFace).picture)
            << key << " shows its up face again";
    press("Clear");
    EXPECT_EQ(strip(), QStringLiteral("empty"));
}

TEST_F(Accessibility, AFullStripSaysSo) {
    for (const char* key : {"C", "L", "E", "O", "P", "A", "T", "R", "A", "S", "O", "N"})
        press(key);
    EXPECT_EQ(strip(), QStringLiteral("basket with handle, mouth, two reed leaves, quail chick, "
                                      "stool, vulture, bread loaf, mouth, vulture, folded cloth; "
                                      "full"));
    EXPECT_EQ(program.messages->beeps, 2) << "O and N were refused";
}

TEST_F(Accessibility, SavePressedByItsActionOpensTheDialogOnce) {
    press("Save");
    EXPECT_EQ(program.dialog->shown, 1);
    EXPECT_TRUE(program.messages->texts.empty()) << "a cancel says nothing";
}

// A modal dialog keeps assistive technology off the window, as it keeps the
// mouse off: presses made while it is open, or queued just before it opened,
// do nothing.
TEST_F(Accessibility, PressesWaitBehindAModalDialog) {
    press("B");
    QAccessibleInterface* clear = button("Clear");
    clear->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // queued
    QDialog modal(&window);
    modal.setModal(true);
    modal.show();
    QCoreApplication::processEvents();
    for (const char* name : {"Clear", "Save", "A"})
        press(name);
    EXPECT_EQ(strip(), QStringLiteral("foot")) << "nothing got past the dialog";
    EXPECT_EQ(program.dialog->shown, 0) << "no Save As dialog behind the modal one";
    modal.close();
    press("Clear");
    EXPECT_EQ(strip(), QStringLiteral("empty")) << "the window takes presses again";
}

// The control a screen reader finds at a point is the one a click there
// reaches; a slot of the strip answers as the strip.
TEST_F(Accessibility, TheControlAtAPointIsTheOneTheMouseHits) {
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x) {
            const QPoint global = window.mapToGlobal(QPoint(x, y));
            QAccessibleInterface* found = root->childAt(global.x(), global.y());
            const toolkit::Control* hit = &toolkit::controlAt(program.form(), {x, y});
            while (hit && hit->accessibleName.empty() && !hit->accessibleText)
                hit = hit->container;
            const QString expected = !hit ? QStringLiteral("nothing")
                                     : hit->accessibleText
                                         ? QString::fromStdString(hit->accessibleText())
                                         : QString::fromStdString(hit->accessibleName);
            const QString actual =
                found ? found->text(QAccessible::Name) : QStringLiteral("nothing");
            ASSERT_EQ(actual, expected) << "at (" << x << ", " << y << ")";
        }
}

TEST(AccessibleWindow, ItsControlsAreFreedWithIt) {
    ProgramUnderTest program;
    std::vector<QAccessible::Id> ids;
    {
        toolkit::FormWindow window{program.form(), program.session->events()};
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
        ASSERT_NE(root, nullptr);
        for (int i = 0; i < root->childCount(); ++i)
            ids.push_back(QAccessible::uniqueId(root->child(i)));
    }
    ASSERT_EQ(ids.size(), 29u) << "26 keys, two buttons and the strip";
    for (QAccessible::Id id : ids)
        EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr)
            << "interface " << id << " lives on";
}

// The message goes to the program's window, whichever window is active.
TEST(AccessibleMessage, AFailedSaveIsAnAlertWithItsTextOnTheProgramsWindow) {
    QWidget home, other;
    home.show();
    other.show();
    other.activateWindow();
    QString role, text;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        parent = box->parentWidget();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        role = iface->role() == QAccessible::AlertMessage ? QStringLiteral("alert")
                                                          : QString::number(iface->role());
        for (int i = 0; i < iface->childCount(); ++i)
            text += iface->child(i)->text(QAccessible::Name) + QLatin1Char('|');
        box->close();
    });
    toolkit::QtMessageSink(std::make_shared<QPointer<QWidget>>(&home))
        .warn(QStringLiteral("The Cartouchery"),
              QStringLiteral("The picture could not be saved as\n/x/y.bmp"));
    EXPECT_EQ(role, QStringLiteral("alert"));
    EXPECT_EQ(parent, &home) << "the box belongs to the program's window";
    EXPECT_TRUE(text.contains(QStringLiteral("/x/y.bmp"))) << text.toStdString();
}

} // namespace
