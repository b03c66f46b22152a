#pragma once
// What both start-up programs share: the clock started first thing in main(), the watch for the
// first paint, and the one line they print:
//   first_paint_ms=NN peak_rss_kb=NN
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace bench {

// Notes the first paint event of the watched widgets, then reports and ends the program.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(const QElapsedTimer& clock)
        : clock_(clock)
    {
    }

    // Runs the event loop until the first paint; fails after 30 s, so a display that never paints
    // does not hang the benchmark script.
    int run(const char* program)
    {
        QTimer::singleShot(30000, qApp, [program] {
            std::fprintf(stderr, "%s: no paint within 30 s\n", program);
            QApplication::exit(1);
        });
        const int rc = QApplication::exec();
        return seen_ ? rc : 1;
    }

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

} // namespace bench
