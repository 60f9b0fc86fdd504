#pragma once
// A top-level window with the form's life cycle: creation from its description
// (OnCreate once the components are made and set), showing (centred where Position
// says), activation, closing (OnCloseQuery, OnClose; closing the main form ends the
// application), modal use through a nested loop, keyboard handling before the focused
// control sees a key (short cuts, dialog keys, accelerators, Tab), session end, and
// destruction (OnDestroy while the form is still whole).
//
// A form's constructor applies its description like this:
//     BeginLoading();  ... create components, set properties ...  (EndLoading is done
//     by AfterConstruction, which TApplication::CreateForm and vcl::New call, followed
//     by OnCreate).

#include <functional>

#include "base/ShortCut.h"
#include "vcl/TCustomControl.h"
#include "wm/Messages.h"

namespace vcl {

class TMainMenu;

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                 poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TShortCutEvent = std::function<void(TShortCut shortCut, bool& handled)>;
using TEndSessionEvent = std::function<void(TObject* sender, bool ending)>;

class TForm : public TCustomControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    void AfterConstruction() override;
    void BeforeDestruction() override;

    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons) { borderIcons_ = icons; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }
    bool PreviewsKeys() const override { return keyPreview_; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // The control with the focus (or the one that gets it when the form is activated).
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);
    bool Active() const;

    // --- showing and closing ---
    // Shows the form modally and returns its ModalResult once it is set, the form is
    // closed or the application ends (then mrNone). A visible form cannot be made modal.
    virtual TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool IsModal() const { return modal_; }
    void Close();
    bool CloseQuery();
    // Destroys the form once the handler running now has returned.
    void Release();

    // --- keyboard ---
    // A key message for a control of this form before it is dispatched: short cuts,
    // dialog keys and accelerators; true when the form used it up.
    bool PreprocessKey(TWinControl* target, const wm::MSG& msg);
    // Short cuts: OnShortCut, then the items of the form's menus.
    virtual bool IsShortCut(TShortCut shortCut);
    bool DialogKey(uint16_t key, TShiftState shift) override;

    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate, OnDestroy, OnShow, OnHide, OnActivate, OnDeactivate, OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;
    TEndSessionEvent OnEndSession;

protected:
    void CreateParams(wm::CreateParams& params) override;
    bool IsTopLevel() const override { return true; }
    void VisibleChanged() override;
    void Paint() override;

    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void Deactivate();
    virtual void DoClose(TCloseAction& action);
    // The session ends (WM_ENDSESSION): the place to write settings at once.
    virtual void EndSession(bool ending);
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ApplyPosition();
    void FocusFirstControl();
    bool CloseModal();

    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    bool keyPreview_ = false;
    TMainMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool releasePending_ = false;
    bool shownOnce_ = false;
    bool created_ = false;
    bool destroyDone_ = false;
};

// Creates an object with new and runs AfterConstruction (a form's OnCreate).
template <typename T, typename... Args>
T* New(Args&&... args) {
    T* object = new T(std::forward<Args>(args)...);
    object->AfterConstruction();
    return object;
}

}  // namespace vcl
