#include "lessons/division/Unit6.h"

#include "lessons/division/LongDivisionTwoDigit.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

using namespace longdiv;

namespace {

const SelectorDesign selectorDesigns[] = {
    {4, 850, u"百", 100, 0, 28},
    {3, 877, u"十", 10, 0, 28},
    {2, 904, u"一", 1, 0, 28},
    {5, 904, u"商", 1, 0, 28},
};

LongDivisionDesign design()
{
    LongDivisionDesign d;
    d.selectors = selectorDesigns;
    d.quotientSelector = 5;
    d.figure = figureDesign({QString(), 608, 316, 40, true}, {QString(), twoDigitDividendLeft, 316, 80, false},
                            twoDigitRows(), 656, 105, 664, 97, 640);
    d.memoLines = TForm6::memoLines();
    d.memoGeometry = QRect(88, 144, 720, 440);
    d.rules = {twoDigitPlan, twoDigitExampleCount, drawTwoDigitProblem, nullptr};
    return d;
}

} // namespace

TForm6::TForm6(QWidget* parent)
    : LongDivisionScreen(6, design(), parent)
{
}

QStringList TForm6::memoLines()
{
    return {
        QString(),
        u"　【計算のポイント】"_s,
        QString(),
        u"　・３６９２ ÷ ２４ では、わる数（２けたの ２４）と わられる数"_s,
        u"　　の左から２けたの数（３６）を くらべると、３６の方が 大きい"_s,
        u"　　ので、３６ ÷ ２４ の計算をおこない、６ の上に 商の １ を "_s,
        u"　　たてる。"_s,
        QString(),
        u"　・２３４５÷ ２４ では、わる数（２けたの ２４）と わられる数"_s,
        u"　　の左から２けたの数（２３）を くらべると、２３の方が 小さく"_s,
        u"　　て われないので、１つずらし、２３４ ÷ ２４ の 計算を"_s,
        u"　　おこない、４ の上に 商の ９ を たてる。"_s,
        QString(),
        QString(),
        u"　　　　"_s,
    };
}

} // namespace kazemaru
