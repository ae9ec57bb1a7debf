// The Save As dialog and message boxes of the platform, through Qt.
#pragma once

#include "common_dialog.h"

#include <QPointer>
#include <QStringList>
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
    void inform(const QString& title, const QString& text) override;
    void present(QWidget* window) override;
    void beep() override;

  protected:
    // The program's window, once it exists.
    QWidget* owner() const;

  private:
    DialogOwner owner_;
};

// "picture (*.bmp)|*.bmp" in the form Qt's file dialogs take: one entry a
// file type, or all of them joined by ";;".
QStringList qtFileTypes(const QString& filter);
QString qtFilter(const QString& filter);
// "bmp" for "picture (*.bmp)": the extension of a type's first pattern.
QString fileTypeExtension(const QString& type);

} // namespace toolkit
