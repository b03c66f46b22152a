// Start-up baseline: a bare Qt program with one plain window the size of the contents screen,
// timed exactly as startup_bench times the real program. Prints one line:
//   first_paint_monotonic_ns=NN peak_rss_kb=NN
#include "bench/FirstPaint.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return bench::runPlainWindow("bare_window", [](QWidget&) {});
}
