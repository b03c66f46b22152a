#pragma once
// The frame facts of a lesson screen: window, titles, menu, prompt line, standard buttons, point
// memo, the menu items without a test and opening behaviour. Each lesson gives its own, beside its
// screen; the frame builds itself from them.
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
    QList<int> untestedItems = {};   // menu items (1 …) that have no test
    QString noTestNotice = {};       // what the mode button says for them
};

// Builders for the facts the lessons share.
namespace facts {

// The quit button's question, in its three spellings.
inline const QString mayQuit = QStringLiteral(u"おわっても いいの？");
inline const QString mayQuitTight = QStringLiteral(u"おわってもいいの？");
inline const QString mayQuitKanji = QStringLiteral(u"終わっても いいの？");

// Titles without a designed left edge take the one of the division screens' titles.
TextFact chapterTitle(const QString& text, int left = 416);
TextFact lessonTitle(const QString& text, int left = 360);
TextFact promptLine(const QString& name, const QString& opening, int left = 72, int top = 624);
MenuFact menu(const QStringList& items, const QString& field = QStringLiteral(u"     メニュー"));
// A menu whose items are too long for the usual box grows to the left, keeping its right edge,
// and shows every item without scrolling, so a child can read each sub-topic whole.
MenuFact wideMenu(const QStringList& items, int width, int height);
ButtonFact button(const QString& name, const QString& caption, int left, int top, const QColor& face,
                  const QColor& text);
// The standard buttons where most screens have them.
ButtonFact next(int top = 568, int left = 840);
ButtonFact mode();
ButtonFact back(int left = 736);
ButtonFact quit(int left = 632);
ButtonFact point();
ButtonFact step(const QString& name, int left, int top);
ButtonFact restore(const QString& name, int left, int top);
ButtonFact answer(int left, int top);

} // namespace facts

} // namespace kazemaru
