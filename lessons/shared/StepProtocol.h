#pragma once
// The step button of a worked example: each press shows one numbered step, names the next one in
// the button's caption, and at the last step gives the answer and hands over to the next button.
#include <QString>

class QAbstractButton;

namespace kazemaru {
class Label;
}

namespace kazemaru::written {

// What one press of the step button shows.
struct StepShown {
    QString text;      // the numbered explanation
    QString caption;   // the step button's next caption
    QString answer;    // the problem line with its answer, when the calculation is complete
    bool ends = false; // the example ends with this step
};

// The step button's caption that names step n (1 … 5).
QString stepCaption(int n);

// A worked example walked one step at a time.
class StepWalk {
  public:
    virtual ~StepWalk() = default;
    virtual StepShown nextStep() = 0;
    void restart() { step_ = 0; }
    int step() const { return step_; }

  protected:
    int step_ = 0; // the steps shown so far
};

// The widgets a step press changes.
struct StepWidgets {
    Label* text;           // the explanation; a label fits its size to its text
    Label* problemLine;    // gets the answer at the end
    QAbstractButton* step; // the step button
    QAbstractButton* next; // the next button
};

// What the screen blinks and plays after a step press.
struct StepReaction {
    QString prompt;
    int cue = 0;
    bool ended = false; // the walk is over and starts again from step 1
};

// Shows a step on the widgets: text, caption, answer; at the end the step button goes off and
// the next button on.
StepReaction showStep(const StepShown& shown, const StepWidgets& widgets);

} // namespace kazemaru::written
