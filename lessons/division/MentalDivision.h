#pragma once
// Arithmetic of the two mental-division lessons: dividing whole tens and hundreds by one digit
// (TForm3) and dividing by whole tens and hundreds with a one-digit quotient (TForm5).
// Problems are drawn from the program's one random generator, in a fixed order of draws.

#include <QString>

namespace kazemaru {

// ---- Dividing whole tens and hundreds by one digit (TForm3) ----

// Sub-topics of the menu: 1 whole tens, 2 whole hundreds, 3 hundreds and tens.
inline constexpr int tensHundredsSubTopics = 3;

struct TensHundredsProblem {
    int dividend = 0;
    int divisor = 0;
    int answer = 0;
};

// The study explanation of a sub-topic, lines separated by "\n"; empty outside 1 … 3.
QString tensHundredsExplanation(int subTopic);

// Reseeds the generator and draws a problem of the sub-topic: the divisor (2 … 8) once, then
// the multiplier m (1 … 3) until it suits the sub-topic, at most maxRedraws times,
// falling back to a fixed problem. Outside 1 … 3 nothing is drawn and the problem is all 0.
TensHundredsProblem drawTensHundredsProblem(int subTopic);

// "80 ÷ 4 = ?" and, after judging, "80 ÷ 4 = 20".
QString tensHundredsQuestionText(const TensHundredsProblem& p);
QString tensHundredsAnswerText(const TensHundredsProblem& p);

bool tensHundredsRight(const TensHundredsProblem& p, int entered);

// ---- Dividing by whole tens and hundreds (TForm5) ----

inline constexpr int divideByExampleCount = 5;

struct DivideByProblem {
    int dividend = 0;
    int divisor = 0;
    int quotient() const { return divisor ? dividend / divisor : 0; }
    int remainder() const { return divisor ? dividend % divisor : 0; }
};

// Worked example 1 … 5, lines separated by "\n"; empty outside that range.
QString divideByExample(int n);

// Reseeds the generator and draws kind (1 … 19), quotient digit, divisor digit and, for the
// kinds with a remainder, the remainder digit, in that order.
DivideByProblem drawDivideByProblem();

// "250 ÷ 60 = ?" and, after judging, "250 ÷ 60 = 4 あまり 10" (no remainder part when it is 0).
QString divideByQuestionText(const DivideByProblem& p);
QString divideByAnswerText(const DivideByProblem& p);
// The kind of divisor, as the lesson's title names the two: "何十でわる" or "何百でわる".
QString divideByKind(const DivideByProblem& p);

// Right when divisor × quotient digit + remainder gives the dividend and the remainder is
// smaller than the divisor.
bool divideByRight(const DivideByProblem& p, int quotientDigit, int remainder);

} // namespace kazemaru
