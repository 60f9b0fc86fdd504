// Feeds arbitrary text as a skin description. Reading either succeeds or raises the
// conversion error of an empty number field; lookups of every record name find it.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/SkinIniFile.h"
#include "skin/TbsSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    skin::TbsSkinData skinData;
    try {
        skinData.ReadDescription(skin::DescriptionFromCp1252(skin::SplitLines(text)));
    } catch (const skin::SkinConvertError&) {
        return 0;
    }
    for (const auto& r : skinData.ControlRecords()) {
        int i = skinData.FindControlRecord(r->SectionName);
        if (i < 0 || skinData.ControlRecord(i)->SectionName != r->SectionName) std::abort();
    }
    for (const auto& r : skinData.ObjectRecords())
        if (skinData.FindObjectRecord(r->SectionName) < 0) std::abort();
    return 0;
}
