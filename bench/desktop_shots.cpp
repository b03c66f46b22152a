// Development aid: starts the program exactly as main() does (the scale chosen for the screen at
// hand, the contents screen shown) and takes pictures of the whole desktop, window frames and all,
// to see that every screen fits: the contents screen first, then each lesson FORM opened by its
// button on the contents screen and closed again by its back button.
//   desktop_shots OUTDIR [FORM …]   writes OUTDIR/contents.png, OUTDIR/formN.png
// Run it on a display with a window manager (scripts/small-screen-shots.sh does).
#include "app/Shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QWidget* screenNamed(const QString& name)
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

bool shoot(const QString& path)
{
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

void click(QWidget* screen, int button)
{
    if (auto* b = screen ? screen->findChild<QAbstractButton*>(u"CuteButton%1"_s.arg(button)) : nullptr) b->click();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: desktop_shots OUTDIR [FORM ...]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QList<int> forms;
    for (int i = 2; i < argc; ++i)
        forms.append(QString::fromLocal8Bit(argv[i]).toInt());

    // One step every 1.5 s, so that the window manager has framed and placed each window and the
    // prompt's blink has ended.
    int step = 0;
    QTimer steps;
    steps.setInterval(1500);
    QObject::connect(&steps, &QTimer::timeout, &app, [&] {
        QWidget* contents = screenNamed(u"TForm1"_s);
        const int at = step++;
        if (at == 0) {
            shoot(out.filePath(u"contents.png"_s));
        } else if (at - 1 < 2 * forms.size()) {
            const int form = forms[(at - 1) / 2];
            if ((at - 1) % 2 == 0) {
                click(contents, form + 1); // CuteButtonN opens TForm(N − 1)
            } else {
                shoot(out.filePath(u"form%1.png"_s.arg(form)));
                click(screenNamed(u"TForm%1"_s.arg(form)), 2); // back
            }
        } else {
            QApplication::exit(0);
        }
    });
    steps.start();
    return kazemaru::startProgram(app);
}
