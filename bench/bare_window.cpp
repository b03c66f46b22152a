// Start-up baseline: a bare Qt program with one plain window the size of the contents screen,
// timed exactly as startup_bench times the real program. Prints one line:
//   first_paint_ms=NN peak_rss_kb=NN
#include "bench/FirstPaint.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Before anything else, as in startup_bench, so the two figures compare like with like.
    QElapsedTimer clock;
    clock.start();

    QApplication app(argc, argv);
    QWidget window;
    window.resize(955, 716);

    bench::FirstPaint watcher(clock);
    window.installEventFilter(&watcher);
    window.show();

    return watcher.run("bare_window");
}
