#pragma once
// The written division of a dividend by a divisor as done on paper — divide, multiply,
// subtract, bring down — computed once from the two numbers. It drives both the worked example,
// step by step, and the row-by-row entry of a test problem on every long-division screen; a
// screen adds its columns, row nudges, texts and prompts as data.
#include "frame/PlaceValue.h"
#include "lessons/division/LongDivision.h"
#include "lessons/shared/WrittenEntry.h"

#include <optional>
#include <vector>

namespace kazemaru::test {
struct Probe; // tests/support/Probe.h
}

namespace kazemaru::longdiv {

// One quotient digit of the division.
struct PlanStep {
    int partial = 0;    // P, the partial dividend
    int quotient = 0;   // q = P div d
    int product = 0;    // m = d × q
    int difference = 0; // r = P − m
    int column = 0;     // the dividend digit (from 0) over which q stands
    int down = -1;      // the digit brought down next, −1 when none is left
};

struct WrittenPlan {
    Problem problem;
    bool shortStart = false; // the first digits are smaller than the divisor: one more is taken
    std::vector<PlanStep> steps;
    int length() const { return int(QString::number(problem.dividend).size()); }
};

// firstDigits: how many digits the first partial dividend has before a short start.
WrittenPlan writtenPlan(const Problem& problem, int firstDigits);

// The numbers a step text is written from.
struct StepFacts {
    int subTopic = 0;
    int step = 0;
    LayoutCase layoutCase = LayoutCase::Regular;
    int D = 0, d = 0, P = 0, q = 0, m = 0, r = 0;
    int n = -1; // the digit brought down, −1 when none
    int Q = 0;
    int u = 0, t = 0, h = 0; // ones, tens and hundreds digit of D
};

// A step text with the step's numbers filled in for {P} {d} {q} {m} {r} {n} {Q} {u} {t} {h}, and
// the dividend's leading digits {D10} (all but the ones) and {D100} (all but tens and ones).
QString fillStepText(QString pattern, const StepFacts& f);

// A row being placed, for a screen's nudges of its right edge.
struct RowPlacing {
    Row row;
    int subTopic;
    LayoutCase layoutCase;
    bool study;
    bool broughtDown; // the row got a digit brought down beside it after a quotient digit 0
};

// What a screen adds to the plan.
struct PlanDesign {
    int firstDigits = 1;
    int dividendLeft = 0;   // the first dividend digit's cell
    int quotientNudge = -2; // the quotient row stands this far from its first digit's column
    // A difference of 0 gives way to the digit brought down beside it instead of standing before it.
    bool zeroGivesWay = false;
    std::array<RowState, rowCount> rows; // the designed rows: right-aligned boxes and their widths
    Problem (*example)(int subTopic, int example) = nullptr;
    QString (*stepText)(const StepFacts&) = nullptr;
    int (*edgeNudge)(const RowPlacing&) = nullptr;         // null: a row ends where its column ends
    QString (*quotientPrompt)(int k, int place) = nullptr; // null: the prompt names the place
};

// The prompt that names quotient place 0 (ones), 1 (tens) or 2 (hundreds).
QString quotientPlacePrompt(int place);
// The prompt that asks for the first quotient digit: it names the place over which it stands.
QString firstQuotientPrompt(const WrittenPlan& plan);

// Writes rows into the figure at the columns of the plan.
class PlanLayout {
  public:
    PlanLayout(Figure& figure, const PlanDesign& design, int subTopic, bool study);

    Figure& figure() const { return figure_; }
    const PlanDesign& design() const { return design_; }
    int subTopic() const { return subTopic_; }

    void placeQuotient(int column);
    // Shows `text` in a row so that its last digit stands under dividend digit `column`.
    void write(Row row, const QString& text, int column, LayoutCase c, bool broughtDown = false);

  private:
    Figure& figure_;
    const PlanDesign& design_;
    int subTopic_;
    bool study_;
};

// The worked example, one step per quotient digit after the problem is written down.
class PlanWalk : public written::StepWalk {
  public:
    PlanWalk(Figure& figure, const PlanDesign& design, int subTopic, int example);

    StepShown nextStep() override;
    const Problem& problem() const { return plan_.problem; }
    LayoutCase layoutCase() const { return case_; }

  private:
    StepFacts facts(const PlanStep& s) const;

    PlanLayout layout_;
    WrittenPlan plan_;
    LayoutCase case_ = LayoutCase::Regular;
    int product_ = 0; // the next product row, 0 … 2
};

// The row-by-row entry of a test problem: quotient digits, and numbers composed from place
// selectors. The rows follow the digits the child chooses, or, when a case is given, the shape of
// the true quotient whatever the child chooses. Once judged, the entry is over and further
// choices change nothing.
class PlanEntry : public written::Entry {
  public:
    PlanEntry(Figure& figure, const PlanDesign& design, int subTopic, const Problem& problem,
              std::optional<LayoutCase> path = std::nullopt);

    written::EntryOutcome chooseQuotient(int digit);
    written::EntryOutcome choosePlace(int weight, int digit); // tens, hundreds, … of the next number
    written::EntryOutcome chooseOnes(int digit);              // enters the number

    QString firstPrompt() const override;
    unsigned firstOpen() const override { return SelectorMode::Quotient; }

    LayoutCase layoutCase() const { return case_; }

    // The quotient and the remainder as the child wrote them, once judged.
    qint64 enteredQuotient() const { return quotient_; }
    int enteredRemainder() const { return remainder_; }

    // One choice of the right answer: a quotient digit, or a number written into a row.
    struct KeyChoice {
        bool quotientDigit;
        int value;
    };
    // The choices that enter the right answer from the start, in order; empty once a choice was made.
    QList<KeyChoice> answerKey() const;

  private:
    friend struct test::Probe; // the tests read these; the program never needs them
    int quotientDigits() const { return k_; }
    int pendingValue() const { return pending_.value(); }
    bool finished() const { return finished_; }
    int answerTotal() const { return total_; }

    enum class Expect { Product, Difference, BringDown };
    // Called with k counted. A quotient digit that does not finish the entry is followed by a
    // number: the row under the arrow is asked for next.
    written::EntryOutcome onQuotient(int digit);
    written::EntryOutcome onNumber(int number);
    written::EntryOutcome finish(int remainder);
    // Quotient digit k (from 1) leaves the row without a product.
    bool zeroOnPath(int k, int digit) const;
    QString quotientPrompt() const;

    Figure& figure_;
    PlanLayout layout_;
    WrittenPlan plan_;
    std::optional<LayoutCase> path_;
    LayoutCase case_ = LayoutCase::Regular;
    int k_ = 0;       // quotient digits so far
    int used_ = 0;    // the dividend digit that ends the current partial dividend
    int product_ = 0; // the next product row, 0 … 2
    Row difference_ = Row::Difference1;
    Expect expect_ = Expect::Product;
    PlaceValue pending_; // the higher places wait here until the ones digit enters the number
    bool finished_ = false;
    qint64 quotient_ = 0;
    int remainder_ = 0;
    int total_ = 0;
};

// What a row shows once `number` is brought down beside its `shown` text.
QString broughtDown(const PlanDesign& design, const QString& shown, int number);

Row productRow(int i);    // Product1 … Product3
Row differenceRow(int i); // Difference1 … Difference3

} // namespace kazemaru::longdiv
