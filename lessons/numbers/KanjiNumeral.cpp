#include "lessons/numbers/KanjiNumeral.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

const QString digitKanji = u"一二三四五六七八九"_s;

QString withOne(int digit)
{
    return QString(digitKanji[digit - 1]);
}

// Before 千, 百 and 十 inside a group the digit 1 is not written.
QString withoutOne(int digit)
{
    return digit == 1 ? QString() : withOne(digit);
}

// One group of four places (千, 百, 十, 一) followed by its unit, written only if a digit is there.
void appendGroup(QString& numeral, const int* digits, QChar unit)
{
    static const QChar places[] = {u'千', u'百', u'十'};
    bool any = false;
    for (int i = 0; i < 3; ++i) {
        if (digits[i] == 0) continue;
        numeral += withoutOne(digits[i]);
        numeral += places[i];
        any = true;
    }
    if (digits[3] > 0) {
        numeral += withOne(digits[3]);
        numeral += unit;
    } else if (any) {
        numeral += unit;
    }
}

} // namespace

std::array<int, 9> tenMillionPlaceDigits(int tenMillions)
{
    std::array<int, 9> digits{};
    for (std::size_t i = 0; i < digits.size(); ++i)
        digits[i] = tenMillions / tenMillionPlaceWeights[i] % 10;
    return digits;
}

QString kanjiNumeral(int tenMillions)
{
    if (tenMillions < 1 || tenMillions > tenMillionsMax) return {};
    const std::array<int, 9> d = tenMillionPlaceDigits(tenMillions);
    QString numeral;
    appendGroup(numeral, &d[0], u'兆');
    appendGroup(numeral, &d[4], u'億');
    if (d[8] > 0) numeral += withOne(d[8]) + u"千万"_s;
    return numeral;
}

QString tenMillionsDigits(int tenMillions)
{
    return QString::number(tenMillions) + u"0000000"_s;
}

} // namespace kazemaru
