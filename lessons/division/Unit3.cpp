#include "lessons/division/Unit3.h"

#include "app/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Problem line, explanation and judge mark.
const LabelDesign labelDesigns[] = {
    {4, 144, 224, 53, false, colour::navy},
    {5, 144, 200, 27, true, colour::teal},
    {6, 752, 536, 53, false, colour::red},
};

// The answer's hundreds, tens and ones, most significant on the left.
const SelectorDesign selectorDesigns[] = {
    {4, 856, u"百", 100},
    {3, 880, u"十", 10},
    {2, 904, u"一", 1},
};
constexpr int selectorTop = 328;

} // namespace

TForm3::TForm3(QWidget* parent)
    : LessonScreen(3, parent)
{
    addLabels(labelDesigns);
    for (const LabelDesign& l : labelDesigns)
        label(l.number)->hide();
    setJudgeMark(label(6));
    // The explanation's runs of spaces set the equals signs of a chain one under another.
    alignByCharacters(label(5));
    addDigitSelectors(selectorDesigns, selectorTop);
}

void TForm3::screenReset()
{
    LessonScreen::screenReset();
    label(4)->hide();
    label(5)->hide();
    label(5)->move(144, 200);
    label(6)->hide();
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
    button(4)->setEnabled(false);
    label(5)->setText(tensHundredsExplanation(subTopic()));
    label(5)->show();
    return prompt::chooseMenu;
}

// Without a sub-topic there is no kind of problem to pose yet.
QString TForm3::testEntered()
{
    const bool ready = subTopic() > 0;
    button(4)->setEnabled(ready);
    return ready ? prompt::goOn : prompt::chooseMenu;
}

QString TForm3::studyEntered()
{
    button(4)->setEnabled(false);
    return prompt::chooseMenu;
}

// Reached only by a caller that bypasses the disabled button: put the explanation back.
QString TForm3::nextInStudy()
{
    if (subTopic() > 0) {
        label(5)->setText(tensHundredsExplanation(subTopic()));
        label(5)->show();
    }
    return prompt::chooseMenu;
}

QString TForm3::nextInTest()
{
    if (subTopic() == 0) return prompt::chooseMenu;
    problem_ = drawTensHundredsProblem(subTopic());
    label(4)->setText(tensHundredsQuestionText(problem_));
    label(4)->show();
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
    label(4)->setText(tensHundredsAnswerText(problem_));
    judge(tensHundredsRight(problem_, entered().value()));
}

QList<QPair<int, int>> TForm3::answerKey() const
{
    if (problem_.divisor == 0) return {};
    return choicesFor(selectorDesigns, 0, problem_.answer);
}

} // namespace kazemaru
