#pragma once
// The timed drill run every drill screen shares. The child picks a kind of problem and a time
// limit, presses "スタート", answers one generated problem after another in the digit selectors
// (one answer per problem, each stored as a row of the drill's table), and ends the run with
// "ストップ" or when the countdown runs out; the summary then shows the count, the right answers,
// the score and the time, and "けっか" lays the run's rows over the problem area.
// A drill supplies what differs: its table, selectors, grid place and prompts as a DrillDesign,
// and its problems through the hooks below.
#include "data/untDTM.h"
#include "frame/LessonScreen.h"
#include "lessons/shared/DrillRecorder.h"
#include "lessons/shared/DrillRun.h"

#include <QRect>
#include <QVariantList>

class QTableView;

namespace kazemaru {

struct DrillDesign {
    DrillTable table;
    std::span<const SelectorDesign> selectors; // the answer's digit selectors, ComboBox3 … ComboBox8
    int selectorTop;
    QRect grid;           // the result grid where "けっか" shows it
    QString answerPrompt; // blinked when "スタート" poses the first problem
    QString nextPrompt;   // blinked when "つぎへ" poses the next one
    bool emptyStatusBar;  // an empty status bar above the clock's
};

// The drills' button block: start, next, stop and results beside the back and quit buttons,
// which swap places there.
QList<ButtonFact> drillButtons();

// A judged answer: right or not, the row it adds to the drill's table, values by field position,
// and the answer in the drill's own words for the record of every answer.
struct DrillAnswer {
    bool right;
    QVariantList row;
    AnswerFacts facts = {};
};

class DrillScreen : public LessonScreen {
    Q_OBJECT
    Q_PROPERTY(int problemCounter READ problemCounter)
    Q_PROPERTY(int rightCount READ rightCount)
  public:
    // `data` keeps the run's rows in the design's table.
    DrillScreen(const FrameFacts& facts, const DrillDesign& design, TDataModule1* data, QWidget* parent);

  public Q_SLOTS:
    void ComboBox1Change() override;  // menu: the kind of problem
    void ComboBox2Change();           // time selector
    void CuteButton3Click() override; // "スタート"
    void CuteButton4Click() override; // "つぎへ"
    void CuteButton5Click();          // "ストップ"
    void CuteButton6Click() override; // "けっか"
    void Timer3Timer();               // countdown
    // The digit selectors; the drill's design says which of them it has.
    void ComboBox3Change() { digitChosen(3); }
    void ComboBox4Change() { digitChosen(4); }
    void ComboBox5Change() { digitChosen(5); }
    void ComboBox6Change() { digitChosen(6); }
    void ComboBox7Change() { digitChosen(7); }
    void ComboBox8Change() { digitChosen(8); }

  protected:
    int problemCounter() const { return problemCounter_; }
    bool running() const { return running_; } // from "スタート" until the run ends or is abandoned

    // Draws the next problem of the current sub-topic and gives its problem line ("50 ÷ 7 = ?").
    virtual QString poseProblem() = 0;
    // Whether the current problem uses selector ComboBox`number`; unused ones stay disabled.
    virtual bool selectorInUse(int /*number*/) const { return true; }
    // Whether a choice in ComboBox`number` completes the answer; other choices enter their digit.
    virtual bool recordsAnswer(int number) const = 0;
    // Judges what the selectors entered (entered(0), entered(1)) against the current problem.
    virtual DrillAnswer judgeAnswer() const = 0;
    // After the selectors are enabled and cleared for a new problem.
    virtual void selectorsSetUp() {}
    // The decimal places of the posed problem, kept in the run history; 0 where a drill has none.
    virtual int problemPlaces() const { return 0; }

    void screenReset() override;
    void hideEvent(QHideEvent* event) override;

  private:
    void digitChosen(int number);
    void newProblem();
    void selectorSetUp();
    void endRun(RunEnd how);
    void recordRun(RunEnd how);
    void abandonRun();
    void setSelectorsEnabled(bool on);
    void showGrid(bool on);
    void showStoreError(const StoreError& error);

    DrillDesign design_;
    TDataModule1* data_;
    DrillRecorder recorder_;
    SimpleComboBox* timeSelector_ = nullptr;
    Label* storeNote_ = nullptr; // under the summary: answers the store could not take
    QTableView* grid_ = nullptr;
    QTimer* timer3_ = nullptr;

    int timeLimit_ = 0;  // seconds; 0 = no limit
    int ticks_ = 0;      // countdown ticks of the current run
    qint64 startMs_ = 0; // monotonic clock at "スタート"
    int problemCounter_ = 0;
    int rightCount_ = 0;
    bool running_ = false; // from "スタート" until the run ends or is abandoned
    // What the run history keeps beyond the counters.
    QDateTime started_;
    int answered_ = 0;
    int fewestPlaces_ = 0, mostPlaces_ = 0;

    friend struct test::Probe; // the tests read these; the program never needs them
    int rightCount() const { return rightCount_; }
    int timeLimit() const { return timeLimit_; }
};

} // namespace kazemaru
