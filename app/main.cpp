#include "app/FontconfigStart.h"
#include "app/Shell.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstring>

namespace {

// --help and --version answer on the terminal without opening a window; anything else (Qt's own
// options such as -platform) goes on to the application.
bool asksForHelpOrVersion(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    }
    return false;
}

int answerOnTerminal(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kazemaru"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KAZEMARU_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Arithmetic lessons and timed drills for children in the fourth year of a Japanese elementary "
                       "school.\nStarted without options, it opens the contents screen."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app); // prints and exits for --help and --version, or for an unknown option
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (asksForHelpOrVersion(argc, argv)) return answerOnTerminal(argc, argv);
    kazemaru::FontconfigStart fonts;
    QApplication app(argc, argv);
    fonts.wait();
    return kazemaru::startProgram(app);
}
