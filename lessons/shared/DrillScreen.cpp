#include "lessons/shared/DrillScreen.h"

#include "frame/Clock.h"
#include "frame/CuePlayer.h"
#include "frame/Dialogs.h"
#include "frame/Prompts.h"

#include <QHideEvent>
#include <QTableView>
#include <QTimer>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// The problem number, the problem line and the four summary lines; all navy, empty at first.
constexpr int problemNumber = 3, problemLine = 4, problemsLine = 5, rightsLine = 6, scoreLine = 7, timeLine = 8;
const LabelDesign labelTable[] = {
    {problemNumber, 176, 144, 27, true, colour::navy}, {problemLine, 176, 200, 40, false, colour::navy},
    {problemsLine, 192, 352, 19, true, colour::navy},  {rightsLine, 192, 384, 19, true, colour::navy},
    {scoreLine, 192, 416, 19, true, colour::navy},     {timeLine, 192, 448, 19, true, colour::navy},
};

// The drill's own buttons; next is the frame's.
constexpr int startButton = 3, stopButton = 5, resultsButton = 6;

const QString timeField = u"    時間"_s;
const QString wellDone = u"おつかれさま！"_s;

} // namespace

QList<ButtonFact> drillButtons()
{
    using namespace facts;
    using namespace colour;
    return {button(u"CuteButton3"_s, u"スタート"_s, 736, 520, skyBlue, navy),
            next(520),
            button(u"CuteButton5"_s, u"ストップ"_s, 736, 568, stopGreen, navy),
            button(u"CuteButton6"_s, u"けっか"_s, 840, 568, resultGreen, navy),
            quit(736),
            back(840)};
}

DrillScreen::DrillScreen(const FrameFacts& facts, const DrillDesign& design, TDataModule1* data, QWidget* parent)
    : LessonScreen(facts, parent)
    , design_(design)
    , data_(data)
    , recorder_(data, design.table)
{
    addLabels(labelTable);
    storeNote_ = addLabel(u"StoreNote"_s, QString(), 192, 480, 16, true, colour::maroon);

    timeSelector_ = addMenu({.name = u"ComboBox2"_s,
                             .field = timeField,
                             .items = {u"　　なし"_s, u"　５ふん"_s, u"１０ぷん"_s, u"１５ふん"_s},
                             .left = 840,
                             .top = 152,
                             .width = 90,
                             .height = 121});

    addDigitSelectors(design_.selectors, design_.selectorTop);
    for (const SelectorDesign& s : design_.selectors)
        selector(s.number)->show();

    grid_ = new QTableView(this);
    grid_->setObjectName(u"DBGrid1"_s);
    grid_->setGeometry(design_.grid);
    grid_->hide();
    alignByCharacters(grid_); // its "○" and "×" alike, in the Japanese face
    if (data_) data_->bindGrid(grid_, design_.table);

    if (design_.emptyStatusBar) {
        auto* bar = new StatusBar({}, this);
        bar->setObjectName(u"StatusBar2"_s);
        bar->setGeometry(0, height() - 44, width(), 22);
    }

    timer3_ = new QTimer(this);
    timer3_->setObjectName(u"Timer3"_s);
    timer3_->setInterval(1000);
    wireTimer(timer3_);

    screenReset();
}

void DrillScreen::setSelectorsEnabled(bool on)
{
    for (const SelectorDesign& s : design_.selectors)
        selector(s.number)->setEnabled(on && selectorInUse(s.number));
}

void DrillScreen::screenReset()
{
    LessonScreen::screenReset();
    for (const LabelDesign& l : labelTable)
        label(l.number)->setText(QString());
    storeNote_->setText(QString());
    for (int n : {startButton, nextButton, stopButton, resultsButton})
        button(n)->setEnabled(false);
    timeSelector_->setEnabled(false);
    setSelectorsEnabled(false);
    showGrid(false);
    setOverlay(false);
}

// What the grid would cut through stays out of sight while it is open: the answer's selectors as
// a row, and the problem and summary lines; they come back when it closes.
void DrillScreen::showGrid(bool on)
{
    const QRect area = design_.grid;
    bool selectorsCovered = false;
    for (const SelectorDesign& s : design_.selectors)
        selectorsCovered = selectorsCovered || selector(s.number)->geometry().intersects(area);
    for (const SelectorDesign& s : design_.selectors)
        selector(s.number)->setVisible(!(on && selectorsCovered));
    QList<QWidget*> lines{storeNote_};
    for (const LabelDesign& l : labelTable)
        lines.append(label(l.number));
    for (QWidget* line : lines)
        line->setVisible(!(on && line->geometry().intersects(area)));
    grid_->setVisible(on);
    if (!on) return;
    grid_->raise();
    // The menu stays whole where the grid reaches under it: the child may choose again.
    if (menu()->geometry().intersects(area)) menu()->raise();
}

// A run left behind stops: its countdown must not end it over another screen later.
void DrillScreen::abandonRun()
{
    recordRun(RunEnd::Abandoned);
    timer3_->stop();
    running_ = false;
}

// Keeps the run that ends in the history, once: a run with no answer is not kept.
void DrillScreen::recordRun(RunEnd how)
{
    if (!running_ || answered_ == 0) return;
    running_ = false;
    DrillRunRecord run;
    run.started = started_;
    run.drill = facts().form;
    run.subTopic = subTopic();
    if (mostPlaces_ > 0)
        run.places = fewestPlaces_ == mostPlaces_ ? QString::number(mostPlaces_)
                                                  : u"%1・%2"_s.arg(fewestPlaces_).arg(mostPlaces_);
    run.timeLimit = timeLimit_;
    run.problems = problemCounter_;
    run.rights = rightCount_;
    run.score = drillScore(problemCounter_, rightCount_);
    run.seconds = int(std::max<qint64>((monotonicMs() - startMs_) / 1000, 0));
    run.ending = how;
    showStoreError(recorder_.firstOfRun(data_ ? data_->tryRecordRun(run) : StoreError()));
}

void DrillScreen::hideEvent(QHideEvent* event)
{
    LessonScreen::hideEvent(event);
    if (!event->spontaneous()) abandonRun();
}

void DrillScreen::showStoreError(const StoreError& error)
{
    // Shown in its box, once a run; the answer still counts and the run goes on.
    if (error)
        reportError(*error +
                    u"\nドリルは このまま つづけられます（この おしらせは、ドリルが おわるまで もう でません）。"_s);
}

void DrillScreen::ComboBox1Change()
{
    const int index = menu()->itemIndex();
    if (index < 0) return;
    abandonRun();
    screenReset();
    setSubTopic(index + 1);
    timeSelector_->setEnabled(true);
    timeSelector_->setItemIndex(-1);
    timeSelector_->setText(timeField);
    promptBlink(u"「時間」をえらんでね！"_s);
    playCue(cue::digit);
}

void DrillScreen::ComboBox2Change()
{
    const int index = timeSelector_->itemIndex();
    if (index < 0) return;
    screenReset();
    timeLimit_ = drillTimeLimit(index);
    button(startButton)->setEnabled(true);
    promptBlink(u"「スタート」ボタンをおしてね！"_s);
    playCue(cue::digit);
}

void DrillScreen::newProblem()
{
    screenReset();
    problemPosed();
    ++problemCounter_;
    label(problemNumber)->setText(drillNumberText(problemCounter_));
    label(problemLine)->setText(poseProblem());
    if (const int places = problemPlaces(); places > 0) {
        fewestPlaces_ = fewestPlaces_ > 0 ? std::min(fewestPlaces_, places) : places;
        mostPlaces_ = std::max(mostPlaces_, places);
    }
}

void DrillScreen::selectorSetUp()
{
    setSelectorsEnabled(true);
    clearSelectors(design_.selectors);
    selectorsSetUp();
}

void DrillScreen::CuteButton3Click()
{
    abandonRun(); // a countdown still running must not end the new run
    startMs_ = monotonicMs();
    rightCount_ = 0;
    problemCounter_ = 0;
    started_ = currentDateTime();
    answered_ = 0;
    fewestPlaces_ = mostPlaces_ = 0;
    running_ = true;
    newProblem();
    selectorSetUp();
    showStoreError(recorder_.start());
    playCue(cue::choice);
    if (timeLimit_ > 0) {
        ticks_ = 0;
        timer3_->start();
    }
    promptBlink(design_.answerPrompt);
    playCue(cue::next);
}

void DrillScreen::digitChosen(int number)
{
    if (!recordsAnswer(number)) {
        storePlace(number);
        return;
    }
    if (!takeDigit(number)) return;
    // One answer per problem: the selectors stay off until the next problem.
    setSelectorsEnabled(false);
    const DrillAnswer answer = judgeAnswer();
    if (answer.right) ++rightCount_;
    ++answered_;
    showStoreError(recorder_.record(answer.row));
    button(nextButton)->setEnabled(true);
    button(stopButton)->setEnabled(true);
    promptBlink(prompt::goOnTight);
    playCue(cue::choice);
    reportAnswer(answer.right, answer.facts);
}

void DrillScreen::CuteButton4Click()
{
    newProblem();
    selectorSetUp();
    playCue(cue::next);
    promptBlink(design_.nextPrompt);
}

// The summary of the run, and the screen as "ストップ" leaves it: a new run or the results.
void DrillScreen::endRun(RunEnd how)
{
    recordRun(how);
    const qint64 elapsed = (monotonicMs() - startMs_) / 1000;
    label(problemNumber)->setText(QString());
    label(problemLine)->setText(QString());
    const DrillSummary s = drillSummary(problemCounter_, rightCount_, elapsed);
    label(problemsLine)->setText(s.problems);
    label(rightsLine)->setText(s.rights);
    label(scoreLine)->setText(s.score);
    label(timeLine)->setText(s.time);
    abandonRun();
    showStoreError(recorder_.flush());
    storeNote_->setText(recorder_.unsavedText());
    button(startButton)->setEnabled(true);
    button(nextButton)->setEnabled(false);
    button(stopButton)->setEnabled(false);
    button(resultsButton)->setEnabled(true);
    setSelectorsEnabled(false);
    promptBlink(wellDone);
    playCue(cue::stop);
}

void DrillScreen::CuteButton5Click()
{
    endRun(RunEnd::Stopped);
}

void DrillScreen::Timer3Timer()
{
    // A tick that arrives after the countdown was stopped, or in a run without a limit, is void.
    if (!timer3_->isActive() || !running_ || timeLimit_ <= 0) return;
    if (++ticks_ < timeLimit_) return;
    timer3_->stop();
    showDialog(DialogKind::Information, u"時間だから、ドリルを終わるよ！"_s);
    if (running_) endRun(RunEnd::TimeUp); // unless the screen was left while the box was open
}

void DrillScreen::CuteButton6Click()
{
    if (overlay()) {
        setOverlay(false);
        showGrid(false);
        promptBlink(wellDone);
    } else {
        setOverlay(true);
        grid_->move(design_.grid.topLeft());
        showGrid(true);
        timer3_->stop();
        promptBlink(u"もういちど「けっか」ボタンをおすと、きえるよ！"_s);
    }
}

} // namespace kazemaru
