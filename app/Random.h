#pragma once
#include <functional>

namespace kazemaru {

// The one random generator of the program.
int Random(int n);                                      // uniform 0 … n−1; returns 0 without drawing when n <= 0
void Randomize();                                       // reseed from a high-resolution clock mixed with system entropy
void setRandomSource(std::function<int(int n)> source); // every draw comes from it; {} = real

} // namespace kazemaru
