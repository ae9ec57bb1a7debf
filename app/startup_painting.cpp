#include "startup_painting.h"

#include "operations.h"

namespace app {

void paintBackground(toolkit::Form& form) {
    toolkit::Control& window = form.root();
    // A negative height mirrors each tile with its far edge at y, so row 0
    // lies above the window and rows 1 on cover it from the top.
    for (int row = 0; row <= 10; ++row)
        for (int column = 0; column <= 10; ++column) {
            const toolkit::Control& tile = form.control("Image35");
            toolkit::paintPicture(window, tile.picture, column * tile.width, row * tile.height,
                                  tile.width, -tile.height);
        }
    form.dialog("CommonDialog1").filter =
        QStringLiteral("picture (*.bmp)|*.bmp|PNG picture (*.png)|*.png");
}

} // namespace app
