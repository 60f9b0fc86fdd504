#pragma once
// The label and UUID of a block device's file system, and the 32-bit serial number made
// from them.
//
// libblkid reads the file system's superblock, which needs read access to the device;
// without it, the links udev keeps in /dev/disk/by-label and /dev/disk/by-uuid give the
// same answers. Probing reads the device, so callers run it under a time bound.

#include <cstdint>
#include <optional>
#include <string>

namespace os {

struct VolumeIdentity {
    std::string label;  // UTF-8
    std::string uuid;   // as the file system writes it: "1234-ABCD", "f81d4fae-7dec-..."
};

// Reads the superblock of `devicePath` with libblkid; nullopt when it cannot be probed.
std::optional<VolumeIdentity> ProbeVolumeIdentity(const std::string& devicePath);

// The label and UUID whose udev links under `devRoot`/disk point at the device `kernelName`.
VolumeIdentity VolumeIdentityFromUdevLinks(const std::string& devRoot, const std::string& kernelName);

// Undoes udev's \xNN escapes in link names ("My\x20Disk" is "My Disk").
std::string UnescapeUdevName(const std::string& name);

// The serial number a UUID stands for: a FAT or exFAT volume id "1234-ABCD" is 0x1234ABCD;
// a 64-bit NTFS serial gives its low 32 bits; a 128-bit UUID its first 32 bits.
// nullopt when the text holds no hexadecimal digits.
std::optional<uint32_t> SerialFromUuid(const std::string& uuid);

}  // namespace os
