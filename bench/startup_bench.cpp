// Start-up benchmark: the real program, started as main() starts it, up to the first paint of its
// contents screen. Prints one line:
//   first_paint_monotonic_ns=NN peak_rss_kb=NN
// bare_window prints the same line for a bare Qt window, the baseline this is compared with;
// scripts/startup-bench.sh starts both through exec_clock and subtracts the clock readings. The
// script points XDG_DATA_HOME at a folder of its own, so the user's drill records are not touched.
#include "app/FontconfigStart.h"
#include "app/Shell.h"

#include "bench/FirstPaint.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    kazemaru::FontconfigStart fonts;
    QApplication app(argc, argv);
    fonts.wait();
    bench::FirstPaint watcher;
    bench::FirstPaint::armTimeout("startup_bench");
    const int rc = kazemaru::startProgram(app);
    return watcher.seen() ? rc : 1;
}
