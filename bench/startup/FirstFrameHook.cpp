// Linked into a program as it is, this reports on standard output when its main window
// has shown its first frame: the moment the central widget's first paint is over (the
// backing store is flushed to the window system in the same pass), the resident memory
// then, and the window's size; then, once the program has had time to finish what it
// leaves until after that frame, the resident memory again, and ends the process at
// once. The program itself is not changed: the hook starts from the application's
// constructor.
#include "bench/support/ResidentMemory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// How long the program is left to run after its first frame before the memory it
// keeps is read.
constexpr int SettleMs = 400;

QElapsedTimer& SinceLoad() {
    static QElapsedTimer clock;
    return clock;
}
// Started while the program is loaded, before main().
const bool clockStarted = (SinceLoad().start(), true);

class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            auto* window = qobject_cast<QMainWindow*>(widget->window());
            if (window && window->centralWidget() == widget) {
                seen_ = true;
                // The paint runs after this filter; a zero timer fires once it is done.
                QTimer::singleShot(0, [window] { Report(window); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void Report(const QWidget* window) {
        std::printf("frame-ms %.2f rss-mb %.2f size %dx%d\n", SinceLoad().nsecsElapsed() / 1e6,
                    zarn::bench::ResidentMegabytes(), window->width(), window->height());
        std::fflush(stdout);
        QTimer::singleShot(SettleMs, [] {
            std::printf("settled-rss-mb %.2f\n", zarn::bench::ResidentMegabytes());
            std::fflush(stdout);
            std::_Exit(0);
        });
    }

    bool seen_ = false;
};

void InstallHook() {
    (void)clockStarted;
    QCoreApplication::instance()->installEventFilter(new FirstFrame);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallHook)
