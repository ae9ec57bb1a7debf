// Screen readers see the named controls of a form window (its keys and
// buttons) as buttons they can press, and a control with a text of its own
// (the strip) as text that speaks up when it changes, though none of them is
// a widget.
#pragma once

namespace toolkit {

class FormWindow;

void installFormAccessibility();

// Sends a change event for each text that changed since it was last read out.
void announceAccessibleChanges(FormWindow& window);

} // namespace toolkit
