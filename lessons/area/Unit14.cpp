#include "lessons/area/Unit14.h"

#include "frame/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Which figures a widget belongs to: the rectangle and square, the notched shape, and the three
// ways of cutting it, which come with the notched shape's first step.
enum FigureGroup { plainFigures = 1, notchedShape = 2, cutFigures = 3 };

// A notch is a rectangle of the background laid over a figure's top right corner: its left and
// bottom edges are the figure's inner edges. The notch of the first cut figure is the part taken
// away, so its outer edges stay as dashes.
enum ShapeKind { figure, notch, removedPart };

struct ShapeDesign {
    int number;
    QRect rect; // 10 px per cm
    ShapeKind kind;
    FigureGroup group;
};

const ShapeDesign shapeDesigns[] = {
    {1, {168, 168, 100, 60}, figure, plainFigures}, {2, {368, 168, 60, 60}, figure, plainFigures},
    {3, {536, 168, 100, 60}, figure, notchedShape}, {4, {596, 168, 40, 20}, notch, notchedShape},
    {5, {168, 272, 100, 60}, figure, cutFigures},   {6, {228, 272, 40, 20}, removedPart, cutFigures},
    {7, {352, 272, 60, 59}, figure, cutFigures},    {8, {411, 272, 40, 20}, notch, cutFigures},
    {9, {411, 291, 40, 40}, figure, cutFigures},    {10, {536, 291, 99, 40}, figure, cutFigures},
    {11, {536, 272, 60, 20}, figure, cutFigures},   {12, {595, 272, 40, 20}, notch, cutFigures},
};

struct FigureLabel {
    int number;
    int left;
    int top;
    const char16_t* text;
    FigureGroup group;
};

const FigureLabel figureLabels[] = {
    {5, 126, 184, u"6cm", plainFigures},
    {6, 200, 230, u"10cm", plainFigures},
    {7, 326, 184, u"6cm", plainFigures},
    {8, 376, 230, u"6cm", plainFigures},
    {9, 494, 184, u"6cm", notchedShape},
    {10, 568, 230, u"10cm", notchedShape},
    {11, 546, 144, u"6cm", notchedShape},
    {12, 640, 194, u"4cm", notchedShape},
    {13, 214, 296, u"A", cutFigures},
    {14, 240, 274, u"B", cutFigures},
    {15, 376, 296, u"A", cutFigures},
    {16, 424, 304, u"B", cutFigures},
    {17, 560, 274, u"A", cutFigures},
    {18, 584, 304, u"B", cutFigures},
    {19, 168, 344, u"図１．Ａ－Ｂ", cutFigures},
    {20, 352, 344, u"図２．Ａ＋Ｂ", cutFigures},
    {21, 536, 344, u"図３．Ａ＋Ｂ", cutFigures},
};

constexpr int explanation = 4;
const LabelDesign textDesign{explanation, 128, 392, 18, true, colour::navy};
constexpr int stepButton = 3; // the study-only screen's step button stands where the mode button would

} // namespace

// The frame facts: area: study only, so a step button instead of next and mode.
const FrameFacts& TForm14::frameFacts()
{
    static const FrameFacts f{
        .form = 14,
        .titles = {facts::chapterTitle(u"面積"_s), facts::lessonTitle(u"長方形や正方形"_s)},
        .menu = facts::menu({u"凸凹なしの形"_s, u"凸凹ありの形"_s, u"単位の関係"_s}),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenu),
        .picture = u"Image3"_s,
        .promptAfterJudging = QString(), // nothing is judged here
        .quitQuestion = facts::mayQuitTight,
        .buttons = {facts::step(u"CuteButton3"_s, 840, 568), facts::back(), facts::quit()},
        .memoTop = std::nullopt,
        .runsShowAtCreation = true,
    };
    return f;
}

TForm14::TForm14(QWidget* parent)
    : LessonScreen(frameFacts(), parent)
{
    // Created in number order, so a notch lies over the figure it cuts and under the next one.
    for (const ShapeDesign& s : shapeDesigns) {
        auto* shape = new Shape(s.kind == figure ? colour::white : colour::background, this);
        shape->setObjectName(u"Shape%1"_s.arg(s.number));
        shape->setGeometry(s.rect);
        if (s.kind == figure)
            shape->setOutline(colour::navy, Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge);
        else
            shape->setOutline(colour::navy, Qt::LeftEdge | Qt::BottomEdge,
                              s.kind == removedPart ? Qt::TopEdge | Qt::RightEdge : Qt::Edges());
        shape->hide();
    }
    addLabels(std::span(&textDesign, 1));
    for (const FigureLabel& l : figureLabels) {
        Label* figureLabel =
            addLabel(u"Label%1"_s.arg(l.number), QString::fromUtf16(l.text), l.left, l.top, 14, true, colour::navy);
        figureLabel->hide();
    }
}

void TForm14::showFigures(int group)
{
    for (const ShapeDesign& s : shapeDesigns)
        if (s.group == group) numbered<Shape>(this, u"Shape"_s, s.number)->show();
    for (const FigureLabel& l : figureLabels)
        if (l.group == group) label(l.number)->show();
}

void TForm14::screenReset()
{
    LessonScreen::screenReset();
    walk_ = AreaWalk(subTopic());
    label(explanation)->setText(QString());
    for (const ShapeDesign& s : shapeDesigns)
        numbered<Shape>(this, u"Shape"_s, s.number)->hide();
    for (const FigureLabel& l : figureLabels)
        label(l.number)->hide();
    button(stepButton)->setEnabled(false);
    button(stepButton)->setText(walk_.caption());
}

QString TForm14::menuChosen()
{
    walk_ = AreaWalk(subTopic());
    label(explanation)->setText(areaOpening(subTopic()));
    button(stepButton)->setText(walk_.caption());
    if (walk_.stepCount() == 0) return prompt::chooseMenuQuoted; // the unit relations are text only
    button(stepButton)->setEnabled(true);
    showFigures(subTopic() == 1 ? plainFigures : notchedShape);
    return prompt::goOnStep;
}

void TForm14::CuteButton3Click()
{
    if (walk_.stepCount() == 0) return;
    walk_.advance();
    button(stepButton)->setText(walk_.caption());
    label(explanation)->setText(walk_.text());
    if (walk_.bringsCutFigures()) showFigures(cutFigures);
    if (walk_.atLastStep()) {
        promptBlink(prompt::chooseMenuQuoted);
        playCue(cue::choice);
    } else {
        promptBlink(prompt::goOnStepSpaced);
        playCue(cue::digit);
    }
}

} // namespace kazemaru
