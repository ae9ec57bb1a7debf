// Every change of the strip, so that each can be taken back and done again:
// a letter written, the last sign taken away, the strip cleared. A change is
// remembered as the slots before and after it; the slots stay the only
// record of what the strip holds now.
#pragma once

#include "letter_keys.h"

#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace compose {

class StripHistory {
  public:
    explicit StripHistory(SlotStrip strip) : strip_(strip) {}

    // Runs the change; one that changed the strip can be undone.
    void record(const QString& what, const std::function<void()>& change);
    void undo() { stack_.undo(); }
    void redo() { stack_.redo(); }
    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    const SlotStrip& strip() const { return strip_; }

  private:
    SlotStrip strip_;
    QUndoStack stack_;
};

// Takes the last sign off the strip; its slot keeps its picture, hidden.
// Returns false for an empty strip.
bool removeLastGlyph(const SlotStrip& strip);

// Handlers share the history, and it lives as long as they do.
using SharedHistory = std::shared_ptr<StripHistory>;

// Undo, Redo and Remove the last sign, by the platform's keys.
void bindEditing(toolkit::EventRouter& events, const SharedHistory& history);

} // namespace compose
