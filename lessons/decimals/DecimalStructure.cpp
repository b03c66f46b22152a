#include "lessons/decimals/DecimalStructure.h"

#include "frame/Random.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

QString tenthsText(int tenths)
{
    // Two digits at least, so a value below 1 gets its leading 0 and a whole value keeps ".0".
    QString digits = QString::number(tenths).rightJustified(2, u'0');
    digits.insert(digits.size() - 1, u'.');
    return digits;
}

StructureProblem tenthsProblem(int form, int count)
{
    StructureProblem p;
    p.kind = TenthsKind;
    p.form = form;
    p.count = count;
    p.tenths = count;
    const QString value = tenthsText(count);
    if (form <= 5)
        p.question = value + u" は、 0.1 を いくつ あつめた数？"_s;
    else if (form <= 7)
        p.question = value + u" は、 1 を いくつと\n0.1 を いくつ あつめた数？"_s;
    else
        p.question = u"0.1 を %1 コ あつめた数は？"_s.arg(count);
    p.answer = structureAnswerText(p, count);
    return p;
}

StructureProblem drawTenthsProblem()
{
    Randomize();
    const int form = Random(9);
    int count = 0;
    if (form <= 2)
        count = Random(7) + 2;
    else if (form <= 7)
        count = Random(88) + 11;
    else
        count = Random(97) + 2;
    return tenthsProblem(form, count);
}

StructureProblem numberLineProblem(int position)
{
    StructureProblem p;
    p.kind = NumberLineKind;
    p.count = position;
    p.tenths = position;
    p.question = u"矢印の めもり の数は？"_s;
    p.answer = structureAnswerText(p, position);
    return p;
}

StructureProblem drawNumberLineProblem()
{
    Randomize();
    return numberLineProblem(Random(41) + 1);
}

StructureProblem unitsProblem(int form, int first, int second)
{
    StructureProblem p;
    p.kind = UnitsKind;
    p.form = form;
    p.first = first;
    p.second = second;
    if (form <= 2) {
        p.tenths = first / 10; // whole tens of cm are tenths of a metre
        p.question = u"%1 ｃｍ は、何ｍ？"_s.arg(first);
    } else if (form <= 6) {
        p.tenths = 10 * first + second / 10;
        p.question = u"%1 ｍ %2 ｃｍ は、何ｍ？"_s.arg(first).arg(second);
    } else {
        p.tenths = 10 * first + second;
        p.question = u"%1 ｃｍ %2 ｍｍ は、何ｃｍ？"_s.arg(first).arg(second);
    }
    p.answer = structureAnswerText(p, p.tenths);
    return p;
}

StructureProblem drawUnitsProblem()
{
    Randomize();
    const int form = Random(9);
    if (form <= 2) return unitsProblem(form, (Random(8) + 1) * 10, 0);
    const int first = Random(8) + 1;
    const int second = form <= 6 ? (Random(8) + 1) * 10 : Random(8) + 1;
    return unitsProblem(form, first, second);
}

StructureProblem drawStructureProblem(int kind)
{
    switch (kind) {
    case TenthsKind: return drawTenthsProblem();
    case NumberLineKind: return drawNumberLineProblem();
    case UnitsKind: return drawUnitsProblem();
    default: return {};
    }
}

int structureEntry(const StructureProblem& p, int tens, int ones, int tenthsDigit)
{
    return p.countAnswer() ? 10 * tens + ones : 100 * tens + 10 * ones + tenthsDigit;
}

QString structureAnswerText(const StructureProblem& p, int value)
{
    if (p.countAnswer()) return u"%1 コ"_s.arg(value);
    if (p.splitAnswer()) return u"%1 コ と %2 コ"_s.arg(value / 10).arg(value % 10);
    if (p.kind == UnitsKind) return tenthsText(value) + (p.form <= 6 ? u" ｍ"_s : u" ｃｍ"_s);
    return tenthsText(value);
}

bool structureRight(const StructureProblem& p, int tens, int ones, int tenthsDigit)
{
    if (p.kind == NoKind) return false;
    return structureEntry(p, tens, ones, tenthsDigit) == (p.countAnswer() ? p.count : p.tenths);
}

QStringList decimalStructureMemo()
{
    return {
        QString(),
        u"　１ｃｍ ＝ １０ｍｍ　なので、　"_s,
        u"　１ｃｍの直線を １０等分した めもり をつけると、"_s,
        u"　１めもりは １ｍｍ だけど、これを ｃｍの単位で"_s,
        u"　表せば、０．１ｃｍ になるよ。"_s,
        u"　５めもりでは ０．５ｃｍ、１０めもりでは １ｃｍ"_s,
        u"　になるよ。"_s,
        u"　　　"_s,
        u"　１ｍ ＝ １００ｃｍ なので、　"_s,
        u"　１ｍの直線を １００等分した めもり をつけると、"_s,
        u"　１めもりは １ｃｍ だけど、これを ｍの単位で"_s,
        u"　表せば、 ０．０１ｍ になるよ。"_s,
        u"　５めもりでは ０．０５ｍ、１００めもりでは １ｍ"_s,
        u"　になるよ。"_s,
        QString(),
        u"　１ｍ ＝ １０００ｍｍ なので、　"_s,
        u"　１ｍの直線を １０００等分した めもり をつけると、"_s,
        u"　１めもりは １ｍｍ だけど、これを ｍの単位で"_s,
        u"　表せば、０．００１ｍ になるよ。"_s,
        u"　５めもりでは ０．００５ｍ、１０００めもりでは "_s,
        u"　１ｍ になるよ。"_s,
        QString(),
        u"　この ０．１ や ０．０１ や ０．００１ のような 1 "_s,
        u"　より小さい数を 「小数」 というよ。"_s,
        QString(),
        u"　小数の 「．」 を 「小数点」 といい、小数点のすぐ"_s,
        u"　右の位を 「小数第一位」、その次の位を 「小数第"_s,
        u"　二位」、その次の位を 「小数第三位」 というよ。"_s,
        QString(),
        QString(),
    };
}

} // namespace kazemaru
