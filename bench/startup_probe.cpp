// Start-up probes: the program's own start (build the window from its
// description, load handler, bindings, show) or an empty Qt window, each
// quitting as soon as its window is exposed. scripts/bench.sh times both.
//
//   startup_probe program|empty
#include "form_window.h"
#include "project.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

class NoDialog : public toolkit::CommonDialog {
  public:
    bool showSave() override { return false; }
};
class NoMessages : public toolkit::MessageSink {
  public:
    void warn(const QString&, const QString&) override {}
};

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
        toolkit::Session session(
            app::project(), [] { return std::make_unique<NoDialog>(); }, std::make_unique<NoMessages>());
        QuitOnPaint<toolkit::FormWindow> window(session.form(), session.events());
        toolkit::centreOnScreen(window);
        window.show();
        return app.exec();
    }
    QuitOnPaint<QWidget> window;
    window.resize(591, 521);
    window.show();
    return app.exec();
}
