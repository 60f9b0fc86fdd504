#pragma once
// Exact integer helpers of the rasterizer. Shape geometry is decided with integer
// arithmetic only, so a pixel's membership never depends on floating-point rounding and
// a direction point twice as far away gives bit-for-bit the same shape.
//
// Products of a direction (up to 2^32) and a doubled coordinate (up to 2^34) do not fit
// in 64 bits, so the shape code is written once as a template over the integer type and
// run with int64_t when every input is small (the usual case, and the fast one) and with
// a 128-bit integer otherwise.

#include <cstdint>
#include <limits>

namespace gfx::raster::detail {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// Pixels are produced only inside [-kLimit, kLimit) in both directions; larger shapes
// are clipped there, so no input can make the rasterizer loop or allocate without bound.
constexpr int64_t kLimit = int64_t(1) << 20;

// Stand-ins for "no bound" in column ranges: far outside every int coordinate, far from
// overflowing when a few are added together.
constexpr int64_t kMinusInfinity = -(int64_t(1) << 40);
constexpr int64_t kPlusInfinity = int64_t(1) << 40;

template <typename Int>
constexpr Int FloorDiv(Int n, Int d) {
    Int q = n / d;
    if ((n % d != 0) && ((n < 0) != (d < 0))) --q;
    return q;
}

template <typename Int>
constexpr Int CeilDiv(Int n, Int d) {
    Int q = n / d;
    if ((n % d != 0) && ((n < 0) == (d < 0))) ++q;
    return q;
}

template <typename Int>
constexpr int64_t ClampToInt64Range(Int v) {
    if (v < Int(kMinusInfinity)) return kMinusInfinity;
    if (v > Int(kPlusInfinity)) return kPlusInfinity;
    return static_cast<int64_t>(v);
}

template <typename T>
constexpr T Abs(T v) {
    return v < 0 ? -v : v;
}

}  // namespace gfx::raster::detail
