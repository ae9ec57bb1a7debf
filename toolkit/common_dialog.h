// The Save As dialog as handlers see it: a filter, a file name to start from
// and then the one chosen, the file type chosen, and a show call that reports
// a cancel.
#pragma once

#include <QString>

class QWidget;

namespace toolkit {

class CommonDialog {
  public:
    virtual ~CommonDialog() = default;

    // Description and pattern pairs separated by "|".
    QString filter;
    // The folder and name the dialog starts from; after a successful
    // showSave, the full path the user chose.
    QString fileName;
    // Which of the filter's file types is chosen, from 0.
    int filterIndex = 0;

    // Shows the modal Save As dialog. Returns false when the user cancels.
    // A name typed without an extension gets the chosen file type's; choosing
    // an existing file asks before it is replaced.
    virtual bool showSave() = 0;
};

// Messages to the user (a failed save), and the program's other windows; all
// of them belong to the program's window.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void warn(const QString& title, const QString& text) = 0;
    // About the program: rich text.
    virtual void inform(const QString& title, const QString& text) = 0;
    // Shows a window of the program's own (help), which is owned from here.
    virtual void present(QWidget* window) = 0;
    // The system's beep: something asked for cannot be done.
    virtual void beep() = 0;
};

} // namespace toolkit
