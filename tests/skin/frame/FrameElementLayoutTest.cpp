// The Chrome skin's frame elements laid out for the main window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/EmbeddedSkin.h"
#include "skin/frame/FrameElementLayout.h"

namespace {

// The slots of the skin's caption, button and user-object records, in record order.
std::vector<skin::FrameElementSlot> SlotsOf(const skin::TbsSkinData& data,
                                            std::vector<std::string>& names) {
    std::vector<skin::FrameElementSlot> slots;
    for (const auto& record : data.ObjectRecords()) {
        skin::FrameElementSlot s;
        if (dynamic_cast<const skin::TbsDataSkinMenuItem*>(record.get()) ||
            dynamic_cast<const skin::TbsDataSkinMainMenuItem*>(record.get()) ||
            dynamic_cast<const skin::TbsDataSkinMainMenuBarButton*>(record.get()))
            continue;
        s.record = record.get();
        s.normalRect = record->skinrect;
        s.inPicture = record->skinrectinapicture;
        s.isCaption = dynamic_cast<const skin::TbsDataSkinCaption*>(record.get()) != nullptr;
        if (auto* stdButton = dynamic_cast<const skin::TbsDataSkinStdButton*>(record.get())) {
            s.isStdButton = true;
            s.command = stdButton->command;
        }
        names.push_back(record->SectionName);
        slots.push_back(s);
    }
    return slots;
}

const skin::FrameElementSlot& Named(const std::vector<skin::FrameElementSlot>& slots,
                                    const std::vector<std::string>& names, const std::string& n) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == n) return slots[i];
    throw std::runtime_error("no element " + n);
}

}  // namespace

TEST(FrameElementLayout, MainWindowButtonsCaptionAndTrayButton) {
    skin::TbsSkinData data;
    skin::TbsCompressedStoredSkin chrome;
    ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(data, chrome, [](const std::string&) {}));
    std::vector<std::string> names;
    auto slots = SlotsOf(data, names);
    // The main window: system menu, minimize and roll-up; no maximize.
    skin::ApplyBorderIcons(slots, {true, true, false, true});
    const int width = 752, height = 563;
    skin::LayoutFrameElements(slots, data, skin::ComputeFrameGeometry(data, width, height));

    const auto& close = Named(slots, names, "closebutton");
    const auto& max = Named(slots, names, "maxbutton");
    const auto& min = Named(slots, names, "minbutton");
    const auto& rollup = Named(slots, names, "rollupbutton");
    const auto& tray = Named(slots, names, "traybutton");
    const auto& sys = Named(slots, names, "sysmenubutton");
    const auto& caption = Named(slots, names, "caption");
    // Right to left from the caption rectangle's right end (width - 5), one pixel apart.
    EXPECT_EQ(close.windowRect, (TRect{width - 5 - 17, 4, width - 5, 20}));
    EXPECT_FALSE(max.visible);
    EXPECT_FALSE(max.enabled);
    EXPECT_EQ(min.windowRect, (TRect{width - 5 - 35, 4, width - 5 - 18, 20}));
    EXPECT_EQ(rollup.windowRect, (TRect{width - 5 - 53, 4, width - 5 - 36, 20}));
    // The tray button reads as a second roll-up button: it keeps its skin rectangle.
    EXPECT_EQ(tray.command, skin::cmRollUp);
    EXPECT_TRUE(tray.visible);
    EXPECT_EQ(tray.windowRect, (TRect{1, 9, 15, 23}));
    // The system-menu button at the caption rectangle's left, centred in it; the caption
    // runs from its right end to the first button.
    EXPECT_EQ(sys.windowRect, (TRect{16, 4, 33, 20}));
    EXPECT_EQ(caption.windowRect.Left, 33);
    EXPECT_EQ(caption.windowRect.Right, rollup.windowRect.Left);
    EXPECT_EQ(caption.windowRect.Top, 4);
    EXPECT_EQ(caption.windowRect.Bottom, 21);
    // The size grip lies in the bottom-right corner area and moves with it.
    EXPECT_EQ(Named(slots, names, "sizegrip").windowRect,
              (TRect{150 + width - 162, 135 + height - 140, width, height}));
}
