// The program's session for measuring: a dialog that always cancels and
// messages that go nowhere.
#pragma once

#include "program.h"
#include "project.h"

#include <QWidget>

#include <memory>

namespace bench {

class CancellingDialog : public toolkit::CommonDialog {
  public:
    bool showSave() override { return false; }
};

class NoMessages : public toolkit::MessageSink {
  public:
    void warn(const QString&, const QString&) override {}
    void inform(const QString&, const QString&) override {}
    void present(QWidget* window) override { delete window; }
    void beep() override {}
};

inline std::unique_ptr<toolkit::Session> quietSession() {
    return std::make_unique<toolkit::Session>(
        app::project(), [] { return std::make_unique<CancellingDialog>(); },
        std::make_unique<NoMessages>());
}

} // namespace bench
