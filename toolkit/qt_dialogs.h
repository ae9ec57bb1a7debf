// The Save As dialog and message boxes of the platform, through Qt.
#pragma once

#include "common_dialog.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace toolkit {

// The window the dialogs belong to: set once the program's window exists, so
// a dialog centres on it and blocks it, whatever window happens to be active.
using DialogOwner = std::shared_ptr<QPointer<QWidget>>;

class QtCommonDialog : public CommonDialog {
  public:
    explicit QtCommonDialog(DialogOwner owner) : owner_(std::move(owner)) {}
    bool showSave() override;

  private:
    DialogOwner owner_;
};

class QtMessageSink : public MessageSink {
  public:
    explicit QtMessageSink(DialogOwner owner) : owner_(std::move(owner)) {}
    void warn(const QString& title, const QString& text) override;

  private:
    DialogOwner owner_;
};

// "picture (*.bmp)|*.bmp" in the form Qt's file dialogs take.
QString qtFilter(const QString& filter);

} // namespace toolkit
