#pragma once
// The frame facts of every lesson screen in one place: window, titles, menu, prompt line,
// standard buttons, point memo and opening behaviour. The screens build their frame from it.
#include "frame/CuePlayer.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

namespace kazemaru {

struct TextFact {
    QString name; // design name, e.g. "Label1"
    QString text; // caption ("\n" separates lines)
    int left = 0;
    int top = 0;
    int pixelSize = 16;
    bool bold = true;
    QColor colour;
};

struct ButtonFact {
    QString name;    // "CuteButton4"
    QString caption; // "つぎへ"
    int left = 0;
    int top = 0;
    int width = 90;
    int height = 30;
    QColor colour;     // face colour
    QColor textColour; // caption colour
};

struct MenuFact {
    QString name = QStringLiteral("ComboBox1");
    QString field;     // the field's text before a choice, leading spaces kept
    QStringList items; // sub-topics in order
    int left = 784;
    int top = 32;
    int width = 145;
    int height = 89;
};

struct FrameFacts {
    int form = 0; // 2 … 16 (TForm2 … TForm16)
    int width = 955;
    int height = 716;
    QList<TextFact> titles; // chapter title, lesson title (whatever fixed title labels the screen has)
    MenuFact menu;
    TextFact prompt; // the prompt line (name, position, red bold 16 px); text = the opening prompt
    QString picture; // design name of the guide picture ("Image1" or "Image3")
    int pictureLeft = 0;
    int pictureTop = 592;
    int blinkInterval = 500;    // initial interval of Timer2
    QString promptAfterJudging; // empty where the screen never judges
    QString quitQuestion;
    QList<ButtonFact> buttons;       // the standard buttons the screen has: next, mode, back, quit, point …
    std::optional<int> memoTop;      // point memo's top, where the screen has a point button
    int showCue = cue::choice;       // cue of the show handler
    int statusPanel0 = 600;          // width of StatusBar1's empty first panel
    bool runsShowAtCreation = false; // the show handler also runs once when the screen is created
};

// The facts of TForm<form>; form is 2 … 16.
const FrameFacts& frameFacts(int form);

} // namespace kazemaru
