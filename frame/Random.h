#pragma once
#include <functional>

namespace kazemaru {

// The one random generator of the program.
int Random(int n);                                      // uniform 0 … n−1; returns 0 without drawing when n <= 0
void Randomize();                                       // reseed from a high-resolution clock mixed with system entropy
void setRandomSource(std::function<int(int n)> source); // every draw comes from it; {} = real

// A bounded redraw: runs `draw` until `fits` holds, at most maxRedraws times; false when no draw
// fitted, and the caller then uses its fixed problem.
inline constexpr int maxRedraws = 1000;
template <typename Draw, typename Fits> bool drawUntil(Draw&& draw, Fits&& fits)
{
    for (int i = 0; i < maxRedraws; ++i) {
        draw();
        if (fits()) return true;
    }
    return false;
}

} // namespace kazemaru
