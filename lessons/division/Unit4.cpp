#include "lessons/division/Unit4.h"

#include "app/CuePlayer.h"
#include "app/Random.h"

#include <QListWidget>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace kazemaru {

using namespace longdiv;

namespace {

// Problem line, step text and judge mark.
const LabelDesign labelDesigns[] = {
    {4, 104, 208, 40, false, colour::navy},
    {5, 104, 296, 24, true, colour::navy},
    {6, 752, 544, 53, false, colour::red},
};

const SelectorDesign selectorDesigns[] = {
    {3, 880, u"十"},
    {2, 904, u"一"},
    {4, 904, u"商"},
};
constexpr int selectorTop = 184;

FigureDesign oneDigitDesign()
{
    FigureDesign f;
    f.divisor = {QString(), 672, 316, 20, false};
    f.dividend = {QString(), oneDigitColumn1, 316, 60, false};
    f.rows = oneDigitRows();
    f.bar = QRect(696, 312, 105, 2);
    f.curve = QRect(696, 314, 17, 33);
    f.ruleLeft = 704;
    f.ruleWidth = 97;
    f.ruleTops = {376, 441, 505};
    f.arrowLeft = 680;
    return f;
}

const QString stepPrompt = u"「ステップ」ボタンですすめてね！"_s;
const QString goOnPrompt = u"「つぎへ」ボタンで すすめてね！"_s;

} // namespace

TForm4::TForm4(QWidget* parent)
    : LessonScreen(4, parent)
    , figure_(designedFigure(oneDigitRows()))
{
    addLabels(labelDesigns);
    setJudgeMark(label(6));

    // The eighth item carries an ideographic space after its digit.
    QStringList items = digitItems();
    items[7] = u"７　"_s;
    addDigitSelectors(selectorDesigns, selectorTop);
    for (const SelectorDesign& s : selectorDesigns) {
        SimpleComboBox* box = selector(s.number);
        box->setItems(items);
        // The space after the 7 is wider than the list: keep the digit instead of an ellipsis.
        box->list()->setTextElideMode(Qt::ElideNone);
    }

    widgets_ = std::make_unique<FigureWidgets>(this, oneDigitDesign());
    setMemoLines(memoLines(), QRect(104, 128, 720, 440));
    // All 33 lines fit in the box without scrolling.
    QFont memoFont = memo()->font();
    memoFont.setPixelSize(13);
    memo()->setFont(memoFont);
}

TForm4::~TForm4() = default;

void TForm4::screenReset()
{
    LessonScreen::screenReset();
    if (walk_) walk_->restart();
    button(5)->setText(stepCaption(1));
    for (const LabelDesign& l : labelDesigns)
        label(l.number)->setText(QString());
    figure_.clear();
    widgets_->show(figure_);
    hideSelectors(selectorDesigns);
}

void TForm4::resetCountersOnShow()
{
    entry_.reset();
    button(5)->setEnabled(false);
    button(7)->setEnabled(false);
}

QString TForm4::menuChosen()
{
    example_ = 0;
    button(4)->setEnabled(true);
    button(5)->setEnabled(false);
    // The last problem belongs to the other sub-topic's rules: it cannot be laid out again.
    button(7)->setEnabled(false);
    placeRegularStart(figure_);
    figure_.place(Row::Difference2, oneDigitColumn2);
    widgets_->show(figure_);
    return goOnPrompt;
}

QString TForm4::testEntered()
{
    button(4)->setEnabled(true);
    button(5)->setEnabled(false);
    return goOnPrompt;
}

QString TForm4::studyEntered()
{
    example_ = 0;
    return testEntered();
}

QString TForm4::nextInStudy()
{
    if (subTopic() == 0) return openingPrompt(); // nothing to pose before a menu choice
    placeRegularStart(figure_);
    example_ = example_ % 3 + 1;
    walk_ = std::make_unique<OneDigitWalk>(figure_, subTopic(), example_);
    problem_ = walk_->problem();
    label(4)->setText(problemLine(problem_.dividend, problem_.divisor));
    button(5)->setEnabled(true);
    widgets_->show(figure_);
    return u"「ステップ」ボタンで すすめてね！"_s;
}

QString TForm4::nextInTest()
{
    if (subTopic() == 0) return openingPrompt();
    placeRegularStart(figure_);
    Randomize();
    problem_ = drawOneDigitProblem(subTopic());
    entry_ = std::make_unique<OneDigitEntry>(figure_, subTopic(), problem_);
    layoutCase_ = LayoutCase::Regular;
    layOutProblem();
    button(5)->setEnabled(false);
    button(7)->setEnabled(true);
    selectorSetUp(SelectorMode::Quotient);
    return oneDigitFirstPrompt(subTopic(), problem_);
}

void TForm4::layOutProblem()
{
    label(4)->setText(problemLine(problem_.dividend, problem_.divisor));
    figure_.divisor = QString::number(problem_.divisor);
    figure_.dividend = QString::number(problem_.dividend);
    figure_.bracket = true;
    figure_.arrowShown = true;
    figure_.point(Row::Quotient);
    widgets_->show(figure_);
}

void TForm4::CuteButton5Click()
{
    if (!walk_) return;
    const StepShown shown = walk_->nextStep();
    layoutCase_ = walk_->layoutCase();
    widgets_->show(figure_);
    label(5)->setText(shown.text);
    button(5)->setText(shown.caption);
    if (!shown.answer.isEmpty()) label(4)->setText(shown.answer);
    if (shown.ends) {
        walk_->restart();
        button(4)->setEnabled(true);
        button(5)->setEnabled(false);
        playCue(cue::choice);
        promptBlink(u"「つぎへ」ボタンですすめてね！"_s);
    } else {
        playCue(cue::digit);
        promptBlink(stepPrompt);
    }
}

void TForm4::CuteButton7Click()
{
    screenReset();
    entry_ = std::make_unique<OneDigitEntry>(figure_, subTopic(), problem_);
    layoutCase_ = LayoutCase::Regular;
    selectorSetUp(SelectorMode::Quotient);
    placeRegularStart(figure_);
    figure_.place(Row::Difference2, oneDigitColumn2);
    layOutProblem();
    playCue(cue::digit);
}

void TForm4::selectorSetUp(SelectorMode mode)
{
    const bool number = mode == SelectorMode::Number;
    selector(2)->setVisible(number);
    selector(3)->setVisible(number);
    selector(4)->setVisible(!number);
    clearSelectors(selectorDesigns);
    for (const SelectorDesign& s : selectorDesigns)
        selector(s.number)->setEnabled(true);
    selector(4)->move(904, selectorTop);
}

void TForm4::ComboBox4Change()
{
    const int digit = selector(4)->itemIndex();
    if (digit >= 0 && entry_) apply(entry_->chooseQuotient(digit));
}

void TForm4::ComboBox3Change()
{
    const int digit = selector(3)->itemIndex();
    if (digit >= 0 && entry_) apply(entry_->choosePlace(10, digit));
}

void TForm4::ComboBox2Change()
{
    const int digit = selector(2)->itemIndex();
    if (digit >= 0 && entry_) apply(entry_->chooseOnes(digit));
}

void TForm4::apply(const EntryOutcome& out)
{
    layoutCase_ = entry_->layoutCase();
    widgets_->show(figure_);
    if (out.judged) {
        const auto [D, d] = problem_;
        label(4)->setText(answerLine(D, d, D / d, D % d));
        // The entry is over: the selectors wait for the restore or the next button.
        for (const SelectorDesign& s : selectorDesigns)
            selector(s.number)->setEnabled(false);
        judge(out.right);
        return;
    }
    if (out.setUp) selectorSetUp(*out.setUp);
    if (!out.prompt.isEmpty()) promptBlink(out.prompt);
    if (out.cue) playCue(cue::digit);
}

QStringList TForm4::memoLines()
{
    return {
        QString(),
        u"　【計算のポイント】"_s,
        QString(),
        u"　・58 ÷ 4 = 14  あまり 2"_s,
        QString(),
        u"　　上のわり算では、 14 を 「商」、 2 を 「あまり」 というよ。"_s,
        QString(),
        u"　・わられる数の 大きい位から じゅんに わり算を すすめて"_s,
        u"　　いくよ。"_s,
        QString(),
        u"　・それぞれのわり算では、あまりが わる数より 小さくなる"_s,
        u"　　ように 答えを きめてね。"_s,
        QString(),
        u"　・それぞれのわり算で、わられる数が わる数より 小さい時は、"_s,
        u"　　答が たつ位を 次に すすめて、２けたの数にして われば"_s,
        u"　　いいよ。"_s,
        u"　"_s,
        u"　・それぞれのわり算で、答えに ０ が たつ時は、「わる数 ｘ ０」"_s,
        u"　　の計算は はぶいていいよ。"_s,
        QString(),
        QString(),
        u"　【答えのたしかめ】"_s,
        QString(),
        u"　　58 ÷ 4 = 14  あまり 2"_s,
        QString(),
        u"　　上のわり算の 答えを たしかめるには、下のように、"_s,
        QString(),
        u"　　わる数に 商を かけ、あまりを たした数が 割られる数に"_s,
        QString(),
        u"　　なればいいよ。"_s,
        QString(),
        u"　　4 x 14 + 2 = 58 "_s,
        QString(),
    };
}

} // namespace kazemaru
