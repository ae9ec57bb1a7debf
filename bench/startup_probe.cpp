// Start-up probes: the program's own start (its translations for the user's
// language, the window built from its description, load handler, bindings,
// show) or an empty Qt window, each quitting as soon as its window is
// exposed. scripts/bench.sh times both.
//
//   startup_probe program|empty
#include "form_window.h"
#include "quiet_session.h"
#include "translations.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

// Quits once the first frame has been painted.
template <class Widget> class QuitOnPaint : public Widget {
  public:
    using Widget::Widget;

  protected:
    void paintEvent(QPaintEvent* e) override {
        Widget::paintEvent(e);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "program") == 0) {
        const toolkit::Translations translations(QStringLiteral("cartouchery"));
        const auto session = bench::quietSession();
        QuitOnPaint<toolkit::FormWindow> window(session->form(), session->events());
        toolkit::centreOnScreen(window);
        window.show();
        return app.exec();
    }
    QuitOnPaint<QWidget> window;
    window.resize(591, 521);
    window.show();
    return app.exec();
}
