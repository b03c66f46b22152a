#include "lessons/rounding/Rounding.h"

#include "frame/Random.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

int powerOfTen(int k)
{
    int p = 1;
    for (int i = 0; i < k; ++i)
        p *= 10;
    return p;
}

// The worked examples' number, size class and task: the fallback when no draw fits.
constexpr int exampleNumber = 2736;
constexpr int exampleSizeClass = 2;
constexpr int exampleTask = 0;

} // namespace

int roundHalfUp(int x, int unit)
{
    return (x + unit / 2) / unit * unit;
}

QString placeName(int k)
{
    if (k < 1 || k > 6) return {};
    const QString name = u"十百千万十百"_s.mid(k - 1, 1);
    return k >= 5 ? name + u"万"_s : name;
}

RoundingProblem roundingProblem(int subTopic, int sizeClass, int number, int task)
{
    RoundingProblem p;
    p.number = number;
    p.sizeClass = sizeClass;
    const QString x = QString::number(number);
    switch (subTopic) {
    case 2:
        p.unit = powerOfTen(sizeClass);
        p.question = x + u" の "_s + placeName(sizeClass) + u"の位までの \nがい数は？"_s;
        break;
    case 3: {
        // The lower task rounds at the place 10^c, the higher one at the leading digit.
        const int k = task <= 4 ? sizeClass : sizeClass + 1;
        p.unit = powerOfTen(k + 1);
        p.question = x + u" の "_s + placeName(k) + u"の位を\n四捨五入した がい数は？"_s;
        break;
    }
    case 4: {
        // A three-digit number has no third leading digit to round at.
        const bool three = task >= 5 && sizeClass > 1;
        p.unit = powerOfTen(three ? sizeClass - 1 : sizeClass);
        p.question = x + u" の 上から"_s + (three ? u"３"_s : u"２"_s) + u"けたの \nがい数は？"_s;
        break;
    }
    default: return {};
    }
    p.answer = roundHalfUp(number, p.unit);
    return p;
}

RoundingProblem drawRoundingProblem(int subTopic)
{
    if (subTopic < 2 || subTopic > roundingSubTopics) return {};
    Randomize();
    RoundingProblem p;
    const bool found = drawUntil(
        [&] {
            const int sizeClass = Random(9) / 2 + 1;
            // sizeClass + 2 digits, neither the smallest nor the largest such number.
            const int lowest = powerOfTen(sizeClass + 1) + 1;
            const int number = Random(9 * powerOfTen(sizeClass + 1) - 2) + lowest;
            const int task = subTopic == 2 ? 0 : Random(9);
            p = roundingProblem(subTopic, sizeClass, number, task);
        },
        [&] { return p.answer <= roundingLargestAnswer; });
    return found ? p : roundingProblem(subTopic, exampleSizeClass, exampleNumber, exampleTask);
}

QString roundingAnswerText(const RoundingProblem& p)
{
    return u"答え： "_s + QString::number(p.answer);
}

QStringList roundingExplanation()
{
    return {
        QString(),
        u"　「がい数」とは、大まかな数のことで、たとえば、"_s,
        u"　２７３８ を 何千 という「がい数」にすれば、"_s,
        u"　約３０００ になるよ。"_s,
        u"　"_s,
        u"　何千 という「がい数」にするには、千の位の一つ"_s,
        u"　下の位（百の位）の数が、０～４の時は「切り下げ」"_s,
        u"　て 百の位から下を ０ と みなし、５～９の時は "_s,
        u"　「切り上げ」て 百の位から下を １０００ と みなし"_s,
        u"　て、千の位に １ を たせばいいよ。"_s,
        QString(),
        u"　このようにして「がい数」をもとめる方法を"_s,
        u"　「四捨五入」というよ。"_s,
        QString(),
        // 2738 has 7 hundreds.
        u"　上のれい では、百の位が ７ なので、切り上げ"_s,
        u"　て 約３０００ に なるよ。"_s,
        QString(),
        u"　何千何百の「がい数」にするには、十の位が ３"_s,
        u"　なので、切り下げて 約２７００ に なるよ。"_s,
        u"　"_s,
    };
}

QString roundingExample(int subTopic)
{
    switch (subTopic) {
    case 2:
        return u"2736 を 百の位までのがい数に\nするには、上から百の位までを \nのこせばいいので、十の位を四捨\n"
               u"五入して 約2700 になるよ。"_s;
    case 3: return u"2736 を 百の位で四捨五入して\nがい数にするには、そのとおり\n四捨五入して 約3000 になるよ。"_s;
    case 4:
        return u"2736 を 上から２けたのがい数に\nするには、千と百の位を のこせば\nいいので、十の位を四捨五入して \n"
               u"約2700 になるよ。"_s;
    default: return {};
    }
}

} // namespace kazemaru
