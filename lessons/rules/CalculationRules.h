#pragma once
// Arithmetic of the calculation-rules lesson (TForm15): expressions with brackets, mixed
// operations and □, their values, and the worked evaluation shown in study mode.
// Problems are drawn from the program's one random generator, in a fixed order of draws.

#include <QString>
#include <QStringList>

namespace kazemaru {

// Sub-topics of the menu: 1 brackets, 2 mixed operations, 3 × and ÷ only,
// 4 □ of addition and subtraction, 5 □ of multiplication and division.
inline constexpr int rulesSubTopics = 5;

struct RulesProblem {
    int subTopic = 0;
    int form = 0; // the problem draw 0 … 8; it picks the expression within the sub-topic
    int a = 0;
    int b = 0;
    int c = 0; // for □ problems: the number on the right of "="
    int d = 0; // mixed operations only
    int answer = 0;
};

// Reseeds the generator, draws the form and then the operands of the sub-topic. Outside
// 1 … rulesSubTopics nothing is drawn and the problem is all 0.
RulesProblem drawRulesProblem(int subTopic);

// The problem of a form with the operands as held (c already the product where the form
// builds it), its answer computed.
RulesProblem rulesProblem(int subTopic, int form, int a, int b, int c, int d = 0);

// The expression as posed: "42 - ( 23 + 16 ) = ?"; for □ problems the question with the
// equation on its third line.
QString rulesQuestionText(const RulesProblem& p);
// The expression with its value in place of "?"; □ problems keep their question.
QString rulesSolvedText(const RulesProblem& p);
// The rule (none for □ problems) and the evaluation with its middle step:
// "…\n\n42 - ( 23 + 16 ) = 42 - 39 = 3", or "□ = 39 - 16 = 23".
QString rulesWorkedText(const RulesProblem& p);
// What a □ problem shows once judged in test mode: "□は 23".
QString rulesBoxValueText(const RulesProblem& p);

inline bool isBoxProblem(int subTopic)
{
    return subTopic == 4 || subTopic == 5;
}

// The point memo's lines.
QStringList rulesMemoLines();

} // namespace kazemaru
