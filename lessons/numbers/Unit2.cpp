#include "lessons/numbers/Unit2.h"

#include "frame/Prompts.h"

#include <QFontMetricsF>
#include <QListWidget>
#include <QPainter>
#include <tuple>

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

// A group box of the place-value chart: a white rectangle with a navy outline.
class ChartBox : public Shape {
  public:
    using Shape::Shape;

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), colour::white);
        p.setPen(colour::navy);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

constexpr int explanation = 3, firstHead = 4, lastHead = 19, sample = 20, mark = 21, digits = 22, question = 23,
              answer = 24, echo = 25, problemLine = 26;

// The explanation, the chart's sample digits, the judge mark and the lines of a problem.
const LabelDesign labelDesigns[] = {
    {explanation, 120, 321, 20, true, colour::teal}, {sample, 120, 265, 22, true, colour::maroon},
    {mark, 704, 140, 53, false, colour::red},        {digits, 120, 165, 29, true, colour::navy},
    {question, 120, 135, 20, true, colour::green},   {answer, 120, 225, 24, true, colour::red},
    {echo, 120, 265, 20, true, colour::purple},      {problemLine, 120, 165, 29, true, colour::navy},
};

// The place-value chart's column heads, 千兆 to 一, all at top 153.
constexpr int headLefts[] = {122, 152, 184, 216, 248, 280, 312, 344, 376, 408, 440, 472, 504, 536, 568, 600};

// The place-value chart's group boxes (兆, 億, 万, ones) and the red separators between the
// groups of the number in digits (万/ones, 億/万, 兆/億).
const QRect chartBoxes[] = {{112, 144, 129, 105}, {238, 144, 133, 105}, {370, 144, 130, 105}, {498, 144, 132, 105}};
constexpr int separatorLefts[] = {407, 320, 232};
constexpr int firstBox = 1, lastBox = 4, firstSeparator = 5, lastSeparator = 7; // their Shape numbers
constexpr int separatorTop = 163;
constexpr int digitsRight = 497;       // the number in digits ends here, so the separators fall between its groups
constexpr qreal digitPitch = 87.0 / 4; // the separators stand one group of four digits apart
constexpr int chartPitch = 32;         // the column heads' spacing, which the sample digits follow

// The answer's nine places in units of 千万, 千兆 on the left.
constexpr int selectorTop = 280;
const SelectorDesign selectorDesigns[] = {
    {10, 684, u"千", 100'000'000, 0, 28}, {9, 712, u"百", 10'000'000, 0, 28}, {8, 740, u"十", 1'000'000, 0, 28},
    {7, 768, u"兆", 100'000, 0, 28},      {6, 796, u"千", 10'000, 0, 28},     {5, 824, u"百", 1'000, 0, 28},
    {4, 852, u"十", 100, 0, 28},          {3, 880, u"億", 10, 0, 28},         {2, 905, u"千", 1, 0, 28},
};
constexpr int placeSelector = 11, digitSelector = 12;
constexpr int restoreButton = 5;
constexpr int judgeItem = 6; // "◆" of the kanji place selector
const QString placeHeading = u"字"_s;
const QString digitHeading = u"数"_s;

const QString echoPrefix = u"入力："_s;
constexpr int echoRight = 820; // a long entry keeps its latest kanji in view, clear of the buttons

// Spaces the characters of `label` so that `unit` advances `pitch` pixels.
void setPitch(Label* label, const QString& unit, qreal pitch)
{
    QFont f = label->font();
    const qreal natural = QFontMetricsF(f).horizontalAdvance(unit);
    f.setLetterSpacing(QFont::AbsoluteSpacing, (pitch - natural) / unit.size());
    label->setFont(f);
}

} // namespace

// The frame facts: large numbers.
const FrameFacts& TForm2::frameFacts()
{
    static const FrameFacts f{
        .form = 2,
        .titles = {facts::chapterTitle(u"何千兆まで"_s)},
        .menu = facts::menu({u"数の表し方"_s, u"10、100倍"_s, u"10、100でわる"_s}),
        .prompt = facts::promptLine(u"Label2"_s, prompt::chooseMenuQuoted),
        .picture = u"Image1"_s,
        .blinkInterval = 1000,
        .promptAfterJudging = prompt::goOn,
        .quitQuestion = facts::mayQuit,
        .buttons = {facts::next(520), facts::restore(u"CuteButton5"_s, 840, 568), facts::mode(), facts::back(),
                    facts::quit()},
        .memoTop = std::nullopt,
    };
    return f;
}

TForm2::TForm2(QWidget* parent)
    : LessonScreen(frameFacts(), parent)
{
    // The boxes first, so the column heads are drawn over them.
    for (int i = 0; i < 4; ++i) {
        auto* box = new ChartBox(colour::white, this);
        box->setObjectName(u"Shape%1"_s.arg(firstBox + i));
        box->setGeometry(chartBoxes[i]);
    }
    const QStringList heads = placeValueChartHeads();
    for (int n = firstHead; n <= lastHead; ++n)
        addLabel(u"Label%1"_s.arg(n), heads[n - firstHead], headLefts[n - firstHead], 153, 16, true, colour::navy);
    addLabels(labelDesigns);
    // The sample digits stand under their column heads, the separators between digit groups.
    alignByCharacters(label(sample));
    alignByCharacters(label(digits));
    label(sample)->setText(placeValueChartSample());
    setPitch(label(sample), u"9 "_s, chartPitch);
    label(sample)->fit();
    setPitch(label(digits), u"0"_s, digitPitch);
    label(digits)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(digits)->setGeometry(120, 165, digitsRight - 120, label(digits)->height());
    setJudgeMark(label(mark));
    for (int i = 0; i < 3; ++i) {
        auto* bar = new Shape(colour::red, this);
        bar->setObjectName(u"Shape%1"_s.arg(firstSeparator + i));
        bar->setGeometry(separatorLefts[i], separatorTop, 2, 30);
    }

    addDigitSelectors(selectorDesigns, selectorTop);
    const std::tuple<int, int, QStringList> kanjiSelectors[] = {
        {placeSelector, 905, {u"兆"_s, u"億"_s, u"万"_s, u"千"_s, u"百"_s, u"十"_s, u"◆"_s}},
        {digitSelector, 880, {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s, u"六"_s, u"七"_s, u"八"_s, u"九"_s}},
    };
    for (const auto& [number, left, items] : kanjiSelectors) {
        auto* box = addDigitSelector(u"ComboBox%1"_s.arg(number), left, selectorTop, QString(), 28);
        box->setItems(items);
        box->list()->setSpacing(1); // kanji fill their whole square, so rows need air between them
    }
    screenReset();
}

void TForm2::screenReset()
{
    LessonScreen::screenReset();
    entry_.clear();
    kanjiJudged_ = false;
    for (int n = explanation; n <= problemLine; ++n)
        label(n)->hide();
    for (int n = firstBox; n <= lastSeparator; ++n)
        numbered<Shape>(this, u"Shape"_s, n)->hide();
    for (int n = 2; n <= digitSelector; ++n)
        selector(n)->hide();
    button(nextButton)->setEnabled(false);
    button(restoreButton)->setEnabled(false);
}

void TForm2::resetCountersOnShow()
{
    problem_ = {};
}

void TForm2::showStudy()
{
    Label* text = label(explanation);
    text->setText(largeNumberExplanation(subTopic()));
    if (subTopic() == 1) {
        for (int n = firstHead; n <= sample; ++n)
            label(n)->show();
        for (int n = firstBox; n <= lastBox; ++n)
            numbered<Shape>(this, u"Shape"_s, n)->show();
        text->move(text->x(), 321);
    } else {
        text->move(text->x(), 200);
    }
    text->show();
}

QString TForm2::menuChosen()
{
    problem_ = {};
    showStudy();
    return prompt::chooseMenu;
}

// Without a sub-topic there is nothing to pose, so the next button waits for a menu choice.
QString TForm2::testEntered()
{
    problem_ = {};
    const bool ready = subTopic() > 0;
    button(nextButton)->setEnabled(ready);
    return ready ? prompt::goOn : prompt::chooseMenu;
}

QString TForm2::studyEntered()
{
    problem_ = {};
    return prompt::chooseMenu;
}

// Reached only by a caller that bypasses the disabled button: put the explanation back.
QString TForm2::nextInStudy()
{
    if (subTopic() > 0) showStudy();
    return prompt::chooseMenu;
}

QString TForm2::nextInTest()
{
    if (subTopic() == 0) return prompt::chooseMenu;
    problem_ = drawLargeNumberProblem(subTopic());
    showProblem();
    selectorSetUp();
    button(restoreButton)->setEnabled(true);
    return largeNumberEntryPrompt(problem_);
}

// This screen's next button sounds like a digit choice, and its digits like the next button.
void TForm2::CuteButton4Click()
{
    screenReset();
    problemPosed();
    promptBlink(lessonMode() == Study ? nextInStudy() : nextInTest());
    playCue(cue::digit);
}

void TForm2::showProblem()
{
    if (problem_.subTopic == 1) {
        label(question)->setText(largeNumberQuestion(problem_));
        label(question)->show();
    }
    if (problem_.kanjiAnswer()) {
        label(digits)->setText(largeNumberProblemText(problem_));
        label(digits)->show();
        for (int n = firstSeparator; n <= lastSeparator; ++n) {
            Shape* bar = numbered<Shape>(this, u"Shape"_s, n);
            bar->raise();
            bar->show();
        }
        // Below 1兆 there is no 兆 group to set apart.
        if (problem_.answer < 100'000) numbered<Shape>(this, u"Shape"_s, lastSeparator)->hide();
    } else {
        label(problemLine)->setText(largeNumberProblemText(problem_));
        label(problemLine)->show();
    }
}

void TForm2::selectorSetUp()
{
    clearSelectors(selectorDesigns);
    for (const auto& [number, heading] :
         {std::pair{placeSelector, placeHeading}, std::pair{digitSelector, digitHeading}}) {
        selector(number)->setItemIndex(-1);
        selector(number)->setText(heading);
    }
    const bool kanji = problem_.kanjiAnswer();
    for (const SelectorDesign& s : selectorDesigns)
        selector(s.number)->setVisible(!kanji);
    selector(placeSelector)->setVisible(kanji);
    selector(digitSelector)->setVisible(kanji);
}

// The prompt is the one the next button set for this problem, so the child knows how to answer.
void TForm2::CuteButton5Click()
{
    if (problem_.subTopic == 0) return;
    screenReset();
    selectorSetUp();
    showProblem();
    promptBlink(largeNumberEntryPrompt(problem_));
    playCue(cue::digit);
}

void TForm2::ComboBox10Change()
{
    storePlace(10, cue::next);
}
void TForm2::ComboBox9Change()
{
    storePlace(9, cue::next);
}
void TForm2::ComboBox8Change()
{
    storePlace(8, cue::next);
}
void TForm2::ComboBox7Change()
{
    storePlace(7, cue::next);
}
void TForm2::ComboBox6Change()
{
    storePlace(6, cue::next);
}
void TForm2::ComboBox5Change()
{
    storePlace(5, cue::next);
}
void TForm2::ComboBox4Change()
{
    storePlace(4, cue::next);
}
void TForm2::ComboBox3Change()
{
    storePlace(3, cue::next);
}

void TForm2::ComboBox2Change()
{
    if (!takeDigit(2)) return;
    label(answer)->setText(largeNumberAnswerText(problem_));
    label(answer)->show();
    judge(largeNumberDigitsRight(problem_, entered().value()),
          answerFacts(largeNumberAnswer(problem_, entered().value())));
}

void TForm2::ComboBox12Change()
{
    const SimpleComboBox* box = selector(digitSelector);
    if (box->itemIndex() >= 0) appendKanji(box->items()[box->itemIndex()]);
}

void TForm2::ComboBox11Change()
{
    const SimpleComboBox* box = selector(placeSelector);
    if (box->itemIndex() == judgeItem) {
        // Judging empties the entry: a second "◆" must not turn the mark just earned into "×".
        if (kanjiJudged_ && entry_.isEmpty()) return;
        judgeKanji();
    } else if (box->itemIndex() >= 0) {
        appendKanji(box->items()[box->itemIndex()]);
    }
}

void TForm2::appendKanji(const QString& kanji)
{
    entry_ += kanji;
    Label* line = label(echo);
    const QFontMetrics metrics(line->font());
    const int room = echoRight - line->x() - metrics.horizontalAdvance(echoPrefix);
    line->setText(echoPrefix + metrics.elidedText(entry_, Qt::ElideLeft, room));
    line->show();
    playCue(cue::digit);
}

void TForm2::judgeKanji()
{
    label(answer)->setText(largeNumberAnswerText(problem_));
    label(answer)->show();
    const bool right = largeNumberKanjiRight(problem_, entry_);
    const AnswerFacts answer = answerFacts(entry_);
    entry_.clear();
    kanjiJudged_ = true;
    judge(right, answer);
}

AnswerFacts TForm2::answerFacts(const QString& given) const
{
    return {.problem = largeNumberProblem(problem_),
            .given = given,
            .expected = largeNumberAnswer(problem_, problem_.answer),
            .kind = largeNumberKind(problem_)};
}

// A kanji numeral is built kanji by kanji and has no fixed selector order; a number in digits has.
QList<QPair<int, int>> TForm2::answerKey() const
{
    if (problem_.subTopic == 0 || problem_.kanjiAnswer()) return {};
    return choicesFor(selectorDesigns, 0, problem_.answer);
}

} // namespace kazemaru
