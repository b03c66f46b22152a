#pragma once
// The division drill: the child picks a kind of division and a time limit, answers generated
// problems against the countdown, and sees the summary and the run's rows in the result grid.
#include "app/LessonScreen.h"
#include "lessons/division/DivisionDrill.h"

class QTableView;

namespace kazemaru {

class TDataModule1;

class TForm8 : public LessonScreen {
    Q_OBJECT
    Q_PROPERTY(int problemCounter READ problemCounter)
    Q_PROPERTY(int rightCount READ rightCount)
  public:
    // `data` keeps the run's rows in its table dorill.
    TForm8(TDataModule1* data, QWidget* parent);

    int timeLimit() const { return timeLimit_; }
    int countdownTicks() const { return ticks_; }
    int problemCounter() const { return problemCounter_; }
    int rightCount() const { return rightCount_; }
    bool running() const { return running_; }
    const DivisionDrillProblem& problem() const { return problem_; }

    QList<QPair<int, int>> answerKey() const override;

  public Q_SLOTS:
    void ComboBox1Change() override;  // menu: the kind of division
    void ComboBox2Change();           // time selector
    void CuteButton3Click() override; // "スタート"
    void CuteButton4Click() override; // "つぎへ"
    void CuteButton5Click();          // "ストップ"
    void CuteButton6Click() override; // "けっか"
    void ComboBox3Change();           // remainder ones: records the answer
    void ComboBox4Change();
    void ComboBox5Change();
    void ComboBox6Change();
    void ComboBox7Change();
    void ComboBox8Change();
    void Timer3Timer(); // countdown

  protected:
    void screenReset() override;
    void hideEvent(QHideEvent* event) override;

  private:
    void newProblem();
    void selectorSetUp();
    void endRun();
    void abandonRun();
    void setSelectorsEnabled(bool on);

    TDataModule1* data_;
    SimpleComboBox* timeSelector_ = nullptr;
    QTableView* grid_ = nullptr;
    QTimer* timer3_ = nullptr;

    int timeLimit_ = 0;  // seconds; 0 = no limit
    int ticks_ = 0;      // countdown ticks of the current run
    qint64 startMs_ = 0; // monotonic clock at "スタート"
    int problemCounter_ = 0;
    int rightCount_ = 0;
    bool running_ = false; // from "スタート" until the run ends or is abandoned
    DivisionDrillProblem problem_;
};

} // namespace kazemaru
