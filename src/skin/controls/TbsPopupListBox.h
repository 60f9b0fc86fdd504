#pragma once
// The drop-down list of a combo box: a borderless top-most window that never takes
// activation. It follows the mouse (the row under the pointer becomes the selection),
// swallows presses, and reports a left release over it as acceptance.

#include "skin/controls/TbsSkinListBox.h"

namespace skin {

class TbsPopupListBox : public TbsSkinListBox {
public:
    explicit TbsPopupListBox(TComponent* owner);

    // Shows the list at a screen rectangle without activating anything; hides it.
    void ShowAt(const TRect& screen);
    void HideList();
    bool IsOpen() const { return Visible(); }

    void WndProc(TMessage& message) override;

    // A left release over the list.
    TNotifyEvent OnAccept;

protected:
    void CreateParams(wm::CreateParams& params) override;
    bool IsTopLevel() const override { return true; }
};

}  // namespace skin
