#include "lessons/division/Unit3.h"

#include "frame/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Problem line, explanation and judge mark.
constexpr int question = 4, explanation = 5, mark = 6;
const LabelDesign labelDesigns[] = {
    {question, 144, 224, 53, false, colour::navy},
    {explanation, 144, 200, 27, true, colour::teal},
    {mark, 752, 536, 53, false, colour::red},
};

// The answer's hundreds, tens and ones, most significant on the left.
const SelectorDesign selectorDesigns[] = {
    {4, 856, u"百", 100},
    {3, 880, u"十", 10},
    {2, 904, u"一", 1},
};
constexpr int selectorTop = 328;

} // namespace

// The frame facts: dividing tens and hundreds.
const FrameFacts& TForm3::frameFacts()
{
    static const FrameFacts f{
        .form = 3,
        .titles = {facts::chapterTitle(u"わり算"_s), facts::lessonTitle(u"何十、何百をわる"_s)},
        .menu = facts::menu({u"何十をわる"_s, u"何百をわる"_s, u"何百何十をわる"_s}),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenu),
        .picture = u"Image3"_s,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = {facts::next(), facts::mode(), facts::back(), facts::quit()},
        .memoTop = std::nullopt,
        .runsShowAtCreation = true,
    };
    return f;
}

TForm3::TForm3(QWidget* parent)
    : LessonScreen(frameFacts(), parent)
{
    addLabels(labelDesigns);
    for (const LabelDesign& l : labelDesigns)
        label(l.number)->hide();
    setJudgeMark(label(mark));
    // The explanation's runs of spaces set the equals signs of a chain one under another.
    alignByCharacters(label(explanation));
    addDigitSelectors(selectorDesigns, selectorTop);
}

void TForm3::screenReset()
{
    LessonScreen::screenReset();
    label(question)->hide();
    label(explanation)->hide();
    label(explanation)->move(144, 200);
    label(mark)->hide();
    hideSelectors(selectorDesigns);
}

void TForm3::selectorSetUp()
{
    for (const SelectorDesign& s : selectorDesigns)
        selector(s.number)->show();
    clearSelectors(selectorDesigns);
}

// Study mode shows the explanation; problems are posed in test mode only, so the next button
// stays off here.
QString TForm3::menuChosen()
{
    button(nextButton)->setEnabled(false);
    label(explanation)->setText(tensHundredsExplanation(subTopic()));
    label(explanation)->show();
    return prompt::chooseMenu;
}

// Without a sub-topic there is no kind of problem to pose yet.
QString TForm3::testEntered()
{
    const bool ready = subTopic() > 0;
    button(nextButton)->setEnabled(ready);
    return ready ? prompt::goOn : prompt::chooseMenu;
}

QString TForm3::studyEntered()
{
    button(nextButton)->setEnabled(false);
    return prompt::chooseMenu;
}

// Reached only by a caller that bypasses the disabled button: put the explanation back.
QString TForm3::nextInStudy()
{
    if (subTopic() > 0) {
        label(explanation)->setText(tensHundredsExplanation(subTopic()));
        label(explanation)->show();
    }
    return prompt::chooseMenu;
}

QString TForm3::nextInTest()
{
    if (subTopic() == 0) return prompt::chooseMenu;
    problem_ = drawTensHundredsProblem(subTopic());
    label(question)->setText(tensHundredsQuestionText(problem_));
    label(question)->show();
    selectorSetUp();
    return prompt::answerFromTop;
}

void TForm3::ComboBox4Change()
{
    storePlace(4);
}

void TForm3::ComboBox3Change()
{
    storePlace(3);
}

void TForm3::ComboBox2Change()
{
    if (!takeDigit(2)) return;
    const AnswerFacts answer{.problem = tensHundredsQuestionText(problem_),
                             .given = QString::number(entered().value()),
                             .expected = QString::number(problem_.answer)};
    label(question)->setText(tensHundredsAnswerText(problem_));
    judge(tensHundredsRight(problem_, entered().value()), answer);
}

QList<QPair<int, int>> TForm3::answerKey() const
{
    if (problem_.divisor == 0) return {};
    return choicesFor(selectorDesigns, 0, problem_.answer);
}

} // namespace kazemaru
