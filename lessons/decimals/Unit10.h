#pragma once
// Written addition and subtraction of decimals with one place: a worked example of a generated
// problem walked step by step on the column figure, and test problems whose answer the child
// writes column by column from the tenths leftwards.
#include "app/LessonScreen.h"
#include "lessons/decimals/ColumnFigure.h"
#include "lessons/decimals/OnePlaceColumns.h"

#include <optional>

namespace kazemaru {

class TForm10 : public LessonScreen {
    Q_OBJECT
  public:
    explicit TForm10(QWidget* parent);

    const ColumnProblem& problem() const { return problem_; }
    int stepCounter() const { return walk_ ? walk_->step() : 0; }
    int entryStage() const { return entry_ ? entry_->stage() : 0; }
    const ColumnFigure& figure() const { return figure_; }
    QList<QPair<int, int>> answerKey() const override;

    // The point memo's lines.
    static QStringList memoLines();

  public Q_SLOTS:
    void CuteButton5Click();                    // step button
    void ComboBox2Change() { columnChosen(1); } // tenths
    void ComboBox3Change() { columnChosen(2); } // ones
    void ComboBox4Change() { columnChosen(3); } // tens

  protected:
    void screenReset() override;
    QString menuChosen() override;
    QString testEntered() override;
    QString studyEntered() override;
    QString nextInStudy() override;
    QString nextInTest() override;

  private:
    void columnChosen(int column);
    void selectorSetUp(OpenColumns open);

    ColumnFigure figure_;
    ColumnProblem problem_;
    std::optional<OnePlaceWalk> walk_;
    std::optional<OnePlaceEntry> entry_;
};

} // namespace kazemaru
