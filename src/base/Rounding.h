#pragma once
// The two integer conversions used throughout the drawing code.
//   rnd: to the nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
//   div: integer division truncating toward zero (-7 div 2 = -3).

#include <cmath>
#include <cstdint>
#include <limits>

namespace base {

inline int64_t rnd64(double x) {
    if (std::isnan(x)) return 0;
    double lower = std::floor(x);
    double diff = x - lower;
    double r = lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0)) r = lower + 1.0;
    if (r >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
    if (r <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

// Saturates at the int range, so a huge value never becomes undefined behaviour.
inline int rnd(double x) {
    int64_t r = rnd64(x);
    if (r > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (r < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// Division by zero gives 0 instead of trapping; INT_MIN div -1 saturates.
constexpr int div(int a, int b) {
    if (b == 0) return 0;
    if (b == -1 && a == std::numeric_limits<int>::min()) return std::numeric_limits<int>::max();
    return a / b;
}

// a * b / c with a 64-bit intermediate, rounded to the nearest integer with halves away from
// zero; 0 when c is 0, saturated at the int range.
constexpr int MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    int64_t num = static_cast<int64_t>(a) * b;
    int64_t den = c;
    if (den < 0) { num = -num; den = -den; }
    int64_t q = (num >= 0 ? num + den / 2 : num - den / 2) / den;
    if (q > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (q < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(q);
}

}  // namespace base
