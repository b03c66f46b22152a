#include "lessons/division/Unit5.h"

#include "frame/Prompts.h"
#include "lessons/division/DivisionAnswer.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Problem line (the worked example in study mode) and judge mark.
constexpr int question = 4, mark = 5;
const LabelDesign labelDesigns[] = {
    {question, 136, 200, 32, false, colour::navy},
    {mark, 752, 544, 53, false, colour::red},
};

// The quotient digit, then the remainder's hundreds, tens and ones, whose headings spell あまり.
const SelectorDesign selectorDesigns[] = {
    {4, 824, u"商", 1, 0},
    {3, 856, u"あ", 100, 1},
    {2, 880, u"ま", 10, 1},
    {1, 904, u"り", 1, 1},
};
constexpr int selectorTop = 328;

const QString answerPrompt = u"答えは 商→あまり の じゅんに えらんでね！\nあまりは ０の時でも ０をえらんでね！"_s;

} // namespace

// The frame facts: dividing by tens and hundreds; ComboBox1 is a remainder digit here, so no menu.
const FrameFacts& TForm5::frameFacts()
{
    static const FrameFacts f{
        .form = 5,
        .titles = {facts::chapterTitle(u"わり算"_s), facts::lessonTitle(u"何十、何百でわる（暗算）"_s, 328)},
        .menu = {.name = QString(), .field = QString(), .items = {}},
        .prompt = facts::promptLine(u"Label3"_s, prompt::goOn),
        .picture = u"Image3"_s,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = {facts::next(), facts::mode(), facts::back(), facts::quit()},
        .memoTop = std::nullopt,
    };
    return f;
}

TForm5::TForm5(QWidget* parent)
    : LessonScreen(frameFacts(), parent)
{
    addLabels(labelDesigns);
    setJudgeMark(label(mark));
    addDigitSelectors(selectorDesigns, selectorTop);
}

void TForm5::screenReset()
{
    LessonScreen::screenReset();
    label(question)->setText(QString());
    label(mark)->setText(QString());
    hideSelectors(selectorDesigns);
}

void TForm5::selectorSetUp()
{
    for (const SelectorDesign& s : selectorDesigns)
        selector(s.number)->show();
    clearSelectors(selectorDesigns);
}

QString TForm5::testEntered()
{
    button(nextButton)->setEnabled(true);
    return prompt::goOn;
}

QString TForm5::studyEntered()
{
    example_ = 0;
    button(nextButton)->setEnabled(true);
    return prompt::goOn;
}

QString TForm5::nextInStudy()
{
    example_ = example_ % divideByExampleCount + 1;
    label(question)->setText(divideByExample(example_));
    button(nextButton)->setEnabled(true);
    return prompt::goOn;
}

QString TForm5::nextInTest()
{
    problem_ = drawDivideByProblem();
    label(question)->setText(divideByQuestionText(problem_));
    selectorSetUp();
    return answerPrompt;
}

void TForm5::ComboBox4Change()
{
    storePlace(4);
}

void TForm5::ComboBox3Change()
{
    storePlace(3);
}

void TForm5::ComboBox2Change()
{
    storePlace(2);
}

void TForm5::ComboBox1Change()
{
    if (!takeDigit(1)) return;
    const AnswerFacts answer{.problem = divideByQuestionText(problem_),
                             .given = quotientWithRemainder(entered(0).value(), entered(1).value()),
                             .expected = quotientWithRemainder(problem_.quotient(), problem_.remainder()),
                             .kind = divideByKind(problem_)};
    label(question)->setText(divideByAnswerText(problem_));
    judge(divideByRight(problem_, entered(0).value(), entered(1).value()), answer);
}

QList<QPair<int, int>> TForm5::answerKey() const
{
    if (problem_.divisor == 0) return {};
    return choicesFor(selectorDesigns, 0, problem_.quotient()) + choicesFor(selectorDesigns, 1, problem_.remainder());
}

} // namespace kazemaru
