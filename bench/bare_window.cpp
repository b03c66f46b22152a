// Start-up baseline: a bare Qt program with one plain window the size of the contents screen,
// timed exactly as startup_bench times the real program. Prints one line:
//   first_paint_monotonic_ns=NN peak_rss_kb=NN
#include "bench/FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    bench::FirstPaint watcher;
    bench::FirstPaint::armTimeout("bare_window");
    QWidget window;
    window.resize(955, 716);
    window.show();
    const int rc = QApplication::exec();
    return watcher.seen() ? rc : 1;
}
