#pragma once
// Helpers shared by the skin tests: a recording notice sink and container builders.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/BmpCodec.h"
#include "skin/SkinCompression.h"
#include "skin/SkinContainer.h"
#include "skin/SkinNotices.h"

namespace skintest {

struct Notice {
    skin::SkinFormId form;
    unsigned message;
    skin::TbsSkinData* skin;
    intptr_t lParam;
};

class RecordingSink : public skin::SkinNoticeSink {
public:
    skin::SkinFormId owner = nullptr;
    std::vector<skin::SkinFormId> forms;
    std::vector<Notice> sent;

    skin::SkinFormId OwnerForm() const override { return owner; }
    std::vector<skin::SkinFormId> Forms() const override { return forms; }
    void Send(skin::SkinFormId form, unsigned message, skin::TbsSkinData* s, intptr_t l) override {
        sent.push_back({form, message, s, l});
    }
    std::vector<unsigned> Messages() const {
        std::vector<unsigned> m;
        for (const Notice& n : sent) m.push_back(n.message);
        return m;
    }
};

// An inflated container with the given version, pictures and description lines.
inline std::vector<uint8_t> MakeContainer(int32_t version, const std::vector<std::vector<uint8_t>>& flagged,
                                          const std::vector<std::vector<uint8_t>>& further,
                                          const std::string& text) {
    std::vector<uint8_t> out;
    skin::AppendInt32(out, version);
    for (const auto& bmp : flagged) skin::AppendFlaggedBmp(out, bmp);
    skin::AppendInt32(out, int32_t(further.size()));
    for (const auto& bmp : further) out.insert(out.end(), bmp.begin(), bmp.end());
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

inline std::vector<uint8_t> SolidBmp(int w, int h, TColor color, int bits = 24) {
    gfx::Bitmap b(w, h);
    b.Fill(color);
    return gfx::WriteBmp(b, bits);
}

}  // namespace skintest
