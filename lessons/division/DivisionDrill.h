#pragma once
// Arithmetic of the division drill (TForm8): the problem generator of its three kinds, judging an
// answer and the result row it stores.
// Problems are drawn from the program's one random generator, in a fixed order of draws.
#include "lessons/shared/DrillRun.h"

#include <QString>
#include <QVariantList>

namespace kazemaru {

// Sub-topics of the menu: 1 one-digit divisor, 2 two-digit divisor, 3 three-digit divisor.
inline constexpr int divisionDrillSubTopics = 3;

struct DivisionDrillProblem {
    int dividend = 0;
    int divisor = 0;
    int quotient() const { return divisor ? dividend / divisor : 0; }
    int remainder() const { return divisor ? dividend % divisor : 0; }
};

// Reseeds the generator, draws the form a (Random(9)), then the divisor and the dividend of the
// sub-topic's kind. Outside 1 … 3 nothing is drawn and the problem is all 0.
DivisionDrillProblem drawDivisionDrillProblem(int subTopic);

// "76 ÷ 23 = ?", the problem line.
QString divisionDrillQuestionText(const DivisionDrillProblem& p);

// Right when both the quotient and the remainder are.
bool divisionDrillRight(const DivisionDrillProblem& p, int enteredQuotient, int enteredRemainder);

// The dorill row of an answer, values by field position: NB, MND ("　76 ÷ 23"), KAI, KOT,
// HNT (" ○" or " ×"), AMS, AMI.
QVariantList divisionDrillRow(int problemNumber, const DivisionDrillProblem& p, int enteredQuotient,
                              int enteredRemainder);

} // namespace kazemaru
