// One behaviour whatever the input: seeded random runs of presses, releases,
// clicks and double clicks anywhere with any button, releases away from the
// pressed control, accessibility presses, Clear and Save, on the real
// embedded description. After every step the strip, the faces, the strip's
// spoken text and any written file must agree. A failure prints its seed and
// the shortest run found that still fails.
#include "compose/letter_keys.h"
#include "compose/press_feedback.h"
#include "support/expected_strip.h"
#include "support/pixels.h"
#include "support/session.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <sstream>

using namespace testing_support;

namespace {

enum class Kind {
    Press,
    Release,
    Click,
    DoubleClick,
    ReleaseAway,
    Action,
    Clear,
    SaveCancel,
    SaveWrite
};
constexpr int kKinds = 9;

struct Step {
    Kind kind;
    QPoint point;
    Qt::MouseButton button;
    int target; // a key or button, for the steps that name one
};

const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

// Every key and button: the 26 letters, then Save and Clear.
std::vector<compose::Faces> targets() {
    return compose::allFaces();
}

std::string describe(const Step& s) {
    static const char* names[] = {"press",        "release",      "click",
                                  "double click", "release away", "action on",
                                  "Clear",        "Save, cancel", "Save to a file"};
    std::ostringstream out;
    out << names[int(s.kind)];
    if (s.kind == Kind::Action || s.kind == Kind::ReleaseAway)
        out << " " << targets()[size_t(s.target)].control;
    if (s.kind <= Kind::ReleaseAway)
        out << " at (" << s.point.x() << ", " << s.point.y() << ") with the "
            << (s.button == Qt::LeftButton    ? "left"
                : s.button == Qt::RightButton ? "right"
                                              : "middle")
            << " button";
    return out.str();
}

// Raw engine output only, so a seed makes the same run with any library.
std::vector<Step> randomRun(uint32_t seed, int steps) {
    std::mt19937 rng(seed);
    std::vector<Step> run;
    for (int i = 0; i < steps; ++i) {
        Step s;
        // Clicks and actions more often than the rest, so the strip fills up.
        const uint32_t roll = rng() % 16;
        s.kind = roll < 5 ? Kind::Click : roll < 8 ? Kind::Action : Kind(rng() % kKinds);
        s.point = QPoint(int(rng() % 591), int(rng() % 521));
        s.button = rng() % 4 == 0 ? kButtons[rng() % 3] : Qt::LeftButton;
        s.target = int(rng() % targets().size());
        run.push_back(s);
    }
    return run;
}

// The sign each glyph picture shows, by the letters that write it.
std::string signOf(ProgramUnderTest& p, const toolkit::Picture& picture) {
    for (const compose::LetterKey& k : compose::kLetterKeys)
        if (p.control("Image4", k.glyph).picture == picture) return k.sign;
    return "unknown sign";
}

bool isLetterKey(const toolkit::Control& c) {
    for (const compose::LetterKey& k : compose::kLetterKeys)
        if (c.name == k.control) return true;
    return false;
}

// The strip after a step that clicks `clicks` times on a control.
int afterClicks(const toolkit::Control& on, int clicks, int before) {
    if (on.name == "Image33") return 0;
    return isLetterKey(on) ? std::min(compose::kVisibleSlots, before + clicks) : before;
}

std::optional<int> expectedFilled(ProgramUnderTest& p, const Step& s, const toolkit::Control& under,
                                  const toolkit::Control& target, int before) {
    const bool left = s.button == Qt::LeftButton;
    switch (s.kind) {
    case Kind::Click:
        return left ? afterClicks(under, 1, before) : before;
    case Kind::DoubleClick:
        return left ? afterClicks(under, 2, before) : before;
    case Kind::Action:
        return afterClicks(target, 1, before);
    case Kind::Clear:
        return 0;
    case Kind::Press:
    case Kind::SaveCancel:
    case Kind::SaveWrite:
        return before;
    case Kind::Release:
    case Kind::ReleaseAway:
        return std::nullopt;
    }
    (void)p;
    return std::nullopt;
}

// Plays the run on a fresh program; the first broken promise, or nothing.
std::optional<std::string> play(const std::vector<Step>& run) {
    ProgramUnderTest p;
    QTemporaryDir dir;
    auto& events = p.session->events();
    const auto faces = targets();
    for (size_t i = 0; i < run.size(); ++i) {
        const Step& s = run[i];
        toolkit::Control& target = p.control(faces[size_t(s.target)].control);
        const QString file = dir.filePath(QStringLiteral("step%1.bmp").arg(i));
        // Each step starts with every button up, as the window reports it: a
        // Press step's release is one the window never saw.
        if (s.kind == Kind::Click || s.kind == Kind::DoubleClick || s.kind == Kind::ReleaseAway)
            events.buttonsDown(Qt::NoButton);
        const toolkit::Control& under = toolkit::controlAt(p.form(), s.point);
        const int before = p.filledSlots();
        switch (s.kind) {
        case Kind::Press:
            events.press(s.point, s.button);
            break;
        case Kind::Release:
            events.release(s.point, s.button);
            break;
        case Kind::Click:
            events.press(s.point, s.button);
            events.release(s.point, s.button);
            break;
        case Kind::DoubleClick:
            events.press(s.point, s.button);
            events.release(s.point, s.button);
            events.doubleClick(s.point, s.button);
            events.release(s.point, s.button);
            break;
        case Kind::ReleaseAway:
            events.press(target.rectInWindow().center(), s.button);
            events.release(s.point, s.button);
            break;
        case Kind::Action:
            events.click(target);
            break;
        case Kind::Clear:
            events.click(p.control("Image33"));
            break;
        case Kind::SaveCancel:
            p.dialog->answers = {std::nullopt};
            events.click(p.control("Image32"));
            break;
        case Kind::SaveWrite:
            p.dialog->answers = {file};
            events.click(p.control("Image32"));
            break;
        }
        // Saves that the random presses reach are cancelled.
        p.dialog->answers.clear();
        const std::string at = "after step " + std::to_string(i) + " (" + describe(s) + "): ";

        // How many letters the step writes, where that is plain without
        // playing the router: a release may end an earlier press as a click.
        if (const auto want = expectedFilled(p, s, under, target, before);
            want && *want != p.filledSlots())
            return at + std::to_string(p.filledSlots()) + " slots filled, expected " +
                   std::to_string(*want);

        std::vector<QImage> glyphs;
        std::string spoken;
        bool gap = false;
        for (int slot = 0; slot < compose::kSlotCount; ++slot) {
            const toolkit::Control& c = p.control("Image3", slot);
            if (!c.visible) {
                gap = true;
                continue;
            }
            if (gap) return at + "slot " + std::to_string(slot) + " is filled after an empty one";
            glyphs.push_back(c.picture->convertToFormat(QImage::Format_ARGB32));
            spoken += (spoken.empty() ? "" : ", ") + signOf(p, c.picture);
        }
        if (glyphs.empty()) spoken = "empty";
        if (glyphs.size() == size_t(compose::kVisibleSlots)) spoken += "; full";
        const std::string text = p.control("Frame2").accessibleText();
        if (text != spoken)
            return at + "the strip reads \"" + text + "\", expected \"" + spoken + "\"";

        if (events.captured() == nullptr)
            for (const compose::Faces& f : faces)
                if (p.control(f.control).picture != p.control(f.store, f.up).picture)
                    return at + f.control + " does not show its up face with no button held";
        if (s.kind == Kind::SaveWrite) {
            const auto same = samePixels(QImage(file), expectedStrip(glyphs), "saved file");
            if (!same) return at + same.message();
        }
    }
    return std::nullopt;
}

// Drops steps, in halves down to single ones, while the run still fails.
std::vector<Step> shrink(std::vector<Step> run) {
    for (size_t chunk = run.size() / 2; chunk >= 1; chunk /= 2) {
        for (size_t at = 0; at + chunk <= run.size();) {
            std::vector<Step> shorter(run.begin(), run.begin() + long(at));
            shorter.insert(shorter.end(), run.begin() + long(at + chunk), run.end());
            if (play(shorter))
                run = std::move(shorter);
            else
                at += chunk;
        }
    }
    return run;
}

TEST(RandomUse, EveryStepKeepsTheStripTheFacesTheTextAndTheFileInAgreement) {
    const int steps = 3000;
    for (uint32_t seed : {1u, 2u, 3u}) {
        const auto run = randomRun(seed, steps);
        const auto failure = play(run);
        if (!failure) continue;
        const auto shortest = shrink(run);
        std::ostringstream out;
        out << "seed " << seed << ": " << *failure << "\nshortest failing run (" << shortest.size()
            << " steps):";
        for (const Step& s : shortest)
            out << "\n  " << describe(s);
        out << "\n  -> " << play(shortest).value_or("passes when replayed");
        ADD_FAILURE() << out.str();
    }
}

} // namespace
