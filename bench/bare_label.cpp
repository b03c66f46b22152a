// Start-up floor: bare_window with one label of three Japanese characters in the program's own
// faces and the contents screen's heading size, timed as startup_bench times the real program.
// What it adds to bare_window is what any program pays to show its first line of text: reading
// fontconfig's configuration, opening the faces and drawing the glyphs. Prints one line:
//   first_paint_monotonic_ns=NN peak_rss_kb=NN
#include "bench/FirstPaint.h"
#include "frame/widgets/Factory.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return bench::runPlainWindow("bare_label", [](QWidget& window) {
        auto* heading = new QLabel(QStringLiteral("もくじ"), &window);
        QFont font = heading->font();
        font.setFamilies(kazemaru::programFamilies());
        font.setPixelSize(27);
        font.setBold(true);
        heading->setFont(font);
        heading->move(424, 32);
        heading->adjustSize();
    });
}
