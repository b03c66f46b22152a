#pragma once
// What the written calculations share — the long divisions and the decimal columns: worked
// examples walked with the step button, and test problems whose answer the child enters through
// digit selectors, each choice judging the answer or setting up the next selectors.
#include "frame/LessonScreen.h"
#include "lessons/shared/StepProtocol.h"
#include "lessons/shared/WrittenEntry.h"

#include <QRect>
#include <QStringList>
#include <memory>

namespace kazemaru {

struct WrittenDesign {
    std::span<const LabelDesign> labels; // the problem line, the step text and the judge mark
    int judgeMark = 0;                   // its label number
    std::span<const SelectorDesign> selectors;
    int selectorTop = 0;
    QString stepPrompt;      // once the next button has posed an example
    bool walksAgain = false; // after its last step an example can be walked again at once
    QStringList memoLines;
    QRect memoGeometry;
    int memoPixelSize = 0; // 0: the frame's
};

class WrittenScreen : public LessonScreen {
    Q_OBJECT
  public:
    WrittenScreen(const FrameFacts& facts, const WrittenDesign& design, QWidget* parent);
    ~WrittenScreen() override;

    // The labels every written calculation has.
    static constexpr int problemLine = 4, stepText = 5;

  public Q_SLOTS:
    void CuteButton5Click(); // step button

  protected:
    static constexpr int stepButton = 5;

    // What a kind of written calculation supplies.
    virtual std::unique_ptr<written::StepWalk> makeWalk() = 0; // the next example, its problem line shown
    virtual std::unique_ptr<written::Entry> makeEntry() = 0;   // a test problem drawn and laid out
    virtual void showFigure() = 0;                             // the figure as the walk or the entry left it
    virtual QString answeredLine() const = 0;                  // the problem line once the answer is judged
    virtual AnswerFacts judgedAnswer() const = 0;              // the judged answer, for the record
    virtual void selectorSetUp(unsigned open) = 0;             // the selectors for the next choice
    // What the child must choose before anything can be posed; empty once a problem can be.
    virtual QString missingChoice() const;

    // A choice's outcome: the judged answer (answer line, selectors off, the mark) or the next
    // selectors, prompt and digit cue.
    void apply(const written::EntryOutcome& out);

    void screenReset() override;
    QString nextInStudy() override;
    QString nextInTest() override;

    std::span<const SelectorDesign> selectorDesigns() const { return design_.selectors; }

    std::unique_ptr<written::StepWalk> walk_;
    std::unique_ptr<written::Entry> entry_;

  private:
    WrittenDesign design_;

    friend struct test::Probe; // the tests read these; the program never needs them
    int stepCounter() const { return walk_ ? walk_->step() : 0; }
};

} // namespace kazemaru
