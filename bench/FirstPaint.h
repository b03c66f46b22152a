#pragma once
// What both start-up programs share: the watch for the first paint of any window and the one line
// they print once that paint has reached the screen:
//   first_paint_monotonic_ns=NN peak_rss_kb=NN
// The clock is CLOCK_MONOTONIC, which every process shares: scripts/startup-bench.sh reads it just
// before it starts the program (bench/exec_clock) and subtracts, so the figure covers the loading
// of the program and its libraries as well as everything main() does.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace bench {

// Watches every object of the application for the first paint, then reports and ends the program.
class FirstPaint : public QObject {
  public:
    FirstPaint() { qApp->installEventFilter(this); }

    // Fails after 30 s, so that a display that never paints does not hang the benchmark script.
    static void armTimeout(const char* program)
    {
        QTimer::singleShot(30000, qApp, [program] {
            std::fprintf(stderr, "%s: no paint within 30 s\n", program);
            std::fflush(stderr);
            std::_Exit(1);
        });
    }

    bool seen() const { return seen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Read the clock once this paint and the rest of its frame are done and on the screen.
            QTimer::singleShot(0, qApp, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("first_paint_monotonic_ns=%lld peak_rss_kb=%ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, usage.ru_maxrss);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

// Runs a plain window the size of the contents screen, with what `dress` puts in it, up to its first
// paint; the baselines' whole program.
template <typename Dress> int runPlainWindow(const char* program, Dress dress)
{
    FirstPaint watcher;
    FirstPaint::armTimeout(program);
    QWidget window;
    window.resize(955, 716);
    dress(window);
    window.show();
    const int rc = QApplication::exec();
    return watcher.seen() ? rc : 1;
}

} // namespace bench
