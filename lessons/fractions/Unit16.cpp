#include "lessons/fractions/Unit16.h"

#include "frame/Prompts.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// Explanation or question, second explanation or reason, judge mark.
constexpr int explanation = 4, secondText = 5, mark = 6, arrow = 13; // arrow: "⇒" between two fractions
const LabelDesign labelDesigns[] = {
    {explanation, 104, 232, 18, true, colour::navy},
    {secondText, 104, 416, 18, true, colour::teal},
    {mark, 752, 536, 53, false, colour::red},
};
constexpr int answerOrStep = 5; // the answer button, or the step button by sub-topic

const FractionFigureDesign leftDesign{12, {244, 338}, 7, {262, 324}, 1, {266, 352}, 8, {272, 354}};
const FractionFigureDesign rightDesign{11, {380, 338}, 9, {398, 324}, 2, {402, 352}, 10, {408, 354}};
constexpr int fractionPixels = 24;

// A conversion's answer: whole part or numerator tens, numerator or its ones, denominator.
constexpr int firstPlace = 4, choice = 5; // whole part or numerator tens; left or right
const SelectorDesign selectorDesigns[] = {
    {firstPlace, 843, u"子", 10, 0, 30},
    {3, 872, u"子", 1, 0, 30},
    {2, 901, u"母", 1, 1, 30},
};
constexpr int selectorTop = 280;
constexpr int choiceLeft = 901; // the left-or-right choice, moved from 808 when shown

const QString answerCaption = u"答え"_s;

} // namespace

// The frame facts: fractions; CuteButton5 is the answer button or the step button by sub-topic.
const FrameFacts& TForm16::frameFacts()
{
    static const FrameFacts f{
        .form = 16,
        .height = 708,
        .titles = {facts::chapterTitle(u"分数"_s), facts::lessonTitle(u"分数について"_s)},
        .menu = facts::menu({u"分数のしくみ"_s, u"分数の大小"_s, u"分数の種類"_s, u"仮分数と帯分数"_s}),
        .prompt = facts::promptLine(u"Label3"_s, prompt::chooseMenu, 72, 600),
        .picture = u"Image3"_s,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = {facts::next(520), facts::answer(840, 568), facts::mode(), facts::back(), facts::quit()},
        .memoTop = std::nullopt,
        .untestedItems = {1, 3},
        .noTestNotice = u"このメニューには テストはないよ。"_s,
    };
    return f;
}

TForm16::TForm16(QWidget* parent)
    : LessonScreen(frameFacts(), parent)
{
    addLabels(labelDesigns);
    setJudgeMark(label(mark));
    auto* segment = new Picture(u":/segment.svg"_s, this);
    segment->setObjectName(u"Image1"_s);
    segment->setGeometry(184, 136, 545, 65);
    segment->hide();
    left_ = std::make_unique<FractionFigure>(this, leftDesign, fractionPixels, colour::navy);
    right_ = std::make_unique<FractionFigure>(this, rightDesign, fractionPixels, colour::navy);
    addLabel(u"Label%1"_s.arg(arrow), u"⇒"_s, 328, 340, fractionPixels, true, colour::red)->hide();

    addDigitSelectors(selectorDesigns, selectorTop);
    addDigitSelector(u"ComboBox%1"_s.arg(choice), 808, selectorTop, u"答"_s, 30, 72)->setItems({u"左"_s, u"右"_s});
}

TForm16::~TForm16() = default;

void TForm16::screenReset()
{
    LessonScreen::screenReset();
    findChild<QWidget*>(u"Image1"_s)->hide();
    label(arrow)->hide();
    label(explanation)->setText(QString());
    label(secondText)->setText(QString());
    left_->clear();
    right_->clear();
    hideSelectors(selectorDesigns);
    selector(choice)->hide();
    button(nextButton)->setEnabled(false);
    button(answerOrStep)->setEnabled(false);
    comparison_.reset();
    conversion_.reset();
}

QString TForm16::menuChosen()
{
    button(answerOrStep)->setText(fractionStepCount(subTopic()) > 0 ? u"ステップ１"_s : answerCaption);
    switch (subTopic()) {
    case 1:
        label(explanation)->setText(fractionPartsExplanation());
        label(secondText)->setText(fractionNamesExplanation());
        left_->show({0, 1, 5});
        right_->show({0, 3, 5});
        findChild<QWidget*>(u"Image1"_s)->show();
        return prompt::chooseMenu;
    case 2:
        label(explanation)->setText(u"２つの分数の大小は、分母が同じであれば、\n分子の大小で決めればいいよ。"_s);
        button(nextButton)->setEnabled(true);
        return prompt::goOn;
    case 3:
    case 4:
        step_ = 0;
        button(answerOrStep)->setEnabled(true);
        label(explanation)
            ->setText(subTopic() == 3 ? u"分数には、真分数、仮分数、帯分数の３つの\n種類があるよ。"_s
                                      : u"仮分数は帯分数に、帯分数は仮分数に\nなおすことができるよ。"_s);
        return prompt::goOnStepSpaced;
    default: return prompt::chooseMenu;
    }
}

// Sub-topics without a test say so and leave the screen as it is; without a sub-topic there is
// nothing to test yet.
void TForm16::CuteButton3Click()
{
    const bool noMenu = lessonMode() == Study && subTopic() == 0;
    if (noMenu || refusesTest()) {
        promptBlink(noMenu ? prompt::chooseMenu : prompt()->text());
        playCue(cue::choice);
        return;
    }
    LessonScreen::CuteButton3Click();
}

QString TForm16::testEntered()
{
    button(nextButton)->setEnabled(true);
    return prompt::goOn;
}

// The screen is empty again until a menu choice.
QString TForm16::studyEntered()
{
    return prompt::chooseMenu;
}

void TForm16::showComparison(const Comparison& c)
{
    label(explanation)->setText(u"どちらの分数が大きい？"_s);
    left_->show(c.left);
    right_->show(c.right);
}

// Only the comparison poses problems in study mode.
QString TForm16::nextInStudy()
{
    if (subTopic() != 2) return prompt::chooseMenu;
    button(answerOrStep)->setText(answerCaption);
    button(answerOrStep)->setEnabled(true);
    comparison_ = drawComparison();
    showComparison(*comparison_);
    return prompt::pressAnswer;
}

QString TForm16::nextInTest()
{
    if (subTopic() == 2) {
        comparison_ = drawComparison();
        showComparison(*comparison_);
        selectorSetUp();
        return u"答えを えらんでね！"_s;
    }
    if (subTopic() == 4) {
        conversion_ = drawConversion();
        label(explanation)->setText(conversionQuestion(*conversion_));
        left_->show(conversion_->given);
        selectorSetUp();
        return conversionPrompt(*conversion_);
    }
    return prompt::chooseMenu;
}

void TForm16::selectorSetUp()
{
    if (comparison_) {
        SimpleComboBox* box = selector(choice);
        box->move(choiceLeft, selectorTop);
        box->setItemIndex(-1);
        box->setText(u"答"_s);
        box->show();
        return;
    }
    for (const SelectorDesign& s : selectorDesigns)
        selector(s.number)->show();
    clearSelectors(selectorDesigns);
    if (conversion_ && conversion_->toMixed()) selector(firstPlace)->setText(u"整"_s);
}

void TForm16::CuteButton5Click()
{
    if (lessonMode() != Study) return;
    if (fractionStepCount(subTopic()) > 0) {
        step_ = nextFractionStep(subTopic(), step_);
        const FractionStep s = fractionStep(subTopic(), step_);
        button(answerOrStep)->setText(s.caption);
        label(explanation)->setText(s.explanation);
        if (!s.example.isEmpty()) label(secondText)->setText(s.example);
        left_->show(s.left);
        right_->show(s.right);
        label(arrow)->setVisible(subTopic() == 4);
        promptBlink(prompt()->text());
        playCue(cue::choice);
        return;
    }
    if (subTopic() != 2 || !comparison_) return;
    label(secondText)->setText(comparisonReason(*comparison_));
    comparison_.reset();
    button(nextButton)->setEnabled(true);
    button(answerOrStep)->setEnabled(false);
    promptBlink(prompt::goOn);
    playCue(cue::choice);
}

void TForm16::ComboBox5Change()
{
    const int chosen = selector(choice)->itemIndex();
    if (chosen < 0 || !comparison_ || lessonMode() != Test) return;
    const Comparison& c = *comparison_;
    const auto side = [&c](int s) { return fractionText(s == LeftSide ? c.left : c.right); };
    judge(chosen == c.larger, {.problem = label(explanation)->text() + u' ' + comparisonText(c),
                               .given = side(chosen),
                               .expected = side(c.larger),
                               .kind = comparisonKind(c)});
}

void TForm16::ComboBox4Change()
{
    storePlace(4);
}

void TForm16::ComboBox3Change()
{
    storePlace(3);
}

void TForm16::ComboBox2Change()
{
    if (!conversion_ || !takeDigit(2)) return;
    const Conversion& c = *conversion_;
    right_->show(c.answer);
    label(arrow)->show();
    const PlaceValue& entry = entered(0);
    const int first = entry.digit(10).value_or(0), second = entry.digit(1).value_or(0);
    judge(conversionRight(c, first, second, entered(1).value()),
          {.problem = conversionQuestion(c) + u' ' + fractionText(c.given),
           .given = conversionEntryText(c, first, second, entered(1).value()),
           .expected = fractionText(c.answer),
           .kind = conversionKind(c)});
}

QList<QPair<int, int>> TForm16::answerKey() const
{
    if (lessonMode() != Test) return {};
    if (comparison_) return {{5, comparison_->larger}};
    if (!conversion_) return {};
    const Fraction& a = conversion_->answer;
    const int first = conversion_->toMixed() ? a.whole : a.numerator / 10;
    const int second = conversion_->toMixed() ? a.numerator : a.numerator % 10;
    return {{4, first}, {3, second}, {2, a.denominator}};
}

} // namespace kazemaru
