#include "app/Shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return kazemaru::startProgram(app);
}
