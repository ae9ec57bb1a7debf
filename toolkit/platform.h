// What differs between the desktop and the browser, and nothing else: how the
// Save As dialog and messages appear, where a saved file's bytes go, where the
// window sits, and what the page learns once the window is painted. The
// build picks platform_desktop.cpp or platform_web.cpp.
#pragma once

#include "common_dialog.h"
#include "qt_dialogs.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <memory>

class QMenu;

namespace toolkit::platform {

std::unique_ptr<CommonDialog> saveDialog(DialogOwner owner);
std::unique_ptr<MessageSink> messageSink(DialogOwner owner);

// Puts the bytes under the path, whole or not at all; throws SaveError with
// the reason. On the web the browser downloads them under the path's name.
void deliverFile(const QByteArray& bytes, const QString& path);

// Before the window first shows: centred on the desktop where its
// description says so; on the web, without a frame, filling the page's
// window area, and the page learns when the program ends.
void placeWindow(QWidget& window, bool centred);

// Opens the menu at a point on the screen and owns it from then on; on the
// desktop it returns once the menu has closed.
void popUpMenu(QMenu* menu, QPoint global);

// Once, after the window's first paint.
void windowPainted();

// The window could not be built: says why, before the program ends.
void reportFatal(const QString& title, const QString& text);

} // namespace toolkit::platform
