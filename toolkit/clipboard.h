// The system clipboard, offered a picture and its text at once, so that each
// program that pastes takes the form it understands.
#pragma once

#include <QImage>
#include <QString>

namespace toolkit {

void copyToClipboard(const QImage& picture, const QString& text);

} // namespace toolkit
