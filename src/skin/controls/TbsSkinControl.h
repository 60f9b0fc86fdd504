#pragma once
// The base of every skinned control: it binds the control to a skin (SkinData) and names
// its record (SkinDataName). The record is looked up again on every paint, so a skin that
// lost the record makes the control draw its look without skin at once.
//
// Painting: one off-screen bitmap of the control's size; DrawSkinImage fills it when a
// record is found, DrawDefaultImage otherwise. Background erasing is suppressed.
//
// Skin change hooks, called by the skinned form frame for every control of a form
// (depth first, a control before its children):
//   PrepareSkinChange()  on WM_SKIN_CHANGING: forget the record, draw without skin;
//   ApplySkinChange()    on WM_SKIN_CHANGED: find the record again, refit, repaint.

#include <string>

#include "gfx/Bitmap.h"
#include "skin/SkinChangeAware.h"
#include "skin/TbsSkinData.h"
#include "skin/controls/SkinControlTypes.h"
#include "vcl/TCustomControl.h"

namespace skin {

class TbsSkinControl : public vcl::TCustomControl, public SkinChangeAware {
public:
    explicit TbsSkinControl(TComponent* owner);
    ~TbsSkinControl() override;

    TbsSkinData* SkinData() const { return skinData_; }
    // Stores the skin; a loaded one is applied at once.
    virtual void SetSkinData(TbsSkinData* data);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& name);
    // The record's position in the skin's control list, -1 for none.
    int RecordIndex() const { return recordIndex_; }

    // Sets RecordIndex from SkinData and SkinDataName.
    virtual void FetchSkinRecord();
    TbsSkinData* SkinChangeData() const override { return skinData_; }
    void ApplySkinChange() override;
    void PrepareSkinChange() override;

    // The record found by the last FetchSkinRecord, or null.
    const TbsDataSkinControl* Record() const;
    // The record as a given kind, or null when it is missing or of another kind.
    template <typename T>
    const T* RecordAs() const { return dynamic_cast<const T*>(Record()); }

    // Called on every skinned control of a form when the focus moves inside it.
    virtual void FocusMovedInForm(TWinControl* /*focused*/) {}

    void WndProc(TMessage& message) override;

protected:
    virtual void DrawDefaultImage(gfx::Bitmap& bitmap);
    virtual void DrawSkinImage(gfx::Bitmap& bitmap);
    // The paint operation: record lookup, one bitmap, one copy onto the control.
    void Paint() override;
    // Draws a finished bitmap onto the control.
    void PutImage(const gfx::Bitmap& bitmap);
    bool IsDesigning() const { return ComponentState().Contains(vcl::csDesigning); }
    // True while the focus is in this control.
    bool HasFocusNow() const { return Focused(); }

    void DoEnter() override;

private:
    TbsSkinData* skinData_ = nullptr;
    std::string skinDataName_;
    int recordIndex_ = -1;
};

// Calls FocusMovedInForm on every skinned control of the focused control's form.
void AnnounceFocusMove(TWinControl* focused);

}  // namespace skin
