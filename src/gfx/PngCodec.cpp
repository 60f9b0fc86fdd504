#include "gfx/PngCodec.h"

#include <csetjmp>
#include <cstring>
#include <string>

#include <png.h>

#include "gfx/ImageError.h"

// libpng reports fatal errors by calling our error function, which stores the text and
// longjmps back to the function that called setjmp; the C++ exception is raised there,
// outside libpng's C frames. Our I/O callbacks never let an exception escape.

namespace gfx {
namespace {

struct ErrorTrap {
    std::jmp_buf jump;
    std::string message;  // set before the jump; the object itself lives outside the jump
};

void TrapError(png_structp png, png_const_charp text) {
    auto* trap = static_cast<ErrorTrap*>(png_get_error_ptr(png));
    bool stored = true;
    try {
        trap->message = text;
    } catch (...) {
        stored = false;
    }
    if (!stored) trap->message.clear();
    std::longjmp(trap->jump, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

void WriteToVector(png_structp png, png_bytep bytes, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool appended = true;
    try {
        out->insert(out->end(), bytes, bytes + length);
    } catch (...) {
        appended = false;
    }
    if (!appended) png_error(png, "Speicher reicht nicht");
}

void FlushNothing(png_structp) {}

struct ReadCursor {
    std::span<const uint8_t> data;
    size_t position = 0;
};

void ReadFromSpan(png_structp png, png_bytep bytes, png_size_t length) {
    auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
    if (length > cursor->data.size() - cursor->position) png_error(png, "Datei zu kurz");
    std::memcpy(bytes, cursor->data.data() + cursor->position, length);
    cursor->position += length;
}

// Pasted pictures are shown on white, so transparent parts become white.
void LayOverWhite(const std::vector<uint8_t>& bgra, Bitmap& out) {
    const uint8_t* src = bgra.data();
    for (int y = 0; y < out.Height(); ++y) {
        uint8_t* dst = out.Row(y);
        for (int x = 0; x < out.Width(); ++x, src += 4)
            for (int c = 0; c < 3; ++c) dst[x * 3 + c] = uint8_t((src[c] * src[3] + 255 * (255 - src[3]) + 127) / 255);
    }
}

struct WriteGuard {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~WriteGuard() {
        if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    }
};

struct ReadGuard {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~ReadGuard() {
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    }
};

// The libpng part of EncodePng, kept apart so that no local changes between setjmp and
// a possible longjmp.
void EncodeColourPng(const Bitmap* source, std::vector<uint8_t>* out) {
    ErrorTrap trap;
    WriteGuard guard;
    guard.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &trap, TrapError, IgnoreWarning);
    if (!guard.png) throw ImageError("PNG kann nicht geschrieben werden: Speicher reicht nicht");
    guard.info = png_create_info_struct(guard.png);
    if (!guard.info) throw ImageError("PNG kann nicht geschrieben werden: Speicher reicht nicht");
    if (setjmp(trap.jump)) throw ImageError("PNG kann nicht geschrieben werden: " + trap.message);

    png_set_write_fn(guard.png, out, WriteToVector, FlushNothing);
    png_set_IHDR(guard.png, guard.info, png_uint_32(source->Width()), png_uint_32(source->Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(guard.png, guard.info);
    png_set_bgr(guard.png);  // our rows are blue, green, red
    for (int y = 0; y < source->Height(); ++y)
        png_write_row(guard.png, const_cast<png_bytep>(source->Row(y)));
    png_write_end(guard.png, nullptr);
}

}  // namespace

std::vector<uint8_t> EncodePng(const Bitmap& bitmap) {
    if (bitmap.IsEmpty()) throw ImageError("PNG kann nicht geschrieben werden: leeres Bild");
    std::vector<uint8_t> out;
    if (bitmap.IsMono()) {
        Bitmap colour = bitmap;
        colour.SetFormat(PixelFormat::Bgr24);
        EncodeColourPng(&colour, &out);
    } else {
        EncodeColourPng(&bitmap, &out);
    }
    return out;
}

Bitmap DecodePng(std::span<const uint8_t> data) {
    Bitmap result;
    std::vector<png_bytep> rows;
    std::vector<uint8_t> withAlpha;  // blue, green, red, alpha rows of a transparent picture
    ReadCursor cursor{data};
    ErrorTrap trap;
    ReadGuard guard;
    if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0)
        throw ImageError("Ungültiges PNG: keine PNG-Datei");
    guard.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &trap, TrapError, IgnoreWarning);
    if (!guard.png) throw ImageError("Ungültiges PNG: Speicher reicht nicht");
    guard.info = png_create_info_struct(guard.png);
    if (!guard.info) throw ImageError("Ungültiges PNG: Speicher reicht nicht");
    if (setjmp(trap.jump)) throw ImageError("Ungültiges PNG: " + trap.message);

    png_set_read_fn(guard.png, &cursor, ReadFromSpan);
    png_set_user_limits(guard.png, 1u << 20, 1u << 20);
    png_read_info(guard.png, guard.info);
    const png_uint_32 width = png_get_image_width(guard.png, guard.info);
    const png_uint_32 height = png_get_image_height(guard.png, guard.info);
    if (int64_t(width) * height > Bitmap::kMaxPixels) throw ImageError("Ungültiges PNG: Bild zu groß");

    // Everything becomes 8-bit blue, green, red, and alpha where the file has transparency.
    const int colorType = png_get_color_type(guard.png, guard.info);
    const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(guard.png, guard.info, PNG_INFO_tRNS);
    png_set_expand(guard.png);
    png_set_strip_16(guard.png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(guard.png);
    png_set_bgr(guard.png);
    png_set_interlace_handling(guard.png);
    png_read_update_info(guard.png, guard.info);
    const png_byte channels = png_get_channels(guard.png, guard.info);
    if (channels != (alpha ? 4 : 3) || png_get_bit_depth(guard.png, guard.info) != 8)
        throw ImageError("Ungültiges PNG: Farbformat nicht unterstützt");

    result.SetSize(int(width), int(height));
    rows.resize(height);
    if (alpha) withAlpha.resize(size_t(width) * height * 4);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = alpha ? withAlpha.data() + size_t(y) * width * 4 : result.Row(int(y));
    png_read_image(guard.png, rows.data());
    png_read_end(guard.png, nullptr);
    if (alpha) LayOverWhite(withAlpha, result);
    return result;
}

}  // namespace gfx
