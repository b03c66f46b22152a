#pragma once
// Written addition and subtraction of decimals with one place: a worked example of a generated
// problem walked step by step on the column figure, and test problems whose answer the child
// writes column by column from the tenths leftwards.
#include "lessons/decimals/ColumnScreen.h"
#include "lessons/decimals/OnePlaceColumns.h"

namespace kazemaru {

class TForm10 : public ColumnScreen {
    Q_OBJECT
  public:
    explicit TForm10(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

    // The point memo's lines.
    static QStringList memoLines();

  public Q_SLOTS:
    void ComboBox2Change() { columnChosen(1); } // tenths
    void ComboBox3Change() { columnChosen(2); } // ones
    void ComboBox4Change() { columnChosen(3); } // tens

  protected:
    QString menuChosen() override;
    ColumnProblem drawProblem() const override { return drawOnePlaceProblem(subTopic()); }
    std::unique_ptr<ColumnWalk> walkFor(const ColumnProblem& problem) const override;
    std::unique_ptr<ColumnEntry> entryFor(const ColumnProblem& problem) const override;
    int selectorOf(int column) const override { return column + 1; }
};

} // namespace kazemaru
