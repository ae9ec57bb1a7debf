// The Save As dialog and message boxes of the platform, through Qt.
#pragma once

#include "common_dialog.h"

namespace toolkit {

class QtCommonDialog : public CommonDialog {
  public:
    bool showSave() override;
};

class QtMessageSink : public MessageSink {
  public:
    void warn(const QString& title, const QString& text) override;
};

// "picture (*.bmp)|*.bmp" in the form Qt's file dialogs take.
QString qtFilter(const QString& filter);

} // namespace toolkit
