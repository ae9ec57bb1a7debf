// The Save As dialog as handlers see it: a filter, a chosen file name, and a
// show call that reports a cancel.
#pragma once

#include <QString>

namespace toolkit {

class CommonDialog {
  public:
    virtual ~CommonDialog() = default;

    // Description and pattern pairs separated by "|".
    QString filter;
    // The full path the user chose; set by a successful showSave.
    QString fileName;

    // Shows the modal Save As dialog. Returns false when the user cancels.
    // Choosing an existing file asks before it is replaced.
    virtual bool showSave() = 0;
};

// Messages to the user (a failed save); a window shows a message box.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void warn(const QString& title, const QString& text) = 0;
};

} // namespace toolkit
