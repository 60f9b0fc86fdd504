// The skinned frame's picture with the Chrome skin, active and inactive, and its
// screenshots (docs/screenshots/frame-*.png).

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "gfx/PngCodec.h"
#include "skin/EmbeddedSkin.h"
#include "skin/frame/FramePainter.h"

namespace {

void Save(const gfx::Bitmap& image, const std::string& name) {
    std::vector<uint8_t> png = gfx::EncodePng(image);
    std::ofstream out(std::string(VELMORA_SCREENSHOTS) + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

}  // namespace

TEST(FramePainter, MainWindowFrameFromTheChromeSkin) {
    skin::TbsSkinData data;
    skin::TbsCompressedStoredSkin chrome;
    ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(data, chrome, [](const std::string&) {}));
    std::vector<skin::FrameElementSlot> slots;
    for (const auto& record : data.ObjectRecords()) {
        if (!dynamic_cast<const skin::TbsDataSkinCaption*>(record.get()) &&
            !dynamic_cast<const skin::TbsDataSkinStdButton*>(record.get()))
            continue;
        if (dynamic_cast<const skin::TbsDataSkinMainMenuBarButton*>(record.get())) continue;
        skin::FrameElementSlot s;
        s.record = record.get();
        s.normalRect = record->skinrect;
        s.inPicture = record->skinrectinapicture;
        s.isCaption = dynamic_cast<const skin::TbsDataSkinCaption*>(record.get()) != nullptr;
        if (auto* b = dynamic_cast<const skin::TbsDataSkinStdButton*>(record.get())) {
            s.isStdButton = true;
            s.command = b->command;
        }
        slots.push_back(s);
    }
    skin::ApplyBorderIcons(slots, {true, true, false, true});
    const int width = 420, height = 160;
    skin::FrameGeometry g = skin::ComputeFrameGeometry(data, width, height);
    skin::LayoutFrameElements(slots, data, g);
    const std::string title = "Velmora - Laufwerk C: [System] mit einem sehr langen Titel";
    gfx::Bitmap active = skin::PaintSkinnedFrame(data, g, slots, title, true);
    gfx::Bitmap inactive = skin::PaintSkinnedFrame(data, g, slots, title, false);

    // The left border is copied from the frame picture; the close button's face from
    // its own picture at the end of the caption row.
    EXPECT_EQ(active.Pixel(3, 40), data.Picture().Pixel(3, 40));
    // The tray button keeps its place at (1,9)-(15,23), drawn from the buttons picture.
    EXPECT_EQ(active.Pixel(2, 10), data.ActivePicture(0)->Pixel(2, 10));
    const gfx::Bitmap* buttons = data.ActivePicture(0);
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(active.Pixel(width - 5 - 17 + 8, 4 + 8), buttons->Pixel(1 + 8, 30 + 8));
    // The bottom band comes from the picture's bottom rows.
    EXPECT_EQ(active.Pixel(200, height - 2), data.Picture().Pixel(80, 140 - 2));
    // Inactive: brightened, so the caption band is lighter than when active.
    const TColor a = active.Pixel(200, 2), i = inactive.Pixel(200, 2);
    EXPECT_GT(i & 0xFF, a & 0xFF);
    Save(active, "frame-main-active.png");
    Save(inactive, "frame-main-inactive.png");
}
