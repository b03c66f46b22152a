#include "lessons/division/LongDivision.h"

#include "lessons/division/DivisionAnswer.h"

namespace kazemaru::longdiv {

using namespace Qt::StringLiterals;

int rowIndex(Row row)
{
    return static_cast<int>(row);
}

int rowLabelNumber(Row row)
{
    return row == Row::Quotient ? 7 : 9 + rowIndex(row);
}

int arrowTop(Row row)
{
    // The arrow stands 8 pixels below a row's top, 10 beside the quotient row.
    static constexpr std::array<int, rowCount> tops{290, 356, 388, 420, 452, 484, 516};
    return tops[static_cast<size_t>(rowIndex(row))];
}

void Figure::clear()
{
    divisor.clear();
    dividend.clear();
    for (RowState& r : rows)
        r.text.clear();
    bracket = false;
    rules = {};
    arrowShown = false;
}

Figure designedFigure(const std::array<RowState, rowCount>& rows)
{
    Figure f;
    f.rows = rows;
    return f;
}

QString compose(std::initializer_list<Piece> pieces)
{
    QString s;
    for (const Piece& p : pieces)
        s += p.text;
    return s;
}

QString problemLine(int dividend, int divisor)
{
    return compose({dividend, u" ÷ "_s, divisor, u" = ?"_s});
}

QString answerLine(int dividend, int divisor, int quotient, int remainder)
{
    return compose({dividend, u" ÷ "_s, divisor, u" = "_s}) + quotientWithRemainder(quotient, remainder);
}

QString closing(int Q, int r)
{
    return QString(closingPattern).replace(u"{Q}"_s, QString::number(Q)).replace(u"{r}"_s, QString::number(r));
}

QString lastStepText(int P, int d, int q, int u, int m, int r, int Q)
{
    return compose({u"【ステップ４】\n\n　次に、この "_s,
                    P,
                    u" を "_s,
                    d,
                    u" でわる。"_s,
                    u"\n"_s,
                    u"　商の "_s,
                    q,
                    u" を "_s,
                    u,
                    u" の上に書き、"_s,
                    d,
                    u" に 商の"_s,
                    u"\n"_s,
                    u"　"_s,
                    q,
                    u" をかけた "_s,
                    m,
                    u" を "_s,
                    P,
                    u" の下に書く。"_s,
                    u"\n"_s,
                    u"　その下に 線をひき、"_s,
                    P,
                    u" から "_s,
                    m,
                    u" を"_s,
                    u"\n"_s,
                    u"　ひいた "_s,
                    r,
                    u" を 線の下に書く。"_s}) +
           closing(Q, r);
}

QString joined(int left, int right)
{
    return QString::number(left) + QString::number(right);
}

bool entryIsRight(int dividend, int divisor, const QString& quotientRow, int remainder)
{
    // Wide enough for any row of digits the selectors can produce.
    const qint64 total = quotientRow.toLongLong() * divisor + remainder;
    return total == dividend && remainder < divisor;
}

QString arrowPrompt()
{
    return u"赤い矢印のところを 答えてね！"_s;
}
QString onesQuotientPrompt()
{
    return u"商の一の位を 答えてね！"_s;
}
QString tensQuotientPrompt()
{
    return u"商の十の位を 答えてね！"_s;
}
QString hundredsQuotientPrompt()
{
    return u"商の百の位を 答えてね！"_s;
}

} // namespace kazemaru::longdiv
