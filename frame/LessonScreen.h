#pragma once
// What every lesson screen shares: lesson mode and mode button, sub-topic from the menu, the
// blinking prompt line, the clock, back and quit, point memo, digit places, the judge mark and the
// report of every judged answer.
#include "data/LearningRecord.h"
#include "frame/AnswerFacts.h"
#include "frame/CuePlayer.h"
#include "frame/FrameFacts.h"
#include "frame/PlaceValue.h"
#include "frame/PromptBlink.h"
#include "frame/widgets/Factory.h"

#include <QDialog>
#include <QHash>
#include <span>

class QPlainTextEdit;
class QTimer;

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

enum LessonMode { Study = 1, Test = 2 };

// One label of a screen's widget table: LabelN at (left, top).
struct LabelDesign {
    int number;
    int left;
    int top;
    int pixelSize;
    bool bold;
    QColor colour;
};

// One digit selector of a screen's widget table: ComboBoxN at left, with its heading, the place
// it enters (weight 1, 10, 100, …) and which of the screen's entered numbers that place belongs
// to (0, or 1 for a second number such as a remainder).
struct SelectorDesign {
    int number;
    int left;
    const char16_t* heading;
    int weight = 1;
    int part = 0;
    int width = 25;
};

class LessonScreen : public QDialog {
    Q_OBJECT
  public:
    LessonScreen(const FrameFacts& facts, QWidget* parent);

    const FrameFacts& facts() const { return facts_; }
    int lessonMode() const { return mode_; }
    int subTopic() const { return subTopic_; }

    // The number entered in part 0 or 1 of the declared selectors since the last screen reset.
    const PlaceValue& entered(int part = 0) const { return entered_[part == 0 ? 0 : 1]; }

    // Runs a handler by name at the handler boundary: an unexpected error is shown in a box and the
    // screen stays usable.
    void invokeHandler(const char* name);

  public Q_SLOTS:
    virtual void FormCreate();       // show handler, on every showing
    virtual void ComboBox1Change();  // menu
    virtual void CuteButton3Click(); // mode button
    virtual void CuteButton4Click(); // next button
    virtual void CuteButton6Click(); // point button
    void CuteButton2Click();         // back
    void CuteButton1Click();         // quit
    void Timer1Timer();              // clock
    void Timer2Timer();              // prompt blink

  Q_SIGNALS:
    void quitRequested();
    // Every judgement in test mode and every answer of a drill, with every field but uid and
    // childUid, which the receiver gives it.
    void answerJudged(const kazemaru::AnswerRecord& answer);

  protected:
    // The selector choices (selector number, digit) that answer the posed problem correctly, in an
    // order the screen accepts, the judging choice last; empty while nothing is posed. Only the tests
    // ask (test::Probe): it lets them play a child who knows the answer without knowing the screen.
    virtual QList<QPair<int, int>> answerKey() const { return {}; }

    // The frame's buttons, where a screen has them: CuteButton1 …
    static constexpr int quitButton = 1, backButton = 2, modeButton = 3, nextButton = 4, pointButton = 6;

    // Per-lesson parts of the frame's handlers. Each returns the prompt to blink where it has one.
    virtual void screenReset();
    virtual void resetCountersOnShow() {}
    virtual bool nextEnabledOnShow() const { return false; }
    virtual QString openingPrompt() const { return facts_.prompt.text; }
    virtual QString menuChosen(); // after the sub-topic is set
    // The mode button switched to test or study mode; a null prompt leaves the prompt line alone.
    virtual QString testEntered();
    virtual QString studyEntered();
    virtual QString nextInStudy(); // the next button in study mode
    virtual QString nextInTest();  // the next button in test mode

    // Frame operations the lessons call.
    void setLessonMode(int mode);
    void setSubTopic(int subTopic) { subTopic_ = subTopic; }
    void setOverlay(bool on) { overlay_ = on; }
    bool overlay() const { return overlay_; }
    void promptBlink(const QString& text);
    // A problem is shown to be answered: its seconds count from now, and its tries from 1.
    void problemPosed();
    // Judge mark, cue 14 or 13, next button enabled, prompt after judging; in test mode the answer
    // is reported.
    void judge(bool right, const AnswerFacts& answer);
    // Reports a judged answer whatever the lesson mode: a drill's answers are all tests.
    void reportAnswer(bool right, const AnswerFacts& answer);
    // In study mode, a menu item that has no test says so in a notice; true when it did.
    bool refusesTest();
    // Takes the digit chosen in declared selector `number` into its place of the entered number;
    // false when nothing is chosen. storePlace also plays the digit cue.
    bool takeDigit(int number);
    void storePlace(int number, int cue = cue::digit);
    void setJudgeMark(Label* mark);
    // pixelSize > 0: a hand of that size instead of the frame's.
    void setMemoLines(const QStringList& lines, const QRect& geometry, int pixelSize = 0);

    // Connects a widget's event to the handler named after it ("CuteButton5" → CuteButton5Click,
    // "ComboBox2" → ComboBox2Change), looked up by name when the event comes.
    void wire(QWidget* widget);
    void wireTimer(QTimer* timer); // "Timer3" → Timer3Timer
    Label* addLabel(const QString& name, const QString& text, int left, int top, int pixelSize, bool bold,
                    const QColor& colour);
    SimpleComboBox* addDigitSelector(const QString& name, int left, int top, const QString& heading, int width = 25,
                                     int height = 225);
    CuteButton* addButton(const ButtonFact& fact);
    // A drop-down menu with its field text, wired to its handler.
    SimpleComboBox* addMenu(const MenuFact& menu);
    void addLabels(std::span<const LabelDesign> table);
    // The choices that enter `value` in the selectors of `table` that belong to `part`, in table order.
    static QList<QPair<int, int>> choicesFor(std::span<const SelectorDesign> table, int part, int value);
    // Adds and declares the selectors of `table` (hidden until the screen shows them).
    void addDigitSelectors(std::span<const SelectorDesign> table, int top);
    void hideSelectors(std::span<const SelectorDesign> table);
    // The selectors of `table` list their 7 with an ideographic space after it, shown whole.
    void spaceTheSevens(std::span<const SelectorDesign> table);
    // No item chosen and the heading in the field again, as a new answer begins.
    void clearSelectors(std::span<const SelectorDesign> table);

    CuteButton* button(int n) const;
    SimpleComboBox* selector(int n) const;
    Label* label(int n) const;
    SimpleComboBox* menu() const { return menu_; }
    Label* prompt() const { return prompt_; }
    Label* judgeMark() const { return judgeMark_; }
    QPlainTextEdit* memo() const { return memo_; }

    void showEvent(QShowEvent* event) override;

    static QString pendingPrompt();

  private:
    FrameFacts facts_;
    int mode_ = Study;
    int subTopic_ = 0;
    bool overlay_ = false;
    QHash<QString, SelectorDesign> declared_; // by selector name
    QList<QByteArray> wired_;                 // the handler names of the wired widgets
    PlaceValue entered_[2];
    SimpleComboBox* menu_ = nullptr;
    Label* prompt_ = nullptr;
    Label* judgeMark_ = nullptr;
    bool hasModeButton_ = false;
    QPlainTextEdit* memo_ = nullptr;
    StatusBar* status_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    PromptBlink blink_{nullptr, nullptr};
    qint64 posedMs_ = 0; // the monotonic clock when the current problem was posed
    int tries_ = 0;      // judgements reported since then

    friend struct test::Probe; // the tests read these; the program never needs them
    // The place contribution stored by a digit selector since the last screen reset (0 if none).
    int contribution(const QString& selector) const;
    // The handlers that wired widgets name but the screen lacks ("CuteButton5Click"); empty when
    // every wired widget has its handler.
    QStringList missingHandlers() const;
};

} // namespace kazemaru
