#include "lessons/division/Unit6.h"

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
    {4, 850, u"百", 100, 0, 28},
    {3, 877, u"十", 10, 0, 28},
    {2, 904, u"一", 1, 0, 28},
    {5, 904, u"商", 1, 0, 28},
};

FigureDesign twoDigitDesign()
{
    FigureDesign f;
    f.divisor = {QString(), 608, 316, 40, true};
    f.dividend = {QString(), twoDigitDividendLeft, 316, 80, false};
    f.rows = twoDigitRows();
    f.bar = QRect(656, 312, 105, 2);
    f.curve = QRect(656, 314, 17, 33);
    f.ruleLeft = 664;
    f.ruleWidth = 97;
    f.ruleTops = {376, 441, 505};
    f.arrowLeft = 640;
    return f;
}

} // namespace

TForm6::TForm6(QWidget* parent)
    : LongDivisionScreen(6, design(), parent)
{
}

LongDivisionDesign TForm6::design()
{
    LongDivisionDesign d;
    d.labels = labelDesigns;
    d.selectors = selectorDesigns;
    d.quotientSelector = 5;
    d.figure = twoDigitDesign();
    d.memoLines = memoLines();
    d.memoGeometry = QRect(88, 144, 720, 440);
    return d;
}

int TForm6::exampleCount(int subTopic) const
{
    return twoDigitExampleCount(subTopic);
}

std::unique_ptr<ExampleWalk> TForm6::makeWalk(Figure& figure, int subTopic, int example)
{
    return std::make_unique<PlanWalk>(figure, twoDigitPlan(), subTopic, example);
}

Problem TForm6::drawProblem(int subTopic)
{
    return drawTwoDigitProblem(subTopic);
}

std::unique_ptr<WrittenEntry> TForm6::makeEntry(Figure& figure, int subTopic, const Problem& problem)
{
    return std::make_unique<PlanEntry>(figure, twoDigitPlan(), subTopic, problem);
}

QString TForm6::firstPrompt(int, const Problem& problem) const
{
    return firstQuotientPrompt(writtenPlan(problem, twoDigitPlan().firstDigits));
}

void TForm6::placeForStart(Figure& figure)
{
    figure.place(Row::Quotient, twoDigitQuotientLeft);
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
