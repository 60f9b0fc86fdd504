#include "os/VolumeIdentity.h"

#include <blkid/blkid.h>
#include <dirent.h>

#include <memory>

#include "base/Encoding.h"
#include "os/FileText.h"

namespace os {
namespace {

// Labels are meant to be UTF-8; older FAT volumes hold code-page bytes, read as Windows-1252.
std::string LabelText(std::string raw) {
    while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\0')) raw.pop_back();
    size_t pos = 0;
    bool valid = true;
    while (pos < raw.size()) {
        size_t start = pos;
        if (base::Utf8Next(raw, pos) == 0xFFFD && raw.compare(start, 3, "\xEF\xBF\xBD") != 0) {
            valid = false;
            break;
        }
    }
    return valid ? raw : base::Cp1252ToUtf8(raw);
}

std::optional<std::string> LinkNamePointingAt(const std::string& folder, const std::string& kernelName) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return std::nullopt;
    while (dirent* entry = ::readdir(dir.get())) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        std::optional<std::string> target = ReadLinkTarget(folder + "/" + name);
        if (target && BaseName(*target) == kernelName) return UnescapeUdevName(name);
    }
    return std::nullopt;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<VolumeIdentity> ProbeVolumeIdentity(const std::string& devicePath) {
    blkid_probe probe = blkid_new_probe_from_filename(devicePath.c_str());
    if (!probe) return std::nullopt;
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_LABEL | BLKID_SUBLKS_UUID | BLKID_SUBLKS_TYPE);
    std::optional<VolumeIdentity> identity;
    if (blkid_do_safeprobe(probe) == 0) {
        identity.emplace();
        const char* value = nullptr;
        size_t length = 0;
        if (blkid_probe_lookup_value(probe, "LABEL", &value, &length) == 0 && value)
            identity->label = LabelText(std::string(value));
        if (blkid_probe_lookup_value(probe, "UUID", &value, &length) == 0 && value)
            identity->uuid = value;
    }
    blkid_free_probe(probe);
    return identity;
}

VolumeIdentity VolumeIdentityFromUdevLinks(const std::string& devRoot, const std::string& kernelName) {
    VolumeIdentity identity;
    if (kernelName.empty()) return identity;
    if (auto label = LinkNamePointingAt(devRoot + "/disk/by-label", kernelName))
        identity.label = LabelText(*label);
    if (auto uuid = LinkNamePointingAt(devRoot + "/disk/by-uuid", kernelName)) identity.uuid = *uuid;
    return identity;
}

std::string UnescapeUdevName(const std::string& name) {
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && HexValue(name[i + 2]) >= 0 &&
            HexValue(name[i + 3]) >= 0) {
            out.push_back(static_cast<char>(HexValue(name[i + 2]) * 16 + HexValue(name[i + 3])));
            i += 3;
        } else {
            out.push_back(name[i]);
        }
    }
    return out;
}

std::optional<uint32_t> SerialFromUuid(const std::string& uuid) {
    std::string digits;
    for (char c : uuid)
        if (HexValue(c) >= 0) digits.push_back(c);
    if (digits.empty()) return std::nullopt;
    std::string chosen;
    if (digits.size() <= 8) chosen = digits;
    else if (digits.size() == 16) chosen = digits.substr(8);  // NTFS: the low half
    else chosen = digits.substr(0, 8);
    uint32_t serial = 0;
    for (char c : chosen) serial = serial * 16 + static_cast<uint32_t>(HexValue(c));
    return serial;
}

}  // namespace os
