#include "chart/ResampleFilters.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chart {

namespace {

int Mirror(int j, int length) {
    if (j < 0) j = -j;
    if (j >= length) j = 2 * length - 1 - j;
    return std::clamp(j, 0, length - 1);
}


// Four floats handled as one register where the machine allows it.
typedef float Float4 __attribute__((vector_size(16)));

typedef int32_t Int4 __attribute__((vector_size(16)));
typedef uint8_t Byte4 __attribute__((vector_size(4)));

// Rounded half to even and clamped to 0..255, in all four lanes.
inline Int4 ToBytes(Float4 sum) {
    const Float4 magic{12582912.0f, 12582912.0f, 12582912.0f, 12582912.0f};
    Float4 rounded = (sum + magic) - magic;
    const Float4 zero{0.0f, 0.0f, 0.0f, 0.0f}, top{255.0f, 255.0f, 255.0f, 255.0f};
    rounded = rounded < zero ? zero : rounded;
    rounded = rounded > top ? top : rounded;
    return __builtin_convertvector(rounded, Int4);
}

inline void StoreBytes4(Float4 sum, uint8_t* out) {
    const Byte4 bytes = __builtin_convertvector(ToBytes(sum), Byte4);
    std::memcpy(out, &bytes, 4);
}

// The first three lanes rounded half to even, clamped to 0..255 and stored as bytes.
inline void StoreBytes(Float4 sum, uint8_t* out) {
    const Int4 bytes = ToBytes(sum);
    out[0] = uint8_t(bytes[0]);
    out[1] = uint8_t(bytes[1]);
    out[2] = uint8_t(bytes[2]);
}

#if defined(__SSE2__)
// acc[q] += weight x bytes q*4 .. q*4+3, sixteen bytes per step; returns the quads done.
inline size_t AccumulateSixteens(const uint8_t* in, float weight, Float4* acc, size_t quads) {
    const __m128i zero = _mm_setzero_si128();
    const __m128 w = _mm_set1_ps(weight);
    size_t q = 0;
    for (; q + 4 <= quads; q += 4, in += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        const __m128i lo = _mm_unpacklo_epi8(v, zero), hi = _mm_unpackhi_epi8(v, zero);
        const __m128 f[4] = {_mm_cvtepi32_ps(_mm_unpacklo_epi16(lo, zero)),
                             _mm_cvtepi32_ps(_mm_unpackhi_epi16(lo, zero)),
                             _mm_cvtepi32_ps(_mm_unpacklo_epi16(hi, zero)),
                             _mm_cvtepi32_ps(_mm_unpackhi_epi16(hi, zero))};
        for (int i = 0; i < 4; ++i) acc[q + size_t(i)] += Float4(_mm_mul_ps(w, f[i]));
    }
    return q;
}
#else
inline size_t AccumulateSixteens(const uint8_t*, float, Float4*, size_t) { return 0; }
#endif

// Byte values as floats, looked up rather than converted one by one.
struct ByteFloats {
    float value[256];
    ByteFloats() {
        for (int i = 0; i < 256; ++i) value[i] = float(i);
    }
};
const ByteFloats kByteFloats;

}  // namespace

TCLArray BuildContributors(int sourceLength, int targetLength) {
    TCLArray lists(size_t(std::max(targetLength, 0)));
    if (sourceLength < 2 || targetLength < 2) return lists;
    const float scale = float(targetLength - 1) / float(sourceLength - 1);
    const float radius = 1.0f / scale;
    for (int i = 0; i < targetLength; ++i) {
        const float centre = float(i) / scale;
        TCList& list = lists[size_t(i)];
        int first = int(std::floor(centre - radius));
        int last = int(std::ceil(centre + radius));
        for (int j = first; j <= last && list.n < TCList::kCapacity; ++j) {
            float distance = std::fabs(centre - float(j));
            if (!(distance < radius)) continue;
            list.p[size_t(list.n)] = {Mirror(j, sourceLength), (1.0f - distance / radius) / radius};
            ++list.n;
        }
    }
    return lists;
}

void BoxFilterReduce(const gfx::Bitmap& source, gfx::Bitmap& target) {
    const int w = std::min(target.Width(), source.Width() / 2);
    const int h = std::min(target.Height(), source.Height() / 2);
    for (int y = 0; y < h; ++y) {
        const uint8_t* a = source.Row(2 * y);
        const uint8_t* b = source.Row(2 * y + 1);
        uint8_t* out = target.Row(y);
        for (int x = 0; x < w; ++x, a += 6, b += 6, out += 3) {
            for (int c = 0; c < 3; ++c)
                out[c] = uint8_t((unsigned(a[c]) + a[c + 3] + b[c] + b[c + 3]) >> 2);
        }
    }
}

void TentFilterReduce(const gfx::Bitmap& source, gfx::Bitmap& target) {
    const int sw = source.Width(), sh = source.Height();
    const int w = target.Width(), h = target.Height();
    if (sw < 2 || sh < 2 || w < 2 || h < 2) return;
    const TCLArray columns = BuildContributors(sw, w);
    const TCLArray rows = BuildContributors(sh, h);

    // First pass: every source row into a W x SH intermediate of bytes. Each source pixel
    // becomes one four-float vector (blue, green, red, unused) once per row; every target
    // pixel then sums its contributors in list order, each channel in its own lane, so the
    // sums are exactly those of the channel-by-channel definition.
    gfx::Bitmap between(w, sh);
    std::vector<Float4> pixels(static_cast<size_t>(sw));
    const size_t rowBytes = size_t(sw) * 3;
    for (int y = 0; y < sh; ++y) {
        const uint8_t* in = source.Row(y);
        uint8_t* out = between.Row(y);
        // A row equal to the one above (plain background) gives the same result.
        if (y > 0 && std::memcmp(in, source.Row(y - 1), rowBytes) == 0) {
            std::memcpy(out, between.Row(y - 1), size_t(w) * 3);
            continue;
        }
        for (int x = 0; x < sw; ++x)
            pixels[size_t(x)] = Float4{kByteFloats.value[in[3 * x]], kByteFloats.value[in[3 * x + 1]],
                                       kByteFloats.value[in[3 * x + 2]], 0.0f};
        for (int x = 0; x < w; ++x, out += 3) {
            const TCList& list = columns[size_t(x)];
            Float4 sum{0.0f, 0.0f, 0.0f, 0.0f};
            for (int k = 0; k < list.n; ++k) sum += list.p[size_t(k)].weight * pixels[size_t(list.p[size_t(k)].pixel)];
            StoreBytes(sum, out);
        }
    }

    // Second pass: each target row sums whole intermediate rows, contributor by
    // contributor in list order, which gives every pixel the same sum as a walk down
    // its column.
    // Rows are padded to whole groups of four bytes, so both bitmaps are read and written
    // four channels at a time; the padding sums to 0 and stays 0.
    const size_t quads = size_t(between.Stride()) / 4;
    std::vector<Float4> acc(quads);
    for (int y = 0; y < h; ++y) {
        std::fill(acc.begin(), acc.end(), Float4{0.0f, 0.0f, 0.0f, 0.0f});
        const TCList& list = rows[size_t(y)];
        for (int k = 0; k < list.n; ++k) {
            const uint8_t* in = between.Row(list.p[size_t(k)].pixel);
            const float wk = list.p[size_t(k)].weight;
            size_t q = AccumulateSixteens(in, wk, acc.data(), quads);
            for (in += 4 * q; q < quads; ++q, in += 4) {
                Byte4 bytes;
                std::memcpy(&bytes, in, 4);
                acc[q] += wk * __builtin_convertvector(bytes, Float4);
            }
        }
        uint8_t* out = target.Row(y);
        for (size_t q = 0; q < quads; ++q, out += 4) StoreBytes4(acc[q], out);
    }
}

}  // namespace chart
