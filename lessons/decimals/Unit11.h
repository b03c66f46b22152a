#pragma once
// Written addition and subtraction of decimals with two or three places: the problem menu chooses
// the places; a worked example is walked step by step on the column figure, and test problems are
// written column by column from the last place to the ones.
#include "lessons/decimals/ColumnScreen.h"
#include "lessons/decimals/ThreePlaceColumns.h"

namespace kazemaru {

class TForm11 : public ColumnScreen {
    Q_OBJECT
  public:
    explicit TForm11(QWidget* parent);

    // What the frame builds for this lesson: titles, menu, prompt line, buttons, memo.
    static const FrameFacts& frameFacts();

    // The point memo's lines.
    static QStringList memoLines();

  public Q_SLOTS:
    void FormCreate() override;
    void ComboBox2Change();                    // problem menu
    void ComboBox3Change() { digitChosen(3); } // thousandths
    void ComboBox4Change() { digitChosen(4); } // hundredths
    void ComboBox5Change() { digitChosen(5); } // tenths
    void ComboBox6Change() { digitChosen(6); } // ones
    void ComboBox7Change() { digitChosen(7); } // tens

  protected:
    QString menuChosen() override;
    QString missingChoice() const override;
    ColumnProblem drawProblem() const override { return drawThreePlaceProblem(subTopic(), kind_); }
    std::unique_ptr<ColumnWalk> walkFor(const ColumnProblem& problem) const override;
    std::unique_ptr<ColumnEntry> entryFor(const ColumnProblem& problem) const override;
    // The thousandths selector is ComboBox3, the tens ComboBox7, whatever the places.
    int selectorOf(int column) const override { return column + 5 - problem().places; }
    AnswerFacts judgedAnswer() const override; // named by the problem menu's item

  private:
    void digitChosen(int selector);

    SimpleComboBox* problemMenu_ = nullptr;
    int kind_ = 0;             // 0 until the problem menu is used
    friend struct test::Probe; // the tests read these; the program never needs them
    int problemKind() const { return kind_; }
};

} // namespace kazemaru
