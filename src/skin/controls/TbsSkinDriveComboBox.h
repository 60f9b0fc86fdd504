#pragma once
// The drive selector: a combo box over the drive list model, each item drawn with the
// picture of its drive type. The list is built, and the current drive selected through
// ItemIndex (with OnChange and OnClick), when the window is created.

#include <memory>

#include "drive/TDriveList.h"
#include "skin/controls/TbsSkinComboBox.h"

namespace skin {

class TbsSkinDriveComboBox : public TbsSkinComboBox {
public:
    explicit TbsSkinDriveComboBox(TComponent* owner);
    ~TbsSkinDriveComboBox() override;

    // The machine whose drives are listed (the real one unless a test gives another).
    void UseDrives(const os::DriveSystem& drives);
    drive::TDriveList& DriveList() { return *drives_; }
    // Builds the items from the machine and selects the current drive.
    virtual void RebuildDriveList();

protected:
    void CreateWnd() override;
    void DrawItemContent(gfx::Canvas& c, int index, const TRect& itemRect, const TRect& textRect,
                         TbsItemState state, const gfx::Font& font, TColor color) override;

private:
    std::unique_ptr<drive::TDriveList> drives_;
};

}  // namespace skin
