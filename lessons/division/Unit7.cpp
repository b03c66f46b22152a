#include "lessons/division/Unit7.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

using namespace longdiv;

namespace {

// Problem line, step text and judge mark.
const LabelDesign labelDesigns[] = {
    {4, 104, 208, 40, false, colour::navy},
    {5, 104, 296, 24, true, colour::navy},
    {6, 752, 544, 53, false, colour::red},
};

const SelectorDesign selectorDesigns[] = {
    {5, 823, u"千", 1000, 0, 28}, {4, 850, u"百", 100, 0, 28}, {3, 877, u"十", 10, 0, 28},
    {2, 904, u"一", 1, 0, 28},    {6, 904, u"商", 1, 0, 28},
};

FigureDesign threeDigitDesign()
{
    FigureDesign f;
    f.divisor = {QString(), 564, 316, 60, true};
    f.dividend = {QString(), threeDigitDividendLeft, 316, 100, false};
    f.rows = threeDigitRows();
    f.bar = QRect(632, 312, 129, 2);
    f.curve = QRect(632, 314, 17, 33);
    f.ruleLeft = 640;
    f.ruleWidth = 129;
    f.ruleTops = {376, 441, 505};
    f.arrowLeft = 616;
    return f;
}

} // namespace

TForm7::TForm7(QWidget* parent)
    : LongDivisionScreen(7, design(), parent)
{
}

LongDivisionDesign TForm7::design()
{
    LongDivisionDesign d;
    d.labels = labelDesigns;
    d.selectors = selectorDesigns;
    d.quotientSelector = 6;
    d.figure = threeDigitDesign();
    d.memoLines = memoLines();
    d.memoGeometry = QRect(112, 152, 720, 440);
    return d;
}

int TForm7::exampleCount(int subTopic) const
{
    return threeDigitExampleCount(subTopic);
}

std::unique_ptr<ExampleWalk> TForm7::makeWalk(Figure& figure, int subTopic, int example)
{
    return std::make_unique<PlanWalk>(figure, threeDigitPlan(), subTopic, example);
}

Problem TForm7::drawProblem(int subTopic)
{
    return drawThreeDigitProblem(subTopic);
}

std::unique_ptr<WrittenEntry> TForm7::makeEntry(Figure& figure, int subTopic, const Problem& problem)
{
    // The rows follow the true quotient's shape, whatever digits the child chooses.
    return std::make_unique<PlanEntry>(figure, threeDigitPlan(), subTopic, problem, threeDigitCase(subTopic, problem));
}

QString TForm7::firstPrompt(int, const Problem& problem) const
{
    return firstQuotientPrompt(writtenPlan(problem, threeDigitPlan().firstDigits));
}

void TForm7::placeForStart(Figure& figure)
{
    figure.place(Row::Quotient, threeDigitQuotientLeft);
}

QStringList TForm7::memoLines()
{
    return {
        QString(),
        u"　【計算のポイント】"_s,
        QString(),
        u"　・３６９２ ÷ ２４５ では、わる数（３けたの ２４５）と "_s,
        u"　　わられる数の左から３けたの数（３６９）を くらべると、"_s,
        u"　　３６９の方が 大きいので、３６９ ÷ ２４５ の計算を"_s,
        u"　　おこない、９ の上に 商の １ を たてる。"_s,
        QString(),
        u"　・２３４５÷ ２４５ では、わる数（３けたの ２４５）と "_s,
        u"　　わられる数の左から３けたの数（２３４）を くらべると、"_s,
        u"　　２３４の方が 小さくて われないので、１つずらし、"_s,
        u"　　２３４５ ÷ ２４５ の 計算をおこない、５ の上に 商の "_s,
        u"　　９ を たてる。"_s,
        u"　　"_s,
    };
}

} // namespace kazemaru
