#pragma once
// Arithmetic of the rounding lesson (TForm13): half-up rounding, the place names, the problem
// generator with its size classes and tasks, and the study texts. Problems are drawn from the
// program's one random generator, in a fixed order of draws.

#include <QString>
#include <QStringList>

namespace kazemaru {

// Sub-topics of the menu: 1 explanation only, 2 round to a place, 3 round at a place,
// 4 round to leading digits.
inline constexpr int roundingSubTopics = 4;

// The seven answer selectors enter at most this number.
inline constexpr int roundingLargestAnswer = 9'999'999;

struct RoundingProblem {
    int number = 0;    // the number to round: sizeClass + 2 digits
    int sizeClass = 0; // 1 … 5
    int unit = 0;      // the rounding unit, a power of ten
    int answer = 0;    // the multiple of unit nearest to number, half rounding up
    QString question;  // two lines separated by "\n"
};

// The multiple of `unit` nearest to x; a remainder of exactly half the unit rounds up.
int roundHalfUp(int x, int unit);

// The name of the place 10^k, k = 1 … 6: 十, 百, 千, 万, 十万, 百万; empty outside.
QString placeName(int k);

// Builds the problem of sub-topic 2 … 4 on `number` of `sizeClass` with the task draw `task`
// (0 … 8: 0 … 4 the lower place or two leading digits, 5 … 8 the higher place or three digits;
// ignored in sub-topic 2). Sub-topic 4 keeps two leading digits of a three-digit number.
RoundingProblem roundingProblem(int subTopic, int sizeClass, int number, int task);

// Reseeds the generator and draws size class, number and, in sub-topics 3 and 4, the task, again
// while the answer would need eight digits, at most maxRedraws times; then it gives the
// worked example's task on 2736. Outside 2 … 4 nothing is drawn and the problem is empty.
RoundingProblem drawRoundingProblem(int subTopic);

// "答え： 2700".
QString roundingAnswerText(const RoundingProblem& p);

// The explanation of sub-topic 1, one memo line each.
QStringList roundingExplanation();

// The worked example of sub-topic 2 … 4, lines separated by "\n"; empty outside.
QString roundingExample(int subTopic);

} // namespace kazemaru
