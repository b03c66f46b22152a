// The first and the second opening of every lesson screen, from the click on its button on the
// contents screen to the lesson's first paint on the screen (run it on a display, e.g. under
// xvfb-run). Prints one line per lesson and then the worst of each:
//   TForm4 first_open_ms=NN second_open_ms=NN
//   lessons: worst first open NN ms (TFormN), worst second open NN ms
// Each lesson screen is built at its first opening, so the first figure includes building it.
//
//   lesson_open_bench [--pause MS] [FORM]
// waits MS milliseconds (default 0) after the contents screen's first paint before the first
// click, as a child takes a moment to read the screen; with FORM, opens only that lesson, as the
// first of the run, which is the slowest a lesson can open (it pays for what all lessons share).
#include "app/Shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Runs the event loop until `window` (or a widget in it) has been painted and its frame is done;
// false after 10 s without a paint.
class PaintWait : public QObject {
  public:
    explicit PaintWait(QWidget* window)
        : window_(window)
    {
        qApp->installEventFilter(this);
    }
    bool run()
    {
        QTimer::singleShot(10000, &loop_, [this] { loop_.exit(1); });
        return loop_.exec() == 0;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && (widget == window_ || window_->isAncestorOf(widget))) {
                seen_ = true;
                QTimer::singleShot(0, &loop_, [this] { loop_.exit(0); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
    QEventLoop loop_;
    bool seen_ = false;
};

// Clicks `button` and waits for the first paint of the screen it opens; milliseconds, or -1.
double openAndTime(QAbstractButton* button, const std::function<QWidget*()>& window)
{
    QElapsedTimer clock;
    clock.start();
    button->click();
    PaintWait wait(window()->window());
    if (!wait.run()) return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int pauseMs = 0, only = 0;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        bool ok = false;
        if (args[i] == u"--pause"_s && i + 1 < args.size())
            pauseMs = args[++i].toInt(&ok);
        else
            only = args[i].toInt(&ok);
        if (!ok || pauseMs < 0 || (only != 0 && (only < 2 || only > 16))) {
            std::fprintf(stderr, "usage: lesson_open_bench [--pause MS] [FORM 2-16]\n");
            return 2;
        }
    }
    kazemaru::applyLook(app);
    QTemporaryDir data;
    kazemaru::Shell shell(data.path());
    QWidget* contents = shell.form(1);
    {
        PaintWait wait(contents->window());
        shell.showContents();
        if (!wait.run()) {
            std::fprintf(stderr, "lesson_open_bench: the contents screen was never painted\n");
            return 1;
        }
    }
    if (pauseMs > 0) {
        QEventLoop pause;
        QTimer::singleShot(pauseMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
    double worstFirst = 0, worstSecond = 0;
    int worstForm = 0;
    for (int form = only ? only : 2; form <= (only ? only : 16); ++form) {
        auto* button = contents->findChild<QAbstractButton*>(u"CuteButton%1"_s.arg(form + 1));
        const auto screen = [&] { return shell.form(form); };
        double times[2];
        for (double& t : times) {
            t = openAndTime(button, screen);
            if (t < 0) {
                std::fprintf(stderr, "lesson_open_bench: TForm%d was never painted\n", form);
                return 1;
            }
            shell.form(form)->findChild<QAbstractButton*>(u"CuteButton2"_s)->click(); // back
            QApplication::processEvents();
        }
        std::printf("TForm%d first_open_ms=%.1f second_open_ms=%.1f\n", form, times[0], times[1]);
        if (times[0] > worstFirst) worstFirst = times[0], worstForm = form;
        worstSecond = std::max(worstSecond, times[1]);
    }
    std::printf("lessons: worst first open %.1f ms (TForm%d), worst second open %.1f ms\n", worstFirst, worstForm,
                worstSecond);
    return 0;
}
