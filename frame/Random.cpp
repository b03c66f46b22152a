#include "frame/Random.h"

#include <chrono>
#include <random>

namespace kazemaru {
namespace {

std::mt19937& engine()
{
    static std::mt19937 e{std::random_device{}()};
    return e;
}

std::function<int(int)>& source()
{
    static std::function<int(int)> s;
    return s;
}

} // namespace

int Random(int n)
{
    if (n <= 0) return 0;
    if (source()) return source()(n);
    return std::uniform_int_distribution<int>(0, n - 1)(engine());
}

void Randomize()
{
    // Two problems drawn within the same clock tick must still differ, so the clock alone is not enough.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32), std::random_device{}(),
                      static_cast<unsigned>(engine()())};
    engine().seed(seq);
}

void setRandomSource(std::function<int(int n)> s)
{
    source() = std::move(s);
}

} // namespace kazemaru
