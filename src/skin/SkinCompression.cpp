#include "skin/SkinCompression.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace skin {

std::vector<uint8_t> InflateSkin(std::span<const uint8_t> compressed) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) throw DecompressionError();
    z.next_in = const_cast<Bytef*>(compressed.data());
    z.avail_in = static_cast<uInt>(std::min<size_t>(compressed.size(), UINT_MAX));

    // Inflated straight into the result, which grows by doubling: the skin's pictures
    // unpack to several times the packed size, and copying them piece by piece into a
    // vector growing on its own cost a noticeable share of the program's start.
    std::vector<uint8_t> out(std::min(std::max<size_t>(compressed.size() * 4, 1 << 16), kMaxInflatedSkinSize + 1));
    size_t filled = 0;
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        if (filled == out.size()) {
            if (out.size() > kMaxInflatedSkinSize) break;  // reported below
            out.resize(std::min(out.size() * 2, kMaxInflatedSkinSize + 1));
        }
        const size_t room = std::min<size_t>(out.size() - filled, UINT_MAX);
        z.next_out = out.data() + filled;
        z.avail_out = static_cast<uInt>(room);
        rc = inflate(&z, Z_NO_FLUSH);
        filled += room - z.avail_out;
        // With free room to fill, Z_BUF_ERROR means the input ran out before the end
        // marker; Z_NEED_DICT is as fatal as a data error.
        if (rc != Z_OK && rc != Z_STREAM_END) break;
    }
    inflateEnd(&z);
    if (rc != Z_STREAM_END || filled > kMaxInflatedSkinSize) throw DecompressionError();
    out.resize(filled);
    return out;
}

std::vector<uint8_t> DeflateSkin(std::span<const uint8_t> data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<uint8_t> out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("compression error");
    out.resize(size);
    return out;
}

}  // namespace skin
