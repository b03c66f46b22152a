// Development aid: builds the whole program, opens one screen, runs a few of its handlers and
// saves a picture of it, so a screen can be looked at without clicking through it by hand.
//   screens OUT.png FORM [STEP …]
// A STEP is a handler name ("CuteButton4Click"), "ComboBox3=5" (the child chooses item 5) or
// "draws=7,3,12" (the next random draws, in order, so that a chosen problem is posed).
#include "app/Shell.h"
#include "frame/Random.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "frame/widgets/SimpleComboBox.h"

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: screens OUT.png FORM [STEP ...]\n");
        return 2;
    }
    kazemaru::applyLook(app);
    QTemporaryDir data;
    kazemaru::Shell shell(data.path());
    const int form = QString::fromLocal8Bit(argv[2]).toInt();
    QWidget* screen = shell.form(form);
    if (!screen) return 2;
    shell.form(1)->show();
    if (form != 1) screen->show();
    QApplication::processEvents();
    for (int i = 3; i < argc; ++i) {
        const QString step = QString::fromLocal8Bit(argv[i]);
        if (step.startsWith(u"draws="_s)) {
            auto queue = std::make_shared<QList<int>>();
            for (const QString& d : step.mid(6).split(u','))
                queue->append(d.toInt());
            kazemaru::setRandomSource([queue](int n) { return queue->isEmpty() ? 0 : queue->takeFirst() % n; });
        } else if (const qsizetype eq = step.indexOf(u'='); eq > 0) {
            auto* box = screen->findChild<kazemaru::SimpleComboBox*>(step.left(eq));
            if (box) box->choose(step.mid(eq + 1).toInt());
        } else {
            QMetaObject::invokeMethod(screen, step.toLatin1().constData());
        }
        QApplication::processEvents();
    }
    // Let every blink finish so the prompt line is in the picture.
    QTimer::singleShot(1200, &app, [&] {
        screen->grab().save(QString::fromLocal8Bit(argv[1]));
        app.quit();
    });
    return app.exec();
}
