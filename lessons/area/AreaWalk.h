#pragma once
// The texts of the area lesson (TForm14) and its step walk: each press of the step button shows
// the next step of the sub-topic's explanation, starting again after the last.
#include <QString>

namespace kazemaru {

// Sub-topics of the menu: 1 rectangles and squares, 2 notched shapes, 3 the area units.
inline constexpr int areaSubTopics = 3;

// The text shown with a sub-topic's figures before its first step; for sub-topic 3 the unit
// relations, which have no steps. Lines separated by "\n"; empty outside 1 … 3.
QString areaOpening(int subTopic);

class AreaWalk {
  public:
    explicit AreaWalk(int subTopic = 0);

    int subTopic() const { return subTopic_; }
    int step() const { return step_; } // 0 before the first step
    int stepCount() const;             // 2, 4, or 0 where there is nothing to walk
    bool atLastStep() const { return step_ > 0 && step_ == stepCount(); }

    // The next step, or step 1 again after the last; does nothing without steps.
    void advance();

    // The text of the step shown (lines separated by "\n"); empty before the first step.
    QString text() const;
    // The step button's caption: the step the next press shows ("ステップ１" …).
    QString caption() const;
    // The notched shape's three cut figures appear with the first step and then stay.
    bool bringsCutFigures() const { return subTopic_ == 2 && step_ == 1; }

  private:
    int subTopic_ = 0;
    int step_ = 0;
};

} // namespace kazemaru
