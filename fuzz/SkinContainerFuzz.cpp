// Feeds arbitrary bytes as a compressed stored skin and, raw, as an inflated container.
// A load either succeeds or raises one of its documented errors, and never reads out of
// bounds; a failed load leaves the skin empty.

#include <cstdint>
#include <cstdlib>
#include <exception>

#include "skin/SkinCompression.h"
#include "skin/SkinContainer.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    skin::TbsSkinData skinData;
    skin::TbsCompressedStoredSkin stored;
    // Half the inputs go through inflate; the other half are wrapped so the container
    // reader sees the bytes themselves.
    if (size > 0 && data[0] & 1) stored.SetCompressedData(skin::DeflateSkin({data + 1, size - 1}));
    else stored.SetCompressedData({data, data + size});
    try {
        skinData.LoadCompressedSkin(stored);
    } catch (const std::exception&) {
        if (!skinData.Empty() || !skinData.ObjectRecords().empty()) std::abort();
    }
    return 0;
}
