#include "lessons/division/DivisionDrill.h"

#include "frame/Random.h"

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// Two digits, tens 1 … tensRange and ones 1 … 8; the tens digit is drawn first.
int twoDigitDivisor(int tensRange)
{
    const int tens = Random(tensRange) + 1;
    return tens * 10 + Random(8) + 1;
}

} // namespace

DivisionDrillProblem drawDivisionDrillProblem(int subTopic)
{
    if (subTopic < 1 || subTopic > divisionDrillSubTopics) return {};
    Randomize();
    const int a = Random(9);
    DivisionDrillProblem p;
    switch (subTopic) {
    case 1:
        p.divisor = Random(7) + 2;
        p.dividend = a <= 4 ? Random(88) + 11 : Random(898) + 101;
        break;
    case 2:
        if (a <= 2) {
            p.divisor = twoDigitDivisor(3);
            // A two-digit dividend must be greater than the divisor; a few divisors need redraws.
            if (!drawUntil([&] { p.dividend = Random(78) + 21; }, [&] { return p.dividend > p.divisor; })) p = {76, 23};
        } else {
            p.divisor = twoDigitDivisor(8);
            p.dividend = a <= 6 ? Random(898) + 101 : Random(8998) + 1001;
        }
        break;
    default: {
        const int hundreds = Random(8) + 1;
        const int tens = Random(9);
        p.divisor = hundreds * 100 + tens * 10 + Random(8) + 1;
        p.dividend = a <= 4 ? Random(8998) + 1001 : Random(89998) + 10001;
        break;
    }
    }
    return p;
}

QString divisionDrillQuestionText(const DivisionDrillProblem& p)
{
    return u"%1 ÷ %2 = ?"_s.arg(p.dividend).arg(p.divisor);
}

bool divisionDrillRight(const DivisionDrillProblem& p, int enteredQuotient, int enteredRemainder)
{
    return enteredQuotient == p.quotient() && enteredRemainder == p.remainder();
}

QVariantList divisionDrillRow(int problemNumber, const DivisionDrillProblem& p, int enteredQuotient,
                              int enteredRemainder)
{
    const bool right = divisionDrillRight(p, enteredQuotient, enteredRemainder);
    return {problemNumber,
            u"　%1 ÷ %2"_s.arg(p.dividend).arg(p.divisor),
            p.quotient(),
            enteredQuotient,
            right ? u" ○"_s : u" ×"_s,
            p.remainder(),
            enteredRemainder};
}

} // namespace kazemaru
