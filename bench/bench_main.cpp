// Benchmarks for the performance budgets: reading the embedded description
// with all its pictures, rendering the window, one click, one typed letter,
// and one save.
//
//   build/release/bench/cartouchery_bench
//
// Runs under the offscreen platform; one core.
#include "description_reader.h"
#include "embedded_description.h"
#include "form_window.h"
#include "letter_keys.h"
#include "operations.h"
#include "project.h"
#include "quiet_session.h"
#include "rendering.h"
#include "saving.h"
#include "startup_painting.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using bench::quietSession;

// A left click in the middle of a control, through the event entry.
void click(toolkit::Session& s, const char* control) {
    const QPoint p = s.form().control(control).rectInWindow().center();
    s.events().press(p, Qt::LeftButton);
    s.events().release(p, Qt::LeftButton);
}

// First use: pictures that the first frame does not show are decoded when
// first used. Each run starts a fresh session and draws its first frame (not
// timed), then times one first use with the frame it draws. The first run of
// the first one also loads Qt's GIF plugin.
template <class Use> void firstUse(benchmark::State& state, Use use) {
    for (auto _ : state) {
        state.PauseTiming();
        auto s = quietSession();
        QImage target(s->form().clientSize(), QImage::Format_ARGB32_Premultiplied);
        {
            QPainter first(&target);
            toolkit::renderForm(first, s->form());
        }
        state.ResumeTiming();
        use(*s);
        {
            QPainter p(&target);
            toolkit::renderForm(p, s->form());
        }
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
    }
}

// A key's pressed face.
void FirstPressOfAKey(benchmark::State& state) {
    firstUse(state, [](toolkit::Session& s) {
        s.events().press(s.form().control("Image17").rectInWindow().center(), Qt::LeftButton);
    });
}
BENCHMARK(FirstPressOfAKey)->Unit(benchmark::kMillisecond)->Iterations(40);

// The glyph written into slot 0, after the key's faces were drawn.
void FirstGlyphInASlot(benchmark::State& state) {
    firstUse(state, [](toolkit::Session& s) { click(s, "Image14"); });
}
BENCHMARK(FirstGlyphInASlot)->Unit(benchmark::kMillisecond)->Iterations(40);

// Save's pressed face and the blank canvas; the dialog is cancelled.
void FirstSave(benchmark::State& state) {
    firstUse(state, [](toolkit::Session& s) { click(s, "Image32"); });
}
BENCHMARK(FirstSave)->Unit(benchmark::kMillisecond)->Iterations(40);

void ReadDescriptionOnly(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::readDescription(app::embeddedDescription()));
}
BENCHMARK(ReadDescriptionOnly)->Unit(benchmark::kMillisecond);

void LoadHandler(benchmark::State& state) {
    auto s = quietSession();
    for (auto _ : state)
        app::paintBackground(s->form());
}
BENCHMARK(LoadHandler)->Unit(benchmark::kMillisecond);

// Building the window decodes every picture, hidden stores included.
void ReadDescriptionAndDecodePictures(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(toolkit::Form::fromDescription(app::embeddedDescription()));
}
BENCHMARK(ReadDescriptionAndDecodePictures)->Unit(benchmark::kMillisecond);

void RenderWholeWindow(benchmark::State& state) {
    auto s = quietSession();
    QImage target(s->form().clientSize(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        toolkit::renderForm(p, s->form());
    }
}
BENCHMARK(RenderWholeWindow)->Unit(benchmark::kMillisecond);

// Hit test, press and release handlers, the click's handler, and a re-render.
void ClickALetterKey(benchmark::State& state) {
    auto s = quietSession();
    QImage target(s->form().clientSize(), QImage::Format_ARGB32_Premultiplied);
    const QPoint key = s->form().control("Image17").rectInWindow().center();
    int n = 0;
    for (auto _ : state) {
        if (++n % compose::kVisibleSlots == 0) {
            state.PauseTiming();
            click(*s, "Image33");
            state.ResumeTiming();
        }
        s->events().press(key, Qt::LeftButton);
        s->events().release(key, Qt::LeftButton);
        QPainter p(&target);
        toolkit::renderForm(p, s->form());
    }
}
BENCHMARK(ClickALetterKey)->Unit(benchmark::kMillisecond);

// A key event on the real window: the typed letter, the key's handlers, and a
// re-render of the window.
void TypeALetter(benchmark::State& state) {
    auto s = quietSession();
    toolkit::FormWindow window(s->form(), s->events());
    QImage target(s->form().clientSize(), QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (auto _ : state) {
        if (++n % compose::kVisibleSlots == 0) {
            state.PauseTiming();
            for (toolkit::Control* slot : compose::slotStrip(s->form()))
                slot->visible = false;
            state.ResumeTiming();
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, QStringLiteral("n"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_N, Qt::NoModifier, QStringLiteral("n"));
        QCoreApplication::sendEvent(&window, &press);
        QCoreApplication::sendEvent(&window, &release);
        QPainter p(&target);
        toolkit::renderForm(p, s->form());
    }
}
BENCHMARK(TypeALetter)->Unit(benchmark::kMillisecond);

void ComposeAndWriteASave(benchmark::State& state) {
    auto s = quietSession();
    for (const char* key : {"Image16", "Image2", "Image2", "Image23"})
        click(*s, key);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("name.bmp"));
    const output::SaveControls save = output::saveControls(s->form());
    for (auto _ : state) {
        output::composeStrip(save);
        toolkit::savePicture(toolkit::image(*save.canvas), path);
    }
}
BENCHMARK(ComposeAndWriteASave)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
