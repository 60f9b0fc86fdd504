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

    std::vector<uint8_t> out;
    uint8_t piece[4096];
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        z.next_out = piece;
        z.avail_out = sizeof piece;
        rc = inflate(&z, Z_NO_FLUSH);
        size_t produced = sizeof piece - z.avail_out;
        // With a whole free piece to fill, Z_BUF_ERROR means the input ran out before the
        // end marker; Z_NEED_DICT is as fatal as a data error.
        if ((rc != Z_OK && rc != Z_STREAM_END) || out.size() + produced > kMaxInflatedSkinSize) {
            inflateEnd(&z);
            throw DecompressionError();
        }
        out.insert(out.end(), piece, piece + produced);
    }
    inflateEnd(&z);
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
