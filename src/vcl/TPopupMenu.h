#pragma once
// A context menu. Popup(x, y) raises OnPopup and then shows the menu at a screen point
// through ShowMenu, which the skinned popup menu replaces; without one, the replaceable
// application-wide presenter (if any) shows it.

#include <functional>

#include "vcl/TMenu.h"

namespace vcl {

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool on) { autoPopup_ = on; }
    // The control whose right click opened the menu (null when opened otherwise).
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component);
    TPoint PopupPoint() const { return popupPoint_; }

    virtual void Popup(int x, int y);
    TNotifyEvent OnPopup;

    // Shows menus whose class does not show them itself.
    static std::function<void(TPopupMenu* menu, int x, int y)> Presenter;

protected:
    virtual void ShowMenu(int x, int y);
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
    TPoint popupPoint_;
};

}  // namespace vcl
