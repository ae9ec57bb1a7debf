#include "strip_history.h"

#include "operations.h"
#include "texts.h"

#include <QUndoCommand>

namespace compose {
namespace {

struct SlotState {
    bool visible;
    toolkit::Picture picture;
    std::string tag;
    bool operator==(const SlotState&) const = default;
};
using StripState = std::array<SlotState, kSlotCount>;

StripState stateOf(const SlotStrip& strip) {
    StripState state;
    for (size_t i = 0; i < strip.size(); ++i)
        state[i] = {strip[i]->visible, strip[i]->picture, strip[i]->tag};
    return state;
}

void restore(const SlotStrip& strip, const StripState& state) {
    for (size_t i = 0; i < strip.size(); ++i) {
        toolkit::setPicture(*strip[i], state[i].picture);
        strip[i]->visible = state[i].visible;
        strip[i]->tag = state[i].tag;
    }
}

class StripChange : public QUndoCommand {
  public:
    StripChange(const QString& text, const SlotStrip& strip, StripState before, StripState after)
        : QUndoCommand(text), strip_(strip), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { restore(strip_, before_); }
    // The change was made before it was recorded; pushing it does nothing more.
    void redo() override {
        if (!std::exchange(recorded_, false)) restore(strip_, after_);
    }

  private:
    SlotStrip strip_;
    StripState before_, after_;
    bool recorded_ = true;
};

} // namespace

void StripHistory::record(const QString& what, const std::function<void()>& change) {
    StripState before = stateOf(strip_);
    change();
    StripState after = stateOf(strip_);
    if (after != before)
        stack_.push(new StripChange(what, strip_, std::move(before), std::move(after)));
}

bool removeLastGlyph(const SlotStrip& strip) {
    for (auto slot = strip.rbegin(); slot != strip.rend(); ++slot)
        if ((*slot)->visible) {
            (*slot)->visible = false;
            return true;
        }
    return false;
}

void bindEditing(toolkit::EventRouter& events, const SharedHistory& history) {
    events.addCommand({Texts::tr("Undo"), QKeySequence::keyBindings(QKeySequence::Undo),
                       [history] { history->undo(); }, [history] { return history->canUndo(); }});
    events.addCommand({Texts::tr("Redo"), QKeySequence::keyBindings(QKeySequence::Redo),
                       [history] { history->redo(); }, [history] { return history->canRedo(); },
                       true});
    events.addCommand({Texts::tr("Remove the last sign"),
                       {QKeySequence(Qt::Key_Backspace)},
                       [history] {
                           history->record(Texts::tr("Remove the last sign"),
                                           [&history] { removeLastGlyph(history->strip()); });
                       },
                       [history] { return filledSlots(history->strip()) > 0; }});
}

} // namespace compose
