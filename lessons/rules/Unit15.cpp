#include "lessons/rules/Unit15.h"

#include "frame/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Expression, rule with worked evaluation, judge mark.
constexpr int expression = 3, workedRule = 4, mark = 5;
const LabelDesign labelDesigns[] = {
    {expression, 144, 232, 40, false, colour::navy},
    {workedRule, 144, 392, 24, true, colour::teal},
    {mark, 736, 536, 53, false, colour::red},
};
constexpr int answerButton = 5;

// The value's thousands, hundreds, tens and ones; the ones selector judges.
const SelectorDesign selectorDesigns[] = {
    {5, 832, u"千", 1000},
    {4, 856, u"百", 100},
    {3, 880, u"十", 10},
    {2, 904, u"一", 1},
};
constexpr int selectorTop = 232;

} // namespace

// The frame facts: rules of calculation.
const FrameFacts& TForm15::frameFacts()
{
    static const FrameFacts f{
        .form = 15,
        .titles = {facts::chapterTitle(u"計算のきまり"_s)},
        .menu = facts::wideMenu({u"（　）のある計算"_s, u"＋－×÷のある計算"_s, u"×÷のある計算"_s,
                                 u"たし算とひき算の関係"_s, u"かけ算とわり算の関係"_s},
                                175, 104),
        .prompt = facts::promptLine(u"Label2"_s, prompt::chooseMenu),
        .picture = u"Image3"_s,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuitKanji,
        // The answer button stands under the next button, clear of the judge mark at 736, 536.
        .buttons = {facts::next(472), facts::answer(840, 520), facts::point(), facts::mode(), facts::back(),
                    facts::quit()},
        .memoTop = 168,
    };
    return f;
}

TForm15::TForm15(QWidget* parent)
    : LessonScreen(frameFacts(), parent)
{
    addLabels(labelDesigns);
    setJudgeMark(label(mark));
    addDigitSelectors(selectorDesigns, selectorTop);
    setMemoLines(rulesMemoLines(), QRect(104, 168, 720, 400));
    memo()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    button(answerButton)->setEnabled(false);
}

void TForm15::screenReset()
{
    LessonScreen::screenReset();
    for (const LabelDesign& l : labelDesigns)
        label(l.number)->setText(QString());
    hideSelectors(selectorDesigns);
    // The expression it would answer is gone from the screen.
    answerAwaited_ = false;
    button(answerButton)->setEnabled(false);
}

void TForm15::selectorSetUp()
{
    for (const SelectorDesign& s : selectorDesigns)
        selector(s.number)->show();
    clearSelectors(selectorDesigns);
}

QString TForm15::menuChosen()
{
    button(nextButton)->setEnabled(true);
    return prompt::goOn;
}

// Without a sub-topic there is no kind of expression to pose yet.
QString TForm15::testEntered()
{
    const bool ready = subTopic() > 0;
    button(nextButton)->setEnabled(ready);
    return ready ? prompt::goOn : prompt::chooseMenu;
}

QString TForm15::studyEntered()
{
    button(nextButton)->setEnabled(subTopic() > 0);
    return prompt::chooseMenu;
}

QString TForm15::nextInStudy()
{
    if (subTopic() == 0) return prompt::chooseMenu;
    problem_ = drawRulesProblem(subTopic());
    label(expression)->setText(rulesQuestionText(problem_));
    answerAwaited_ = true;
    button(answerButton)->setEnabled(true);
    return prompt::pressAnswer;
}

QString TForm15::nextInTest()
{
    if (subTopic() == 0) return prompt::chooseMenu;
    problem_ = drawRulesProblem(subTopic());
    label(expression)->setText(rulesQuestionText(problem_));
    selectorSetUp();
    return prompt::answerFromTop;
}

void TForm15::CuteButton5Click()
{
    if (!answerAwaited_ || lessonMode() != Study) return;
    answerAwaited_ = false;
    label(expression)->setText(rulesSolvedText(problem_));
    label(workedRule)->setText(rulesWorkedText(problem_));
    button(nextButton)->setEnabled(true);
    button(answerButton)->setEnabled(false);
    promptBlink(prompt::goOn);
    playCue(cue::choice);
}

void TForm15::ComboBox5Change()
{
    storePlace(5);
}

void TForm15::ComboBox4Change()
{
    storePlace(4);
}

void TForm15::ComboBox3Change()
{
    storePlace(3);
}

void TForm15::ComboBox2Change()
{
    if (!takeDigit(2)) return;
    const AnswerFacts answer{.problem = rulesQuestionText(problem_),
                             .given = QString::number(entered().value()),
                             .expected = QString::number(problem_.answer)};
    if (isBoxProblem(problem_.subTopic))
        label(workedRule)->setText(rulesBoxValueText(problem_));
    else
        label(expression)->setText(rulesSolvedText(problem_));
    judge(entered().value() == problem_.answer, answer);
}

QList<QPair<int, int>> TForm15::answerKey() const
{
    if (lessonMode() != Test || subTopic() == 0) return {};
    return choicesFor(selectorDesigns, 0, problem_.answer);
}

} // namespace kazemaru
