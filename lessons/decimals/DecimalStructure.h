#pragma once
// Arithmetic of the structure-of-decimals lesson (TForm9): counting 0.1s, reading a number line
// in tenths and changing length units. Every value has one decimal place and is held as a whole
// count of tenths, so comparing an entry with the answer is exact.
// Problems are drawn from the program's one random generator, in a fixed order of draws.
#include <QString>
#include <QStringList>

namespace kazemaru {

// The problem menu's kinds: 1 counting 0.1s, 2 the number line, 3 changing units; 0 none chosen.
enum StructureKind { NoKind = 0, TenthsKind = 1, NumberLineKind = 2, UnitsKind = 3 };

// The decimal text of a count of tenths: 5 → "0.5", 20 → "2.0", 123 → "12.3", 0 → "0.0".
QString tenthsText(int tenths);

struct StructureProblem {
    int kind = NoKind;
    int form = 0;   // the problem draw r (0 … 8) of kinds 1 and 3, which selects the question form
    int tenths = 0; // the correct value V, in tenths
    int count = 0;  // kind 1: how many 0.1s make V; kind 2: the arrow's position T in tenths
    int first = 0;  // kind 3: the question's first whole number (m, or cm)
    int second = 0; // kind 3: its second (cm, or mm; 0 for a length in cm alone)
    QString question;
    QString answer; // the answer text

    // A count of 0.1s is entered with the tens and ones selectors and judged by the ones.
    bool countAnswer() const { return kind == TenthsKind && form <= 5; }
    // A count has no tenths digit; every other answer is entered down to its tenths.
    bool tenthsEnabled() const { return kind != NoKind && !countAnswer(); }
    // Asks for the whole part and the tenths of a decimal separately.
    bool splitAnswer() const { return kind == TenthsKind && (form == 6 || form == 7); }
};

// Reseeds the generator and draws the form r := Random(9), then the count (2 … 98).
StructureProblem drawTenthsProblem();
// Reseeds the generator and draws the arrow's position T := Random(41) + 1 (0.1 … 4.1).
StructureProblem drawNumberLineProblem();
// Reseeds the generator and draws the form r := Random(9), then the lengths of that form.
StructureProblem drawUnitsProblem();
// The generator of `kind`; nothing is drawn for any other kind and the problem is empty.
StructureProblem drawStructureProblem(int kind);

// The problem a given draw makes (the generators' arithmetic without the random draws).
StructureProblem tenthsProblem(int form, int count);
StructureProblem numberLineProblem(int position);
StructureProblem unitsProblem(int form, int first, int second);

// The digits entered in the tens, ones and tenths selectors (0 for a selector not used) as the
// problem reads them: a count is the tens and ones digits; a decimal is all three, in tenths.
int structureEntry(const StructureProblem& p, int tens, int ones, int tenthsDigit);
// Judges those digits.
bool structureRight(const StructureProblem& p, int tens, int ones, int tenthsDigit);
// A value read that way written as the problem's answer is: "25 コ", "2 コ と 5 コ", "2.5",
// "2.5 ｍ", "2.5 ｃｍ".
QString structureAnswerText(const StructureProblem& p, int value);

// The number line: 0 at screen x 158, one tenth every 11 pixels; the arrow below it is 12 wide,
// so its tip, in its middle, stands on the mark of the tenths it points at.
inline constexpr int numberLineLeft = 144;
inline constexpr int numberLineTop = 144;
inline constexpr int numberLineWidth = 489;
inline constexpr int numberLineHeight = 33;
inline constexpr int numberLineZero = 158; // screen x of the 0 mark
inline constexpr int tenthPitch = 11;
inline constexpr int arrowWidth = 12;
inline constexpr int arrowHeight = 25;
inline constexpr int arrowTop = 176;

constexpr int markX(int tenths)
{
    return numberLineZero + tenthPitch * tenths;
}
constexpr int arrowLeft(int tenths)
{
    return markX(tenths) - arrowWidth / 2; // 152 + 11 × tenths
}

// The explanation memo of the first sub-topic, one entry per memo line.
QStringList decimalStructureMemo();

} // namespace kazemaru
