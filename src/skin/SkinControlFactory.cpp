// The kinds of [SKINCONTROLS] and the record class each one creates.

#include <functional>

#include "skin/SkinControlRecords.h"
#include "skin/SkinExtraControlRecords.h"

namespace skin {
namespace {

template <typename Record>
std::unique_ptr<TbsDataSkinControl> Make(std::string name) {
    return std::make_unique<Record>(std::move(name));
}

struct ControlKind {
    std::string_view kind;
    std::unique_ptr<TbsDataSkinControl> (*create)(std::string);
};

constexpr ControlKind kControlKinds[] = {
    {"panel", Make<TbsDataSkinPanelControl>},
    {"expanel", Make<TbsDataSkinExPanelControl>},
    {"menubutton", Make<TbsDataSkinMenuButtonControl>},
    {"button", Make<TbsDataSkinButtonControl>},
    {"checkradio", Make<TbsDataSkinCheckRadioControl>},
    {"gauge", Make<TbsDataSkinGaugeControl>},
    {"splitter", Make<TbsDataSkinSplitterControl>},
    {"trackbar", Make<TbsDataSkinTrackBarControl>},
    {"label", Make<TbsDataSkinLabelControl>},
    {"stdlabel", Make<TbsDataSkinStdLabelControl>},
    {"updown", Make<TbsDataSkinUpDownControl>},
    {"grid", Make<TbsDataSkinGridControl>},
    {"tab", Make<TbsDataSkinTabControl>},
    {"mainmenubar", Make<TbsDataSkinMainMenuBar>},
    {"controlbar", Make<TbsDataSkinControlBar>},
    {"memo", Make<TbsDataSkinMemoControl>},
    {"edit", Make<TbsDataSkinEditControl>},
    {"checklistbox", Make<TbsDataSkinCheckListBox>},
    {"listbox", Make<TbsDataSkinListBox>},
    {"combobox", Make<TbsDataSkinComboBox>},
    {"scrollbar", Make<TbsDataSkinScrollBarControl>},
    {"spinedit", Make<TbsDataSkinSpinEditControl>},
    {"scrollbox", Make<TbsDataSkinScrollBoxControl>},
    {"treeview", Make<TbsDataSkinTreeView>},
    {"bevel", Make<TbsDataSkinBevel>},
    {"slider", Make<TbsDataSkinSlider>},
    {"listview", Make<TbsDataSkinListView>},
    {"richedit", Make<TbsDataSkinRichEdit>},
};

}  // namespace

std::unique_ptr<TbsDataSkinControl> CreateControlRecord(std::string_view kind, std::string name) {
    for (const ControlKind& k : kControlKinds)
        if (k.kind == kind) return k.create(std::move(name));
    return nullptr;
}

}  // namespace skin
