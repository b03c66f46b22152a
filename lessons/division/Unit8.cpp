#include "lessons/division/Unit8.h"

#include "app/Clock.h"
#include "app/CuePlayer.h"
#include "app/Dialogs.h"
#include "data/untDTM.h"

#include <QHideEvent>
#include <QTableView>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

struct LabelRow {
    const char16_t* name;
    int left, top, pixelSize;
    bool bold;
};

// The problem number, the problem line and the four summary lines; all navy, empty at first.
constexpr LabelRow labelTable[] = {
    {u"Label3", 176, 144, 27, true}, {u"Label4", 176, 200, 40, false}, {u"Label5", 192, 352, 19, true},
    {u"Label6", 192, 384, 19, true}, {u"Label7", 192, 416, 19, true},  {u"Label8", 192, 448, 19, true},
};

// Quotient hundreds, tens, ones, then remainder hundreds, tens, ones (あ ま り), left to right.
const SelectorDesign selectorTable[] = {
    {8, 728, u"商", 100, 0, 31}, {7, 760, u"商", 10, 0, 31}, {6, 792, u"商", 1, 0, 31},
    {5, 832, u"あ", 100, 1, 31}, {4, 864, u"ま", 10, 1, 31}, {3, 896, u"り", 1, 1, 31},
};
constexpr int selectorTop = 280;

const QString timeField = u"    時間"_s;
const QString answerPrompt =
    u"商 と あまり を、大きい位から じゅんに えらんでね！\nあまりなしでも ０ を えらんでね！"_s;
const QString wellDone = u"おつかれさま！"_s;

QString str(const char16_t* s)
{
    return QString::fromUtf16(s);
}

} // namespace

TForm8::TForm8(TDataModule1* data, QWidget* parent)
    : LessonScreen(8, parent)
    , data_(data)
{
    for (const LabelRow& l : labelTable)
        addLabel(str(l.name), QString(), l.left, l.top, l.pixelSize, l.bold, colour::navy);

    timeSelector_ = new SimpleComboBox({u"　　なし"_s, u"　５ふん"_s, u"１０ぷん"_s, u"１５ふん"_s}, this);
    timeSelector_->setObjectName(u"ComboBox2"_s);
    timeSelector_->setGeometry(840, 152, 90, 121);
    timeSelector_->setText(timeField);
    wire(timeSelector_);

    addDigitSelectors(selectorTable, selectorTop);
    for (const SelectorDesign& s : selectorTable)
        selector(s.number)->show();

    grid_ = new QTableView(this);
    grid_->setObjectName(u"DBGrid1"_s);
    grid_->setGeometry(150, 112, 619, 401);
    grid_->hide();
    if (data_) data_->bindGrid(grid_, DrillTable::Division);

    auto* bar = new StatusBar({}, this);
    bar->setObjectName(u"StatusBar2"_s);
    bar->setGeometry(0, height() - 44, width(), 22);

    timer3_ = new QTimer(this);
    timer3_->setObjectName(u"Timer3"_s);
    timer3_->setInterval(1000);
    wireTimer(timer3_);

    screenReset();
}

void TForm8::setSelectorsEnabled(bool on)
{
    for (const SelectorDesign& s : selectorTable)
        selector(s.number)->setEnabled(on);
}

void TForm8::screenReset()
{
    LessonScreen::screenReset();
    for (int n = 3; n <= 8; ++n)
        label(n)->setText(QString());
    for (int n = 3; n <= 6; ++n)
        button(n)->setEnabled(false);
    timeSelector_->setEnabled(false);
    setSelectorsEnabled(false);
    grid_->hide();
    setOverlay(false);
}

// A run left behind stops: its countdown must not end it over another screen later.
void TForm8::abandonRun()
{
    timer3_->stop();
    running_ = false;
}

void TForm8::hideEvent(QHideEvent* event)
{
    LessonScreen::hideEvent(event);
    if (!event->spontaneous()) abandonRun();
}

void TForm8::ComboBox1Change()
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

void TForm8::ComboBox2Change()
{
    const int index = timeSelector_->itemIndex();
    if (index < 0) return;
    screenReset();
    timeLimit_ = drillTimeLimit(index);
    button(3)->setEnabled(true);
    promptBlink(u"「スタート」ボタンをおしてね！"_s);
    playCue(cue::digit);
}

void TForm8::newProblem()
{
    screenReset();
    ++problemCounter_;
    label(3)->setText(divisionDrillNumberText(problemCounter_));
    problem_ = drawDivisionDrillProblem(subTopic());
    label(4)->setText(divisionDrillQuestionText(problem_));
}

void TForm8::selectorSetUp()
{
    setSelectorsEnabled(true);
    clearSelectors(selectorTable);
}

void TForm8::CuteButton3Click()
{
    abandonRun(); // a countdown still running must not end the new run
    screenReset();
    startMs_ = monotonicMs();
    rightCount_ = 0;
    problemCounter_ = 0;
    running_ = true;
    newProblem();
    selectorSetUp();
    if (data_)
        data_->clear(DrillTable::Division);
    else
        reportError(u"ドリルの きろくを しまう ところが ありません。"_s);
    playCue(cue::choice);
    if (timeLimit_ > 0) {
        ticks_ = 0;
        timer3_->start();
    }
    promptBlink(answerPrompt);
    playCue(cue::next);
}

void TForm8::ComboBox8Change()
{
    storePlace(8);
}
void TForm8::ComboBox7Change()
{
    storePlace(7);
}
void TForm8::ComboBox6Change()
{
    storePlace(6);
}
void TForm8::ComboBox5Change()
{
    storePlace(5);
}
void TForm8::ComboBox4Change()
{
    storePlace(4);
}

void TForm8::ComboBox3Change()
{
    if (!takeDigit(3)) return;
    const int quotient = entered(0).value();
    const int remainder = entered(1).value();
    // One answer per problem: the selectors stay off until the next problem.
    setSelectorsEnabled(false);
    if (divisionDrillRight(problem_, quotient, remainder)) ++rightCount_;
    // A store error is shown in its box; the answer still counts and the run goes on.
    const QVariantList row = divisionDrillRow(problemCounter_, problem_, quotient, remainder);
    if (data_)
        data_->appendRow(DrillTable::Division, row);
    else
        reportError(u"ドリルの きろくを しまう ところが ありません。"_s);
    button(4)->setEnabled(true);
    button(5)->setEnabled(true);
    promptBlink(u"「つぎへ」ボタンですすめてね！"_s);
    playCue(cue::choice);
}

void TForm8::CuteButton4Click()
{
    newProblem();
    selectorSetUp();
    playCue(cue::next);
    promptBlink(answerPrompt);
}

// The summary of the run, and the screen as "ストップ" leaves it: a new run or the results.
void TForm8::endRun()
{
    const qint64 elapsed = (monotonicMs() - startMs_) / 1000;
    label(3)->setText(QString());
    label(4)->setText(QString());
    const DrillSummary s = drillSummary(problemCounter_, rightCount_, elapsed);
    label(5)->setText(s.problems);
    label(6)->setText(s.rights);
    label(7)->setText(s.score);
    label(8)->setText(s.time);
    abandonRun();
    button(3)->setEnabled(true);
    button(4)->setEnabled(false);
    button(5)->setEnabled(false);
    button(6)->setEnabled(true);
    setSelectorsEnabled(false);
    promptBlink(wellDone);
    playCue(cue::stop);
}

void TForm8::CuteButton5Click()
{
    endRun();
}

void TForm8::Timer3Timer()
{
    // A tick that arrives after the countdown was stopped, or in a run without a limit, is void.
    if (!timer3_->isActive() || !running_ || timeLimit_ <= 0) return;
    if (++ticks_ < timeLimit_) return;
    timer3_->stop();
    showDialog(DialogKind::Information, u"時間だから、ドリルを終わるよ！"_s);
    if (running_) endRun(); // unless the screen was left while the box was open
}

void TForm8::CuteButton6Click()
{
    if (overlay()) {
        setOverlay(false);
        grid_->hide();
        promptBlink(wellDone);
    } else {
        setOverlay(true);
        grid_->move(150, 112);
        grid_->show();
        grid_->raise();
        timer3_->stop();
        promptBlink(u"もういちど「けっか」ボタンをおすと、きえるよ！"_s);
    }
}

QList<QPair<int, int>> TForm8::answerKey() const
{
    if (!running_ || problem_.divisor == 0) return {};
    return choicesFor(selectorTable, 0, problem_.quotient()) + choicesFor(selectorTable, 1, problem_.remainder());
}

} // namespace kazemaru
