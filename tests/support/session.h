// The real program on its embedded description, without a window: the Save
// As dialog and message boxes are replaced by fakes that record what happens.
#pragma once

#include "letter_keys.h"
#include "operations.h"
#include "program.h"
#include "project.h"

#include <QWidget>

#include <deque>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Failures name a picture by its size and identity, not by its raw bytes.
// A picture is a shared_ptr of QImage, so this lives where QImage does.
inline void PrintTo(const toolkit::Picture& p, std::ostream* os) {
    if (!p)
        *os << "no picture";
    else
        *os << "a " << p.size().width() << " x " << p.size().height() << " picture at "
            << p.identity();
}

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace testing_support {

class FakeDialog : public toolkit::CommonDialog {
  public:
    // Each showSave takes the next answer: a path, or nullopt for a cancel.
    std::deque<std::optional<QString>> answers;
    // The file type chosen with each answer; the one shown stays otherwise.
    std::deque<int> types;
    // The name each showing started from.
    std::vector<QString> startedAt;
    int shown = 0;
    bool showSave() override {
        ++shown;
        startedAt.push_back(fileName);
        std::optional<QString> a = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty()) answers.pop_front();
        if (!types.empty()) filterIndex = types.front(), types.pop_front();
        if (a) fileName = *a;
        return a.has_value();
    }
};

class RecordedMessages : public toolkit::MessageSink {
  public:
    std::vector<QString> texts;
    std::vector<std::unique_ptr<QWidget>> windows;
    int beeps = 0;
    void warn(const QString& title, const QString& text) override {
        texts.push_back(title + ": " + text);
    }
    void inform(const QString& title, const QString& text) override {
        texts.push_back(title + ": " + text);
    }
    void present(QWidget* window) override { windows.emplace_back(window); }
    void beep() override { ++beeps; }
};

struct ProgramUnderTest {
    // Fakes for a session of one's own.
    struct Fakes {
        std::function<std::unique_ptr<toolkit::CommonDialog>()> dialogs() {
            return [] { return std::make_unique<FakeDialog>(); };
        }
        std::unique_ptr<toolkit::MessageSink> messages() {
            return std::make_unique<RecordedMessages>();
        }
    };

    FakeDialog* dialog = nullptr;
    RecordedMessages* messages = nullptr;
    std::unique_ptr<toolkit::Session> session;

    ProgramUnderTest() {
        auto recorded = std::make_unique<RecordedMessages>();
        messages = recorded.get();
        session = std::make_unique<toolkit::Session>(
            app::project(),
            [this] {
                auto d = std::make_unique<FakeDialog>();
                dialog = d.get();
                return d;
            },
            std::move(recorded));
    }

    toolkit::Form& form() { return session->form(); }
    toolkit::Control& control(const std::string& name) { return form().control(name); }
    toolkit::Control& control(const std::string& name, int index) {
        return form().control(name, index);
    }

    // How many slots of the strip are filled (shown).
    int filledSlots() { return compose::filledSlots(compose::slotStrip(form())); }

    // Clicks the key of each letter, A to Z, in turn.
    void type(const std::string& letters) {
        for (char c : letters)
            click(compose::kLetterKeys[size_t(c - 'A')].control);
    }

    // The glyph each letter writes, as the pixels of a saved strip show it.
    std::vector<QImage> glyphsOf(const std::string& letters) {
        std::vector<QImage> glyphs;
        for (char c : letters)
            glyphs.push_back(control("Image4", compose::kLetterKeys[size_t(c - 'A')].glyph)
                                 .picture->convertToFormat(QImage::Format_ARGB32));
        return glyphs;
    }

    // Runs the command that the menu lists under that text.
    void command(const QString& text) {
        for (const toolkit::Command& c : session->events().commands())
            if (c.text == text) {
                if (!c.enabled || c.enabled()) c.run();
                return;
            }
        throw std::out_of_range("no command " + text.toStdString());
    }

    // A whole left click in the middle of a control, through the event entry.
    void click(const std::string& name, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint p = control(name).rectInWindow().center();
        session->events().press(p, button);
        session->events().release(p, button);
    }
};

} // namespace testing_support
