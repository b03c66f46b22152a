#include "lessons/area/AreaWalk.h"

#include "lessons/shared/StepProtocol.h"

#include <array>

using namespace Qt::StringLiterals;

namespace kazemaru {

namespace {

const std::array rectangleSteps{
    u"【ステップ１】\n\n　長方形や正方形の面積は、次のしきで\n　計算すればいいよ。\n\n　面積 = タテの長さ x ヨコの長さ"_s,
    u"【ステップ２】\n\n　左の長方形の面積は：　6 x 10 = 60 c㎡\n\n　右の正方形の面積は：　6 x 6 = 36 c㎡"_s,
};

// The three ways of cutting the notched shape all carry the second step's heading.
const std::array notchedSteps{
    u"【ステップ１】\n\n　図１～図３のように、凸凹の形に線を入れて\n　長方形や正方形のあつまりを作り、それらの \n"
    u"　たし算やひき算で もとめればいいよ。"_s,
    u"【ステップ２】\n\n　図１のケース： \n　Ａの面積：6 x 10 = 60 \n　Ｂの面積： (6 - 4) x (10 - 6) = 2 x 4 = 8 \n"
    u"　凸凹の面積：A - B = 60 - 8 = 52 c㎡"_s,
    u"【ステップ２】\n\n　図２のケース： \n　Ａの面積：6 x 6 = 36 \n　Ｂの面積： 4 x (10 - 6) = 4 x 4 = 16 \n"
    u"　凸凹の面積：A + B = 36 + 16 = 52 c㎡"_s,
    u"【ステップ２】\n\n　図３のケース： \n　Ａの面積：(6 - 4) x 6 = 12 \n　Ｂの面積： 4 x 10 = 40 \n"
    u"　凸凹の面積：A + B = 12 + 40 = 52 c㎡"_s,
};

} // namespace

QString areaOpening(int subTopic)
{
    switch (subTopic) {
    case 1: return u"上のような長方形や正方形の面積を\nもとめるには?"_s;
    case 2: return u"上のような凸凹形の面積をもとめる\nには?"_s;
    case 3:
        return u"面積の単位の c㎡、㎡、k㎡ の関係は\n次のとおりだよ。\n\n1 ㎡ = 100 cm x 100 cm = 10000 c㎡\n"
               u"1 k㎡ = 1000 m x 1000 m = 1000000 ㎡"_s;
    default: return {};
    }
}

AreaWalk::AreaWalk(int subTopic)
    : subTopic_(subTopic)
{
}

int AreaWalk::stepCount() const
{
    switch (subTopic_) {
    case 1: return int(rectangleSteps.size());
    case 2: return int(notchedSteps.size());
    default: return 0;
    }
}

void AreaWalk::advance()
{
    if (stepCount() == 0) return;
    step_ = step_ % stepCount() + 1;
}

QString AreaWalk::text() const
{
    if (step_ == 0) return {};
    return subTopic_ == 1 ? rectangleSteps[std::size_t(step_ - 1)] : notchedSteps[std::size_t(step_ - 1)];
}

QString AreaWalk::caption() const
{
    const int next = stepCount() > 0 ? step_ % stepCount() + 1 : 1;
    return written::stepCaption(next);
}

} // namespace kazemaru
