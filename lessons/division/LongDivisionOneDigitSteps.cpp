// The worked examples of the one-digit divisor, step by step: what each step writes into the
// figure and the numbered explanation beside it.
#include "lessons/division/LongDivisionOneDigit.h"

namespace kazemaru::longdiv {

using namespace Qt::StringLiterals;

namespace {

// Multiply and subtract, up to the difference r: shared by the second steps.
QString multiplyAndSubtract(int P, int d, int q, int m, int r)
{
    return compose({u"\n"_s, u"　"_s,
                    d,       u" に 商の "_s,
                    q,       u" をかけた "_s,
                    m,       u" を "_s,
                    P,       u" の"_s,
                    u"\n"_s, u"　下に書く。"_s,
                    u"\n"_s, u"　その下に線をひき、線の下に "_s,
                    P,       u" から"_s,
                    u"\n"_s, u"　"_s,
                    m,       u" をひいた "_s,
                    r});
}

QString bringDown(const QString& place, int n)
{
    return compose({u" と、その右に "_s + place + u"の "_s, u"\n"_s, u"　"_s, n, u" を おろして書く。"_s});
}

QString step2Text(int subTopic, LayoutCase c, int D, int d, int P, int q, int m, int r, int n)
{
    if (c == LayoutCase::ShortStart) {
        const int h = D / 100;
        const int t = D / 10 % 10;
        return compose({u"【ステップ２】\n\n　"_s, h, u" は "_s, d, u" で われないので、"_s, u"\n"_s, u"　"_s, P,
                        u" を "_s, d, u" で わる。"_s, u"\n"_s, u"　商の "_s, q, u" を "_s, t, u" の上に書き、"_s}) +
               multiplyAndSubtract(P, d, q, m, r) + bringDown(u"一の位"_s, n);
    }
    const QString head = compose({u"【ステップ２】\n\n　"_s, P, u" を "_s, d, u" でわる。"_s, u"\n"_s, u"　商の "_s, q,
                                  u" を "_s, P, u" の上に書き、"_s}) +
                         multiplyAndSubtract(P, d, q, m, r);
    if (subTopic == 1) {
        if (r > 0) return head + bringDown(u"一の位"_s, n);
        return head + compose({u" は はぶき、一の位から"_s, u"\n"_s, u"　おろした"_s, n, u" だけを書く。"_s});
    }
    if (r > 0) return head + bringDown(u"十の位"_s, n);
    return head + compose({u" は はぶき、"_s, u"\n"_s, u"　十の位からおろした "_s, n, u" だけを書く。"_s});
}

// The division of a later step, from "divide P by d" to the difference r written below the rule.
QString divideAndWrite(const QString& title, int P, int d, int q, int over, int m, int r, bool tight, bool splitFrom)
{
    // Two spellings of the same sentence: "の上に" after the digit with or without a space, and
    // "P から" broken before or after "から".
    const QString above = tight ? u"の上に書き、"_s : u" の上に書き、"_s;
    const QString subtract = splitFrom ? compose({P, u"\n"_s, u"　から "_s, m, u" をひいた "_s})
                                       : compose({P, u" から"_s, u"\n"_s, u"　"_s, m, u" をひいた "_s});
    return compose({title, u"　次に、この "_s, P, u" を "_s, d, u" でわり、"_s, u"\n"_s, u"　商の "_s, q, u" を "_s,
                    over}) +
           above +
           compose({d, u" に 商の"_s, u"\n"_s, u"　"_s, q, u" をかけた "_s, m, u" を "_s, P, u" の下に書く。"_s,
                    u"\n"_s, u"　その下に 線をひき、線の下に "_s}) +
           subtract + compose({r, u" を書く。"_s});
}

} // namespace

OneDigitWalk::OneDigitWalk(Figure& figure, int subTopic, int example)
    : ExampleWalk(oneDigitExample(subTopic, example))
    , figure_(figure)
    , subTopic_(subTopic)
    , example_(example)
{
}

void OneDigitWalk::divide(int partial)
{
    P_ = partial;
    q_ = P_ / problem_.divisor;
    m_ = problem_.divisor * q_;
    r_ = P_ - m_;
}

StepShown OneDigitWalk::nextStep()
{
    ++step_;
    StepShown out;
    switch (step_) {
    case 1: out = step1(); break;
    case 2: out = step2(); break;
    case 3: out = step3(); break;
    default: out = step4(); break;
    }
    out.ends = !oneDigitExampleGoesOn(subTopic_, example_, step_);
    return out;
}

StepShown OneDigitWalk::step1()
{
    figure_.divisor = QString::number(problem_.divisor);
    figure_.dividend = QString::number(problem_.dividend);
    figure_.bracket = true;
    return {u"【ステップ１】\n\n　もんだいを 右図のように書く。"_s, stepCaption(2), {}, false};
}

StepShown OneDigitWalk::step2()
{
    const auto [D, d] = problem_;
    case_ = LayoutCase::Regular;
    int partial = 0;
    if (subTopic_ == 1) {
        partial = D / 10;
        n_ = D % 10;
    } else {
        partial = D / 100;
        n_ = D % 100 / 10;
        if (partial < d) {
            case_ = LayoutCase::ShortStart;
            partial = D / 10;
            n_ = D % 10;
            placeShortStart(figure_);
        }
    }
    divide(partial);
    figure_.show(Row::Quotient, q_);
    figure_.show(Row::Product1, m_);
    figure_.show(Row::Difference1, r_ > 0 ? joined(r_, n_) : QString::number(n_));
    figure_.rules[0] = true;
    return {step2Text(subTopic_, case_, D, d, P_, q_, m_, r_, n_), stepCaption(3), {}, false};
}

StepShown OneDigitWalk::step3()
{
    const auto [D, d] = problem_;
    divide(figure_.number(Row::Difference1));
    figure_.append(Row::Quotient, q_);
    const int Q = D / d;
    const int t = D / 10 % 10;
    const int u = D % 10;
    figure_.show(Row::Product2, m_);
    figure_.rules[1] = true;
    const QString title = u"【ステップ３】\n\n"_s;
    StepShown out{{}, stepCaption(4), {}, false};
    if (subTopic_ == 1) {
        out.answer = answerLine(D, d, Q, r_);
        if (q_ > 0) {
            figure_.place(Row::Difference2, oneDigitColumn1);
            figure_.show(Row::Difference2, r_);
            out.text = divideAndWrite(title, P_, d, q_, u, m_, r_, false, true) + closing(Q, r_);
        } else {
            // Nothing to subtract: the first difference row already holds the remainder.
            figure_.show(Row::Product2, QString());
            figure_.rules[1] = false;
            out.text =
                compose({title, u"　次に、この "_s, P_, u" は "_s, d, u" でわれないので"_s, u"\n"_s, u"　商の ０ を "_s,
                         u, u" の上に書き、"_s, d, u" に商の"_s, u"\n"_s, u"　０ をかける計算は はぶく。"_s}) +
                closing(Q, r_);
        }
    } else if (case_ == LayoutCase::Regular) {
        if (q_ > 0) {
            figure_.show(Row::Difference2, joined(r_, u));
            out.text = divideAndWrite(title, P_, d, q_, t, m_, r_, true, true);
        } else {
            case_ = LayoutCase::ZeroMiddle;
            const QString L = figure_.text(Row::Difference1);
            figure_.place(Row::Difference1, oneDigitColumn2);
            figure_.place(Row::Product2, oneDigitColumn2);
            figure_.show(Row::Difference1, L + QString::number(u));
            figure_.show(Row::Product2, QString());
            figure_.rules[1] = false;
            out.text = compose({title,   u"　次に、この "_s,
                                P_,      u" は "_s,
                                d,       u" で われないので、"_s,
                                u"\n"_s, u"　０ を "_s,
                                t,       u" の上に書き、"_s,
                                d,       u" に ０を"_s,
                                u"\n"_s, u"　かける計算は はぶき、一の位の "_s,
                                u,       u" を "_s,
                                u"\n"_s, u"　おろして "_s,
                                L,       u" の右に書く。"_s});
        }
    } else {
        figure_.show(Row::Difference2, r_);
        out.answer = answerLine(D, d, Q, r_);
        out.text = divideAndWrite(title, P_, d, q_, u, m_, r_, false, false) + closing(Q, r_);
    }
    return out;
}

StepShown OneDigitWalk::step4()
{
    const auto [D, d] = problem_;
    if (case_ == LayoutCase::ZeroMiddle) {
        figure_.rules[1] = true;
        divide(figure_.number(Row::Difference1));
        figure_.show(Row::Product2, m_);
        figure_.show(Row::Difference2, r_);
    } else {
        figure_.rules[2] = true;
        divide(figure_.number(Row::Difference2));
        figure_.show(Row::Product3, m_);
        figure_.show(Row::Difference3, r_);
    }
    const int Q = D / d;
    const int u = D % 10;
    figure_.show(Row::Quotient, Q);
    const QString text = lastStepText(P_, d, q_, u, m_, r_, Q);
    return {text, stepCaption(1), answerLine(D, d, Q, r_), false};
}

} // namespace kazemaru::longdiv
