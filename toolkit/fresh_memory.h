// New memory, brought in at once where the system can: the window's
// persistent image is a megabyte that the start paints whole, and a page
// fault for every 4 KiB of it costs more than one call for all of them.
#pragma once

#include <QImage>

namespace toolkit {

// Makes the image's pixels resident now; where the system has no such call,
// it does nothing and the pages come in as they are first touched.
void populate(QImage& image);

} // namespace toolkit
