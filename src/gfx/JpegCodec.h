#pragma once
// JPEG pictures through libjpeg. Saving writes the chart as a baseline JPEG (SOF0) with the
// floating-point DCT; at quality 100 every quantization value is 1. Reading serves the
// save dialog's preview: grayscale, colour and CMYK files become 24-bit bitmaps.
// Damaged or unsupported data raise ImageError, never end the program.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace gfx {

// Mono bitmaps are written as black and white colour pictures. quality is 1..100.
std::vector<uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality = 100);
// Writes EncodeJpeg(bitmap) to the file; ImageFileError when it cannot be written.
void SaveJpeg(const Bitmap& bitmap, const std::string& path);

Bitmap DecodeJpeg(std::span<const uint8_t> data);
Bitmap LoadJpeg(const std::string& path);

}  // namespace gfx
