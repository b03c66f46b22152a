#include "app/GrownUpWindow.h"

#include "frame/Palette.h"
#include "frame/widgets/Factory.h"

#include <QDialog>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace kazemaru {

QFont programFont(int pixelSize, bool bold)
{
    QFont f;
    f.setFamilies(programFamilies());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QLabel* setUpGrownUpWindow(QDialog* window, const QString& title, int width, int height, int pixelSize)
{
    window->setWindowFlag(Qt::Window);
    window->setWindowTitle(title);
    window->setFont(programFont(pixelSize));
    window->resize(width, height);
    window->setAutoFillBackground(true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, colour::background);
    window->setPalette(pal);

    auto* heading = new QLabel(title, window);
    heading->setObjectName(u"Label1"_s);
    heading->setFont(programFont(24, true));
    heading->setStyleSheet(u"color: #000080;"_s);
    return heading;
}

} // namespace kazemaru
