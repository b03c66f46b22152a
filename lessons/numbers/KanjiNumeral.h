#pragma once
// Whole numbers up to the 千兆 place, held as their count of 千万 (ten millions): N = 12 is
// 120,000,000, read 一億二千万. Every place below 千万 is 0, so N stays within 32 bits.
#include <QString>
#include <array>

namespace kazemaru {

inline constexpr int tenMillionsMax = 999'999'999; // 9,999兆9,999億9千万

// The nine places that can be non-zero, 千兆 first: their weights in units of 千万.
inline constexpr std::array<int, 9> tenMillionPlaceWeights{100'000'000, 10'000'000, 1'000'000, 100'000, 10'000,
                                                           1'000,       100,        10,        1};

// The digits of N at those places, 千兆 first. N is 0 … tenMillionsMax.
std::array<int, 9> tenMillionPlaceDigits(int tenMillions);

// The kanji numeral of N × 10,000,000, without spaces: 一千万, 一億, 百億一千万, 千二百三十四兆….
// The 千, 百 and 十 of the 兆 and 億 groups drop their 一 (千兆, 十億), the group units and the
// 千万 keep it (一兆, 一億, 一千万). Empty outside 1 … tenMillionsMax.
QString kanjiNumeral(int tenMillions);

// The number in ordinary digits: N followed by the seven zeros below 千万 ("10000000" for 1).
QString tenMillionsDigits(int tenMillions);

} // namespace kazemaru
