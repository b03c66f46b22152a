// Start-up benchmark: the time from entering main() to the first paint of the contents screen,
// and the peak memory at that moment. Prints one line:
//   first_paint_ms=NN peak_rss_kb=NN
// bare_window prints the same line for a bare Qt window, the baseline this is compared with
// (scripts/startup-bench.sh runs both).
#include "app/Shell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// Notes the first paint event of the watched widgets, then reports and ends the program.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock)
        : clock_(clock)
    {
    }

    bool seen() const { return seen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const double ms = double(clock_.nsecsElapsed()) / 1e6;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("first_paint_ms=%.1f peak_rss_kb=%ld\n", ms, usage.ru_maxrss);
            std::fflush(stdout);
            // Quit once this paint has finished, so the window is not torn down mid-paint.
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    // Before anything else, so the figure covers the whole start-up that main() controls.
    QElapsedTimer clock;
    clock.start();

    QApplication app(argc, argv);
    kazemaru::applyLook(app);
    QTemporaryDir data;
    if (!data.isValid()) {
        std::fprintf(stderr, "startup_bench: cannot make a temporary folder: %s\n",
                     qPrintable(data.errorString()));
        return 1;
    }
    kazemaru::Shell shell(data.path());
    QWidget* contents = shell.form(1);

    // The window itself and its page (which fills its background) — whichever is painted first.
    FirstPaint watcher(clock);
    contents->installEventFilter(&watcher);
    if (auto* window = qobject_cast<QMainWindow*>(contents); window && window->centralWidget())
        window->centralWidget()->installEventFilter(&watcher);
    contents->show();

    // A display that never paints would otherwise hang the benchmark script.
    QTimer::singleShot(30000, &app, [] {
        std::fprintf(stderr, "startup_bench: no paint within 30 s\n");
        QApplication::exit(1);
    });
    const int rc = QApplication::exec();
    return watcher.seen() ? rc : 1;
}
