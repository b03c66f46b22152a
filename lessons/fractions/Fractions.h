#pragma once
// Arithmetic of the fractions lesson (TForm16): comparing two fractions, converting between
// improper fractions and mixed numbers, and the fixed step walks. A fraction is held as its
// separate whole-number parts; nothing is reduced.

#include <QString>

namespace kazemaru {

// Sub-topics of the menu: 1 what a fraction is, 2 comparing, 3 kinds of fractions,
// 4 improper fractions and mixed numbers.
inline constexpr int fractionSubTopics = 4;

// A whole part (0: none shown) and a fraction part (denominator 0: none shown).
struct Fraction {
    int whole = 0;
    int numerator = 0;
    int denominator = 0;
    bool hasFraction() const { return denominator > 0; }
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// p/d as a whole part and a proper fraction, and back.
Fraction toMixedNumber(const Fraction& improper);
Fraction toImproperFraction(const Fraction& mixed);

enum Side { LeftSide = 0, RightSide = 1 };

struct Comparison {
    int form = 0; // the problem draw 0 … 8; 8 compares a fraction with 1
    Fraction left;
    Fraction right;
    int larger = LeftSide; // the side of the larger value
};

struct Conversion {
    int form = 0; // the problem draw 0 … 8; 0 … 4 improper to mixed, 5 … 8 mixed to improper
    Fraction given;
    Fraction answer;
    bool toMixed() const { return form <= 4; }
};

// Reseed the generator, draw the form, then the fractions, in a fixed order of draws.
Comparison drawComparison();
Conversion drawConversion();

// The worked reason of a comparison, lines separated by "\n".
QString comparisonReason(const Comparison& c);

// Right when the entries give the answer: to a mixed number `first` is the whole part and
// `second` the numerator; to an improper fraction they are the numerator's tens and ones.
bool conversionRight(const Conversion& c, int first, int second, int denominator);

// The question above a conversion, and the prompt that says in which order to answer.
QString conversionQuestion(const Conversion& c);
QString conversionPrompt(const Conversion& c);

// A fraction written on one line: "3/4", "2と3/4", or "1" for a whole number alone.
QString fractionText(const Fraction& f);

// For the record of answers: the two fractions compared ("3/5 と 4/5") and the kind of comparison
// ("分母が同じ" or "１とくらべる").
QString comparisonText(const Comparison& c);
QString comparisonKind(const Comparison& c);
// The entries of a conversion written as its answer is ("1と2/5", "7/5"), every part as chosen, and
// the kind of conversion ("仮分数を帯分数に" or "帯分数を仮分数に").
QString conversionEntryText(const Conversion& c, int first, int second, int denominator);
QString conversionKind(const Conversion& c);

// The fixed walks of sub-topics 3 (three steps) and 4 (two steps).
struct FractionStep {
    QString caption;     // of the step button afterwards
    QString explanation; // lines separated by "\n"
    QString example;     // the second label's text; empty: left as it was
    Fraction left;
    Fraction right;
};
int fractionStepCount(int subTopic); // 0 for a sub-topic without a walk
// The step after `step` (0 before the first), starting over after the last.
int nextFractionStep(int subTopic, int step);
FractionStep fractionStep(int subTopic, int step);

// The explanations of sub-topic 1, lines separated by "\n".
QString fractionPartsExplanation();
QString fractionNamesExplanation();

} // namespace kazemaru
