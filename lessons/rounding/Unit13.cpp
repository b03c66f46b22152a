#include "lessons/rounding/Unit13.h"

#include "frame/Prompts.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Question or worked example, the answer after judging, and the judge mark.
constexpr int question = 4, answerText = 5, mark = 6;
const LabelDesign labelDesigns[] = {
    {question, 136, 208, 32, false, colour::navy},
    {answerText, 136, 344, 32, true, colour::teal},
    {mark, 680, 536, 53, false, colour::red},
};

// 百万 down to 一, most significant on the left.
const SelectorDesign selectorDesigns[] = {
    {8, 760, u"百", 1'000'000}, {7, 784, u"十", 100'000}, {6, 808, u"万", 10'000}, {5, 832, u"千", 1'000},
    {4, 856, u"百", 100},       {3, 880, u"十", 10},      {2, 904, u"一", 1},
};
constexpr int selectorTop = 328;

const QRect explanationGeometry(184, 152, 561, 449);

} // namespace

// The frame facts: rounding.
const FrameFacts& TForm13::frameFacts()
{
    static const FrameFacts f{
        .form = 13,
        .titles = {facts::chapterTitle(u"がい数"_s), facts::lessonTitle(u"四捨五入"_s)},
        .menu = facts::wideMenu(
            {u"がい数と四捨五入"_s, u"○の位までのがい数"_s, u"○の位で四捨五入"_s, u"上から○けたのがい数"_s}, 165, 89),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenu),
        .picture = u"Image3"_s,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = {facts::next(), facts::mode(), facts::back(), facts::quit()},
        .memoTop = std::nullopt,
        .untestedItems = {1},
        .noTestNotice = u"このメニューには、テストはないよ！"_s,
    };
    return f;
}

TForm13::TForm13(QWidget* parent)
    : LessonScreen(frameFacts(), parent)
{
    addLabels(labelDesigns);
    setJudgeMark(label(mark));
    addDigitSelectors(selectorDesigns, selectorTop);
    explanation_ = makeMemo(this, u"Memo1"_s, explanationGeometry, roundingExplanation());
    QFont font = explanation_->font();
    font.setPixelSize(16);
    font.setBold(true);
    explanation_->setFont(font);
}

void TForm13::screenReset()
{
    LessonScreen::screenReset();
    for (const LabelDesign& l : labelDesigns)
        label(l.number)->setText(QString());
    hideSelectors(selectorDesigns);
    explanation_->hide();
}

void TForm13::selectorSetUp()
{
    for (const SelectorDesign& s : selectorDesigns)
        selector(s.number)->show();
    clearSelectors(selectorDesigns);
}

void TForm13::showStudy()
{
    if (subTopic() == 1) {
        explanation_->show();
        explanation_->raise();
    } else {
        label(question)->setText(roundingExample(subTopic()));
    }
}

// Study mode after a menu choice; the next button keeps its state, so a problem already under
// way in test mode can be followed by another of the new sub-topic.
void TForm13::ComboBox1Change()
{
    const int index = menu()->itemIndex();
    if (index < 0) return;
    screenReset();
    setSubTopic(index + 1);
    setLessonMode(Study);
    showStudy();
    promptBlink(prompt::chooseMenu);
    playCue(cue::digit);
}

void TForm13::CuteButton3Click()
{
    screenReset();
    if (lessonMode() == Test) {
        setLessonMode(Study);
        promptBlink(prompt::chooseMenu);
    } else if (refusesTest()) {
        promptBlink(prompt::chooseMenu);
    } else {
        setLessonMode(Test);
        // Without a sub-topic there is no kind of problem to pose yet.
        const bool ready = subTopic() > 0;
        button(nextButton)->setEnabled(ready);
        promptBlink(ready ? prompt::goOn : prompt::chooseMenu);
    }
    playCue(cue::digit);
}

void TForm13::CuteButton4Click()
{
    screenReset();
    button(nextButton)->setEnabled(false);
    if (subTopic() == 0) {
        promptBlink(prompt::chooseMenu);
        return;
    }
    if (refusesTest()) return; // the explanation poses nothing
    problem_ = drawRoundingProblem(subTopic());
    problemPosed();
    label(question)->setText(problem_.question);
    selectorSetUp();
    promptBlink(prompt::answerFromTop);
    playCue(cue::next);
}

void TForm13::ComboBox8Change()
{
    storePlace(8);
}
void TForm13::ComboBox7Change()
{
    storePlace(7);
}
void TForm13::ComboBox6Change()
{
    storePlace(6);
}
void TForm13::ComboBox5Change()
{
    storePlace(5);
}
void TForm13::ComboBox4Change()
{
    storePlace(4);
}
void TForm13::ComboBox3Change()
{
    storePlace(3);
}

void TForm13::ComboBox2Change()
{
    if (!takeDigit(2)) return;
    label(answerText)->setText(roundingAnswerText(problem_));
    judge(entered().value() == problem_.answer, {.problem = problem_.question,
                                                 .given = QString::number(entered().value()),
                                                 .expected = QString::number(problem_.answer)});
}

QList<QPair<int, int>> TForm13::answerKey() const
{
    if (lessonMode() != Test || problem_.question.isEmpty()) return {};
    return choicesFor(selectorDesigns, 0, problem_.answer);
}

} // namespace kazemaru
