// Feeds arbitrary bytes to the BMP reader. Whatever it accepts must also be writable,
// and the written file must read back to the same pixels.

#include <cstdint>
#include <cstdlib>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gfx::BmpPicture picture;
    size_t used = 0;
    try {
        picture = gfx::DecodeBmp({data, size}, &used);
    } catch (const gfx::ImageError&) {
        return 0;
    }
    if (used > size) std::abort();
    const std::vector<uint8_t> written = gfx::EncodeBmp(picture);
    if (!(gfx::ReadBmp(written) == picture.pixels)) std::abort();
    return 0;
}
