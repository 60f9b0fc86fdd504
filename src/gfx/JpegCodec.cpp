#include "gfx/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "gfx/ImageError.h"
#include "gfx/ImageFile.h"

// libjpeg reports fatal errors through error_exit, which must not return. We leave its C
// frames with longjmp back to the calling function and raise the C++ exception there;
// nothing with a destructor is created between setjmp and a possible longjmp.

namespace gfx {
namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;  // first member: libjpeg hands its address back to us
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void TrapError(j_common_ptr info) {
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    info->err->format_message(info, trap->message);
    std::longjmp(trap->jump, 1);
}

// Warnings (a missing end marker, corrupt entropy data) would go to stderr; the picture
// is still usable, so they are dropped.
void IgnoreMessage(j_common_ptr) {}

void InstallTrap(ErrorTrap& trap, jpeg_error_mgr*& slot) {
    slot = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = TrapError;
    trap.manager.output_message = IgnoreMessage;
    trap.message[0] = '\0';
}

// Compressed bytes go straight into a vector that grows as libjpeg fills it.
struct VectorDestination {
    jpeg_destination_mgr manager;  // first member, as above
    std::vector<uint8_t>* out;
};

void GrowOrFail(j_compress_ptr info, size_t newSize) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    const size_t used = dest->out->size() - dest->manager.free_in_buffer;
    bool grown = true;
    try {
        dest->out->resize(newSize);
    } catch (...) {
        grown = false;
    }
    if (!grown) {
        info->err->msg_code = JERR_OUT_OF_MEMORY;
        info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
    }
    dest->manager.next_output_byte = dest->out->data() + used;
    dest->manager.free_in_buffer = dest->out->size() - used;
}

void InitDestination(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    dest->out->clear();
    dest->manager.free_in_buffer = 0;
    GrowOrFail(info, 64 * 1024);
}

// Called when the whole buffer is full.
boolean EmptyOutputBuffer(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    dest->manager.free_in_buffer = 0;
    GrowOrFail(info, dest->out->size() * 2);
    return TRUE;
}

void TermDestination(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    dest->out->resize(dest->out->size() - dest->manager.free_in_buffer);
}

struct CompressGuard {
    jpeg_compress_struct* info;
    ~CompressGuard() { jpeg_destroy_compress(info); }
};

struct DecompressGuard {
    jpeg_decompress_struct* info;
    ~DecompressGuard() { jpeg_destroy_decompress(info); }
};

// CMYK as written by most programs (Adobe marker) stores inverted values.
void CmykRowToBgr(const uint8_t* src, uint8_t* dst, int width, bool inverted) {
    for (int x = 0; x < width; ++x, src += 4, dst += 3) {
        int c = src[0], m = src[1], y = src[2], k = src[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        dst[0] = uint8_t(y * k / 255);
        dst[1] = uint8_t(m * k / 255);
        dst[2] = uint8_t(c * k / 255);
    }
}

// The libjpeg part of EncodeJpeg, kept apart so that no local changes between setjmp and
// a possible longjmp.
void EncodeColourJpeg(const Bitmap* source, int quality, std::vector<uint8_t>* out) {
    const int width = source->Width();
    std::vector<uint8_t> rgbRow(size_t(width) * 3);

    jpeg_compress_struct info;
    std::memset(&info, 0, sizeof info);  // destroying a never-created struct is then harmless
    ErrorTrap trap;
    VectorDestination dest{};
    CompressGuard guard{&info};
    InstallTrap(trap, info.err);
    if (setjmp(trap.jump)) throw ImageError(std::string("JPEG kann nicht geschrieben werden: ") + trap.message);

    jpeg_create_compress(&info);
    dest.manager.init_destination = InitDestination;
    dest.manager.empty_output_buffer = EmptyOutputBuffer;
    dest.manager.term_destination = TermDestination;
    dest.out = out;
    info.dest = &dest.manager;

    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(source->Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);  // sequential Huffman coding: a baseline (SOF0) file
    info.dct_method = JDCT_FLOAT;
    jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const uint8_t* bgr = source->Row(int(info.next_scanline));
        for (int x = 0; x < width; ++x) {
            rgbRow[size_t(x) * 3] = bgr[x * 3 + 2];
            rgbRow[size_t(x) * 3 + 1] = bgr[x * 3 + 1];
            rgbRow[size_t(x) * 3 + 2] = bgr[x * 3];
        }
        JSAMPROW row = rgbRow.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality) {
    if (bitmap.IsEmpty()) throw ImageError("JPEG kann nicht geschrieben werden: leeres Bild");
    std::vector<uint8_t> out;
    if (bitmap.IsMono()) {
        Bitmap colour = bitmap;
        colour.SetFormat(PixelFormat::Bgr24);
        EncodeColourJpeg(&colour, quality, &out);
    } else {
        EncodeColourJpeg(&bitmap, quality, &out);
    }
    return out;
}

void SaveJpeg(const Bitmap& bitmap, const std::string& path) {
    WriteImageFile(path, EncodeJpeg(bitmap));
}

Bitmap DecodeJpeg(std::span<const uint8_t> data) {
    Bitmap result;
    std::vector<uint8_t> row;

    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info);
    ErrorTrap trap;
    DecompressGuard guard{&info};
    InstallTrap(trap, info.err);
    if (setjmp(trap.jump)) throw ImageError(std::string("Ungültiges JPEG: ") + trap.message);

    jpeg_create_decompress(&info);
    if (data.empty()) throw ImageError("Ungültiges JPEG: keine Daten");
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (int64_t(info.image_width) * info.image_height > Bitmap::kMaxPixels)
        throw ImageError("Ungültiges JPEG: Bild zu groß");
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;  // grayscale is expanded to RGB too
    jpeg_start_decompress(&info);

    result.SetSize(int(info.output_width), int(info.output_height));
    row.resize(size_t(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        uint8_t* dst = result.Row(int(info.output_scanline));
        JSAMPROW rowPointer = row.data();
        jpeg_read_scanlines(&info, &rowPointer, 1);
        if (cmyk) {
            CmykRowToBgr(row.data(), dst, result.Width(), info.saw_Adobe_marker);
            continue;
        }
        for (int x = 0; x < result.Width(); ++x) {
            dst[x * 3] = row[size_t(x) * 3 + 2];
            dst[x * 3 + 1] = row[size_t(x) * 3 + 1];
            dst[x * 3 + 2] = row[size_t(x) * 3];
        }
    }
    jpeg_finish_decompress(&info);
    return result;
}

Bitmap LoadJpeg(const std::string& path) { return DecodeJpeg(ReadImageFile(path)); }

}  // namespace gfx
