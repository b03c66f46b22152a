#include "lessons/decimals/Unit9.h"

#include "frame/Prompts.h"
#include "lessons/decimals/NumberLine.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Problem line, answer text and judge mark.
constexpr int question = 4, answerText = 5, mark = 6, pointMarker = 7, firstFigure = 8, lastFigure = 12;
const LabelDesign labelDesigns[] = {
    {question, 120, 232, 40, false, colour::navy},
    {answerText, 120, 352, 40, false, colour::teal},
    {mark, 744, 520, 53, false, colour::red},
};
constexpr int answerButton = 5;

// The answer's tens, ones and tenths, each weighed in tenths.
constexpr int tenths = 3;
const SelectorDesign selectorDesigns[] = {
    {5, 832, u"十", 100},
    {4, 856, u"一", 10},
    {tenths, 904, u"一", 1},
};
constexpr int selectorTop = 280;

// The number line's figures 0 … 4 above their marks: each label is as wide as it takes to put
// its middle on its whole's mark, from the left edge it is given.
constexpr int figureLefts[] = {152, 260, 372, 480, 588};
constexpr int figureTop = 120;

const QRect explanationGeometry{184, 96, 585, 505};

const QString problemMenuField = u"   もんだい"_s;
const QString chooseAnswer = u"答をえらんでね！"_s;
const QString tenthsByPlace = u"0.1 の数は 小数第一位で えらんでね！"_s;

} // namespace

// The frame facts: structure of decimals.
const FrameFacts& TForm9::frameFacts()
{
    static const FrameFacts f{
        .form = 9,
        .titles = {facts::chapterTitle(u"小数のしくみ"_s)},
        .menu = facts::menu({u"小数の表し方"_s, u"小数のしくみ"_s}, u"   メニュー"_s),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenuQuoted),
        .picture = u"Image1"_s,
        .pictureLeft = 8,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = {facts::next(520), facts::answer(840, 568), facts::mode(), facts::back(), facts::quit()},
        .memoTop = std::nullopt,
        .untestedItems = {1},
        .noTestNotice = u"このメニューには、テストは ないよ。"_s,
    };
    return f;
}

TForm9::TForm9(QWidget* parent)
    : LessonScreen(frameFacts(), parent)
{
    addLabels(labelDesigns);
    setJudgeMark(label(mark));

    auto* point = addLabel(u"Label%1"_s.arg(pointMarker), u"小"_s, 880, selectorTop, 22, true, colour::navy);
    point->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    point->setFixedSize(25, 105);
    for (int i = 0; i < 5; ++i) {
        auto* figure = addLabel(u"Label%1"_s.arg(firstFigure + i), QString::number(i), figureLefts[i], figureTop, 20,
                                true, colour::navy);
        figure->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        figure->setFixedSize(2 * (markX(10 * i) - figureLefts[i]), 24);
    }

    numberLine_ = new NumberLine(this);
    numberLine_->setObjectName(u"Image2"_s);
    numberLine_->setGeometry(numberLineLeft, numberLineTop, numberLineWidth, numberLineHeight);
    arrow_ = new Picture(u":/pointer.svg"_s, this);
    arrow_->setObjectName(u"Image3"_s);
    arrow_->setGeometry(arrowLeft(0), arrowTop, arrowWidth, arrowHeight);

    explanation_ = makeMemo(this, u"Memo1"_s, explanationGeometry, decimalStructureMemo());
    QFont f = explanation_->font();
    f.setPixelSize(18);
    explanation_->setFont(f);
    explanation_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    problemMenu_ = addMenu({.name = u"ComboBox2"_s,
                            .field = problemMenuField,
                            .items = {u"小数のしくみ"_s, u"数直線をよむ"_s, u"単位をかえる"_s},
                            .top = 128,
                            .height = 97});
    problemMenu_->hide();

    addDigitSelectors(selectorDesigns, selectorTop);
    screenReset();
}

void TForm9::screenReset()
{
    LessonScreen::screenReset();
    posed_ = false;
    for (int n : {question, answerText, mark})
        label(n)->setText(QString());
    for (int n = pointMarker; n <= lastFigure; ++n)
        label(n)->hide();
    hideSelectors(selectorDesigns);
    numberLine_->hide();
    arrow_->hide();
    explanation_->hide();
    button(nextButton)->setEnabled(false);
    button(answerButton)->setEnabled(false);
}

void TForm9::selectorSetUp()
{
    for (const SelectorDesign& s : selectorDesigns)
        selector(s.number)->show();
    clearSelectors(selectorDesigns);
    label(pointMarker)->show();
}

// Unlike the other lessons, showing the screen keeps the mode of the last visit. The problem
// kind starts afresh, so the problem menu's field must not go on naming the old one.
void TForm9::FormCreate()
{
    screenReset();
    kind_ = NoKind;
    problemMenu_->hide();
    problemMenu_->setItemIndex(-1);
    problemMenu_->setText(problemMenuField);
    promptBlink(prompt::chooseMenuQuoted);
    playCue(cue::choice);
}

QString TForm9::menuChosen()
{
    if (subTopic() == 1) {
        explanation_->move(explanationGeometry.topLeft());
        explanation_->show();
        return prompt::chooseMenuQuoted;
    }
    // Once shown, the problem menu stays until the screen is shown again.
    problemMenu_->show();
    return prompt::chooseProblem;
}

QString TForm9::askForKind() const
{
    return problemMenu_->isHidden() ? prompt::chooseMenuQuoted : prompt::chooseProblem;
}

void TForm9::ComboBox2Change()
{
    const int index = problemMenu_->itemIndex();
    if (index < 0) return;
    screenReset();
    kind_ = index + 1;
    button(nextButton)->setEnabled(true);
    promptBlink(prompt::goOn);
    playCue(cue::choice);
}

void TForm9::CuteButton3Click()
{
    screenReset();
    if (refusesTest()) return;
    if (lessonMode() == Study) {
        setLessonMode(Test);
        label(pointMarker)->setText(u"小\n数\n点"_s);
        selectorSetUp();
    } else {
        setLessonMode(Study);
    }
    // Without a problem kind there is nothing for the next button to pose.
    const bool ready = kind_ != NoKind;
    button(nextButton)->setEnabled(ready);
    promptBlink(ready ? prompt::goOn : askForKind());
    playCue(cue::choice);
}

bool TForm9::pose()
{
    if (kind_ == NoKind) return false;
    problem_ = drawStructureProblem(kind_);
    if (kind_ == NumberLineKind) {
        numberLine_->show();
        arrow_->move(arrowLeft(problem_.count), arrowTop);
        arrow_->show();
        for (int n = firstFigure; n <= lastFigure; ++n)
            label(n)->show();
    }
    label(question)->setText(problem_.question);
    selector(tenths)->setEnabled(problem_.tenthsEnabled());
    posed_ = true;
    return true;
}

QString TForm9::nextInStudy()
{
    if (!pose()) return askForKind();
    button(answerButton)->setEnabled(true);
    return prompt::pressAnswer;
}

QString TForm9::nextInTest()
{
    if (!pose()) return askForKind();
    selectorSetUp();
    return problem_.splitAnswer() ? tenthsByPlace : chooseAnswer;
}

void TForm9::CuteButton5Click()
{
    if (!posed_) return;
    label(answerText)->setText(problem_.answer);
    button(nextButton)->setEnabled(true);
    button(answerButton)->setEnabled(false);
    promptBlink(prompt::goOn);
    playCue(cue::next);
}

void TForm9::ComboBox5Change()
{
    if (posed_ && lessonMode() == Test) storePlace(5);
}

void TForm9::ComboBox4Change()
{
    if (!posed_ || lessonMode() != Test) return;
    if (!problem_.countAnswer()) {
        storePlace(4);
        return;
    }
    if (takeDigit(4)) judgeEntry();
}

void TForm9::ComboBox3Change()
{
    // A count has no tenths digit, so its tenths selector is off and never judges.
    if (!posed_ || lessonMode() != Test || problem_.countAnswer()) return;
    if (takeDigit(3)) judgeEntry();
}

void TForm9::judgeEntry()
{
    const PlaceValue& digits = entered();
    const int tens = digits.digit(100).value_or(0), ones = digits.digit(10).value_or(0);
    const int tenthsDigit = digits.digit(1).value_or(0);
    label(answerText)->setText(problem_.answer);
    judge(structureRight(problem_, tens, ones, tenthsDigit),
          {.problem = problem_.question,
           .given = structureAnswerText(problem_, structureEntry(problem_, tens, ones, tenthsDigit)),
           .expected = problem_.answer,
           .kind = problemMenu_->items().value(problem_.kind - 1)});
}

QList<QPair<int, int>> TForm9::answerKey() const
{
    if (!posed_ || lessonMode() != Test) return {};
    if (!problem_.countAnswer()) return choicesFor(selectorDesigns, 0, problem_.tenths);
    // A count is entered in the tens and ones selectors alone.
    QList<QPair<int, int>> key = choicesFor(selectorDesigns, 0, problem_.count * 10);
    key.removeLast();
    return key;
}

} // namespace kazemaru
