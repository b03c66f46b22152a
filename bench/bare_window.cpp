// Start-up baseline: a bare Qt program with one plain window the size of the contents screen,
// timed exactly as startup_bench times the real program. Prints one line:
//   first_paint_ms=NN peak_rss_kb=NN
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Notes the first paint event of the watched widget, then reports and ends the program.
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
    // Before anything else, as in startup_bench, so the two figures compare like with like.
    QElapsedTimer clock;
    clock.start();

    QApplication app(argc, argv);
    QWidget window;
    window.resize(955, 716);

    FirstPaint watcher(clock);
    window.installEventFilter(&watcher);
    window.show();

    QTimer::singleShot(30000, &app, [] {
        std::fprintf(stderr, "bare_window: no paint within 30 s\n");
        QApplication::exit(1);
    });
    const int rc = QApplication::exec();
    return watcher.seen() ? rc : 1;
}
