#pragma once
// The five drive pictures of the drive list, embedded into the program from
// assets/drives/: "BS_FLOPPY", "BS_HARD", "BS_NETWORK", "BS_CDROM" (16 x 16) and
// "BS_RAM" (16 x 11). Their bottom-left pixel's colour is the transparent one.

#include <cstdint>
#include <span>
#include <string_view>

#include "gfx/Bitmap.h"

namespace drive {

// The embedded BMP file of a picture name; empty for an unknown name (generated at build time).
std::span<const uint8_t> EmbeddedDrivePicture(std::string_view name);

// The decoded picture; an empty bitmap for an unknown name.
gfx::Bitmap LoadDrivePicture(std::string_view name);

// The picture name of a drive type (os::DRIVE_REMOVABLE ...); empty for types not listed.
std::string_view DrivePictureName(unsigned driveType);

}  // namespace drive
