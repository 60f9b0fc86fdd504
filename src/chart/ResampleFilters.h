#pragma once
// The two filters that reduce the supersampled scratch picture to the target size.
//   Box (smoothing "low"):  each target pixel is the mean of its 2 x 2 source block.
//   Tent (smoothing "high"): a separable triangle filter of radius 1/scale, columns first
//   into a 24-bit intermediate, then rows; 32-bit float sums, mirrored edges, channels
//   rounded half to even and clamped to 0..255.
// Both need a 24-bit target of at least 2 x 2 pixels and a 24-bit source.

#include <array>
#include <cstdint>
#include <vector>

#include "gfx/Bitmap.h"

namespace chart {

struct TContributor {
    int32_t pixel = 0;  // source index, already mirrored into range
    float weight = 0;
};

// The source pixels that make up one target column or row.
struct TCList {
    static constexpr int kCapacity = 5;
    int32_t n = 0;
    std::array<TContributor, kCapacity> p{};
};

using TCLArray = std::vector<TCList>;

// One list per target index for a reduction from `sourceLength` to `targetLength`
// (both at least 2).
TCLArray BuildContributors(int sourceLength, int targetLength);

// Source must be at least 2W x 2H for a W x H target.
void BoxFilterReduce(const gfx::Bitmap& source, gfx::Bitmap& target);
void TentFilterReduce(const gfx::Bitmap& source, gfx::Bitmap& target);

}  // namespace chart
