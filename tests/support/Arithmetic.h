#pragma once
// Arithmetic the tests do on their own, as a child learns it, to check the program's answers:
// expressions by the order of operations, the statements of a worked text, kanji numerals read
// back to numbers, rounding on the digit string.
#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <limits>
#include <optional>

namespace kazemaru::test {

using Value = std::optional<long>;

// Evaluates tokens[pos…] of whole numbers, + - x ÷ and brackets by the usual precedence, at
// `level` 0 (sums), 1 (products) or 2 (a number or a bracket); nothing for an inexact division.
inline Value evaluate(const QStringList& t, qsizetype& pos, int level = 0)
{
    const auto at = [&](const char16_t* s) { return pos < t.size() && t[pos] == QStringView(s); };
    if (level == 2) {
        if (at(u"(")) {
            const Value v = evaluate(t, ++pos);
            return at(u")") ? (++pos, v) : std::nullopt;
        }
        bool ok = false;
        const long v = pos < t.size() ? t[pos].toLong(&ok) : 0;
        return ok ? (++pos, Value(v)) : std::nullopt;
    }
    Value v = evaluate(t, pos, level + 1);
    while (v && (level == 0 ? at(u"+") || at(u"-") : at(u"x") || at(u"÷"))) {
        const QString op = t[pos++];
        const Value r = evaluate(t, pos, level + 1);
        if (!r || (op == QStringView(u"÷") && (*r == 0 || *v % *r))) return std::nullopt;
        v = op == QStringView(u"+")   ? *v + *r
            : op == QStringView(u"-") ? *v - *r
            : op == QStringView(u"x") ? *v * *r
                                      : *v / *r;
    }
    return v;
}

// The value of an expression written with spaces between its tokens: "42 - ( 23 + 16 )".
inline Value valueOf(const QString& text)
{
    const QStringList tokens = text.split(u' ', Qt::SkipEmptyParts);
    qsizetype pos = 0;
    const Value v = evaluate(tokens, pos);
    return pos == tokens.size() ? v : std::nullopt;
}

// Reads a kanji numeral back to its value: units 兆, 億, 万 in falling order, places 千, 百, 十 in
// falling order inside each unit, one digit before each. -1 for anything out of that form.
inline qint64 readKanji(const QString& numeral)
{
    static const QString digits = QStringLiteral("一二三四五六七八九"), places = QStringLiteral("千百十");
    static const QHash<QChar, qint64> units{{u'万', 10'000}, {u'億', 100'000'000}, {u'兆', 1'000'000'000'000}};
    qint64 total = 0, group = 0, lastUnit = std::numeric_limits<qint64>::max();
    int digit = 0, lastPlace = -1;
    for (const QChar c : numeral) {
        if (const qsizetype d = digits.indexOf(c); d >= 0) {
            if (digit) return -1;
            digit = int(d) + 1;
        } else if (const qsizetype p = places.indexOf(c); p >= 0) {
            if (p <= lastPlace) return -1;
            group += (digit ? digit : 1) * (p == 0 ? 1000 : p == 1 ? 100 : 10);
            digit = 0;
            lastPlace = int(p);
        } else if (units.contains(c) && units[c] < lastUnit && group + digit > 0) {
            total += (group + digit) * units[c];
            group = digit = 0;
            lastPlace = -1;
            lastUnit = units[c];
        } else {
            return -1;
        }
    }
    return total + group + digit;
}

// `x` rounded half up so that its last `zeros` digits are 0, done on its digit string: keep the
// leading digits, add 1 to them when the first digit dropped is 5 or more, fill with zeros.
inline qint64 roundOnDigits(qint64 x, int zeros)
{
    const QString digits = QString::number(x);
    const qsizetype keep = digits.size() - zeros;
    if (keep < 0) return 0;
    QString kept = digits.left(keep);
    if (keep < digits.size() && digits[keep] >= u'5') {
        qsizetype i = kept.size() - 1;
        for (; i >= 0 && kept[i] == u'9'; --i)
            kept[i] = u'0';
        if (i >= 0)
            kept[i] = QChar(kept[i].unicode() + 1);
        else
            kept.prepend(u'1');
    }
    return (kept.isEmpty() ? QStringLiteral("0") : kept + QString(zeros, u'0')).toLongLong();
}

// Checks every statement of arithmetic in a text a child reads, line by line, and gives how many
// there are; -1 at the first wrong one, which goes to `wrong`. A statement is a chain of equal
// expressions ("6 x 10 = 60 c㎡", "(6 - 4) x (10 - 6) = 2 x 4 = 8"; a line that starts with "="
// goes on from the line above), a division with its remainder ("58 ÷ 4 = 14  あまり 2", whose
// remainder must be below the divisor), or "□ = 100 - 80 = 20", whose value must make the
// equation with □ on the line above it true. Full-width digits count as digits; text before the
// first number or "□", and from the first character that is no part of arithmetic, is ignored.
inline int checkStatements(const QString& text, QString* wrong = nullptr)
{
    static const QRegularExpression remainder(QStringLiteral("(\\d+) ÷ (\\d+) = (\\d+)[\\s\\x{3000}]*あまり (\\d+)"));
    static const QRegularExpression start(QStringLiteral("[0-9(□=]"));
    static const QRegularExpression arithmetic(QStringLiteral("^[0-9 ()+\\-x÷=□]*"));
    const auto fail = [&](const QString& line) {
        if (wrong) *wrong = line;
        return -1;
    };
    int checked = 0;
    Value chain;     // the value of the last chain, for a line that goes on from it
    QString withBox; // the last equation with □ whose value is still to come
    for (QString line : text.split(u'\n')) {
        for (QChar& c : line)
            if (c >= u'０' && c <= u'９') c = QChar(c.unicode() - u'０' + u'0');
        line.replace(u'ｘ', u'x');
        if (const auto m = remainder.match(line); m.hasMatch()) {
            const long a = m.captured(1).toLong(), b = m.captured(2).toLong(), q = m.captured(3).toLong(),
                       r = m.captured(4).toLong();
            if (b * q + r != a || r >= b) return fail(line);
            ++checked;
            continue;
        }
        const qsizetype from = line.indexOf(start);
        if (from < 0) continue;
        QString expr = arithmetic.match(line.mid(from)).captured().trimmed();
        if (!expr.contains(u'=')) continue;
        if (expr.contains(QStringLiteral("□")) && !expr.startsWith(QStringLiteral("□ ="))) {
            withBox = expr;
            continue;
        }
        expr.replace(QStringLiteral("("), QStringLiteral("( ")).replace(QStringLiteral(")"), QStringLiteral(" )"));
        QStringList sides = expr.split(u'=');
        if (sides.size() < 2) continue;
        const bool box = sides.first().trimmed() == QStringLiteral("□");
        // "A - B = 60 - 8 = 52": the words before the numbers name the chain's first side.
        if (box || (sides.first().trimmed().isEmpty() && !line.left(from).trimmed().isEmpty())) sides.removeFirst();
        if (sides.size() < 2 ||
            std::any_of(sides.begin() + 1, sides.end(), [](const QString& s) { return s.trimmed().isEmpty(); }))
            continue;
        if (!sides.first().trimmed().isEmpty())
            chain = valueOf(sides.first());
        else if (!chain)
            continue;
        for (const QString& side : sides.mid(1))
            if (valueOf(side) != chain) return fail(line);
        if (box) {
            if (withBox.isEmpty() || !chain) return fail(line);
            const QStringList equation = withBox.replace(QStringLiteral("□"), QString::number(*chain)).split(u'=');
            if (equation.size() != 2 || valueOf(equation[0]) != valueOf(equation[1])) return fail(line);
            withBox.clear();
        }
        ++checked;
    }
    return checked;
}

} // namespace kazemaru::test
