#include "skin/EmbeddedSkin.h"

#include <exception>

namespace skin {

std::span<const uint8_t> EmbeddedChromeSkin() { return EmbeddedSkinFile("chrome"); }

bool LoadSkinAtStartUp(TbsSkinData& data, TbsCompressedStoredSkin& stored,
                       std::span<const uint8_t> container,
                       const std::function<void(const std::string&)>& report) {
    stored.SetFileName("skin.ini");
    stored.SetCompressedData({container.begin(), container.end()});
    try {
        data.SetCompressedStoredSkin(&stored);
    } catch (const std::exception& e) {
        // A failed load has cleared the skin and sent only the changing notice; finish
        // the change so every form redraws without skin.
        data.ClearSkin();
        data.NotifySkinForms(WM_SKIN_CHANGED);
        data.NotifySkinForms(WM_SKIN_REFIT);
        if (report) report(e.what());
        return false;
    }
    return !data.Empty();
}

bool LoadEmbeddedChromeSkin(TbsSkinData& data, TbsCompressedStoredSkin& chrome,
                            const std::function<void(const std::string&)>& report) {
    return LoadSkinAtStartUp(data, chrome, EmbeddedChromeSkin(), report);
}

}  // namespace skin
