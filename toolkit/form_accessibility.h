// Screen readers see the named controls of a form window (its keys and
// buttons) as buttons with their names, though they are not widgets.
#pragma once

namespace toolkit {

void installFormAccessibility();

} // namespace toolkit
