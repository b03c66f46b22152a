// Start-up benchmark: the time from entering main() to the first paint of the contents screen,
// and the peak memory at that moment. Prints one line:
//   first_paint_ms=NN peak_rss_kb=NN
// bare_window prints the same line for a bare Qt window, the baseline this is compared with
// (scripts/startup-bench.sh runs both).
#include "app/Shell.h"

#include "bench/FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    // Before anything else, so the figure covers the whole start-up that main() controls.
    QElapsedTimer clock;
    clock.start();

    QApplication app(argc, argv);
    kazemaru::applyLook(app);
    QTemporaryDir data;
    if (!data.isValid()) {
        std::fprintf(stderr, "startup_bench: cannot make a temporary folder: %s\n", qPrintable(data.errorString()));
        return 1;
    }
    kazemaru::Shell shell(data.path());
    QWidget* contents = shell.form(1);

    // The window itself and its page (which fills its background) — whichever is painted first.
    bench::FirstPaint watcher(clock);
    contents->installEventFilter(&watcher);
    if (auto* window = qobject_cast<QMainWindow*>(contents); window && window->centralWidget())
        window->centralWidget()->installEventFilter(&watcher);
    contents->show();

    return watcher.run("startup_bench");
}
