// TbsBusinessSkinForm: the system menu, menu mode with the message-loop hook, and the
// short-cut handler.
#include "base/ShortCut.h"
#include "skin/frame/TbsBusinessSkinForm.h"
#include "skin/menus/TbsSkinMenu.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "skin/menus/TbsSkinPopupWindow.h"
#include "vcl/TMainMenu.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Timers.h"
#include "wm/Windows.h"

namespace skin {

namespace {

const char* const kSystemItemNames[] = {"BSF_MINITEM", "BSF_MAXITEM", "BSF_CLOSE",
                                        "BSF_MINTOTRAY", "BSF_ROLLUP", "BSF_RESTORE"};

bool IsSystemItemName(const std::string& name) {
    for (const char* n : kSystemItemNames)
        if (name == n) return true;
    return false;
}

constexpr TShortCut kAltF4 = base::ShortCut(0x73, false, false, true);

}  // namespace

// --- the system menu -----------------------------------------------------------------

void TbsBusinessSkinForm::AddSystemMenuItem(vcl::TMenuItem* root, int index,
                                            const std::string& caption, const std::string& name,
                                            std::function<void()> action, TShortCut shortCut) {
    auto* item = new vcl::TMenuItem(this);
    item->SetCaption(caption);
    item->SetName(name);
    item->SetShortCut(shortCut);
    if (action) item->OnClick = [action](vcl::TObject*) { action(); };
    if (index < 0 || index > root->Count()) root->Add(item);
    else root->Insert(index, item);
}

vcl::TMenuItem* TbsBusinessSkinForm::BuildSystemMenu() {
    if (systemMenu_ && !useDefaultSysMenu_) return systemMenu_->Items();
    const bool minimized = frameState_ == fsMinimized;
    const bool maximized = frameState_ == fsMaximized;
    auto minimize = [this] { SetFrameState(fsMinimized); };
    auto maximize = [this] { SetFrameState(fsMaximized); };
    auto restore = [this] {
        if (frameState_ != fsNormal) SetFrameState(fsNormal);
        else SetRollUp(false);
    };
    auto rollUp = [this] { SetRollUp(true); };
    auto close = [this] { form_->Close(); };
    if (systemMenu_) {
        // The application's own items stay; the standard ones are made afresh.
        vcl::TMenuItem* root = systemMenu_->Items();
        for (int i = root->Count() - 1; i >= 0; --i) {
            vcl::TMenuItem* item = root->Items(i);
            if (IsSystemItemName(item->Name())) root->Delete(i);
        }
        int at = 0;
        if (borderIcons_.Contains(biMinimize) && !minimized)
            AddSystemMenuItem(root, at++, "Mi&nimize", "BSF_MINITEM", minimize);
        if (frameState_ != fsNormal || rolledUp_)
            AddSystemMenuItem(root, at++, "&Restore", "BSF_RESTORE", restore);
        if (borderIcons_.Contains(biMaximize) && !maximized)
            AddSystemMenuItem(root, at++, "Ma&ximize", "BSF_MAXITEM", maximize);
        if (borderIcons_.Contains(biRollUp) && !rolledUp_ && !minimized)
            AddSystemMenuItem(root, at++, "Ro&llUp", "BSF_ROLLUP", rollUp);
        if (borderIcons_.Contains(biMinimizeToTray))
            AddSystemMenuItem(root, at++, "Minimize to &Tray", "BSF_MINTOTRAY", nullptr);
        AddSystemMenuItem(root, -1, "&Close", "BSF_CLOSE", close, kAltF4);
        return root;
    }
    vcl::TMenuItem* root = internalSystemMenu_->Items();
    root->Clear();
    if (borderIcons_.Contains(biMinimize) && !minimized)
        AddSystemMenuItem(root, -1, "Mi&nimize", "BSF_MINITEM", minimize);
    if (borderIcons_.Contains(biMaximize) && !maximized)
        AddSystemMenuItem(root, -1, "Ma&ximize", "BSF_MAXITEM", maximize);
    if (frameState_ != fsNormal || rolledUp_)
        AddSystemMenuItem(root, -1, "&Restore", "BSF_RESTORE", restore);
    if (borderIcons_.Contains(biRollUp) && !rolledUp_ && !minimized)
        AddSystemMenuItem(root, -1, "Ro&llUp", "BSF_ROLLUP", rollUp);
    if (borderIcons_.Contains(biMinimizeToTray))
        AddSystemMenuItem(root, -1, "Minimize to &Tray", "BSF_MINTOTRAY", nullptr);
    if (root->Count() > 0) AddSystemMenuItem(root, -1, "-", "", nullptr);
    AddSystemMenuItem(root, -1, "&Close", "BSF_CLOSE", close, kAltF4);
    return root;
}

void TbsBusinessSkinForm::ShowSystemMenu(const TPoint* screenPoint) {
    const wm::HWND h = WindowHandle();
    if (!h) return;
    // The items are made afresh: no open level may still show the old ones.
    if (menuEngine_->MenuOpen()) menuEngine_->CloseAll();
    vcl::TMenuItem* root = BuildSystemMenu();
    TRect rect;
    if (screenPoint) {
        rect = {screenPoint->X, screenPoint->Y, screenPoint->X, screenPoint->Y};
    } else {
        const TPoint origin = wm::GetWindowRect(h).TopLeft();
        rect = {origin.X, origin.Y, origin.X, origin.Y};
        for (const auto& e : elements_)
            if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(e.get());
                b && b->ButtonCommand == cmSysMenu && b->IsVisible)
                rect = b->WindowRect.Offset(origin.X, origin.Y);
    }
    SkinMenuOpening();
    menuEngine_->ShowMenu(nullptr, MenuSkinData(), false, root, rect, 0);
    if (!menuEngine_->MenuOpen()) ResetMenuState();
}

void TbsBusinessSkinForm::OpenButtonMenu(TbsSkinButtonObject& button) {
    menuButtonIndex_ = -1;
    for (int i = 0; i < ElementCount(); ++i)
        if (Element(i) == &button) menuButtonIndex_ = i;
    auto* stdButton = dynamic_cast<TbsSkinStdButtonObject*>(&button);
    if (stdButton && stdButton->ButtonCommand == cmSysMenu) {
        const int index = menuButtonIndex_;
        ShowSystemMenu(nullptr);
        if (menuOpen_) menuButtonIndex_ = index;
        systemButtonPressTime_ = wm::GetTickCount();
    }
}

bool TbsBusinessSkinForm::ButtonMenuOpen(const TbsSkinButtonObject& button) const {
    return menuOpen_ && Element(menuButtonIndex_) == &button;
}

// --- menu state ----------------------------------------------------------------------

void TbsBusinessSkinForm::SkinMenuOpening() {
    menuOpen_ = true;
    if (!menuOpening_) {
        menuOpening_ = true;
        if (OnSkinMenuOpen) OnSkinMenuOpen(this);
    }
    HookMessageLoop();
}

void TbsBusinessSkinForm::BarMenuOpening() {
    menuFromBar_ = true;
    SkinMenuOpening();
}

void TbsBusinessSkinForm::ResetMenuState() {
    const int button = menuButtonIndex_;
    menuButtonIndex_ = -1;
    menuOpen_ = false;
    menuOpening_ = false;
    menuFromBar_ = false;
    if (auto* b = dynamic_cast<TbsSkinButtonObject*>(Element(button)); b && b->IsDown()) b->SetDown(false);
    if (!menuMode_) UnhookMessageLoop();
}

// The open menu holds the pointer, so the second press of a double click on the
// system-menu button reaches the menu, which closes. Seen from here: the system menu
// closed by a press on its own button soon after the press that opened it.
bool TbsBusinessSkinForm::SystemButtonDoubleClicked() const {
    auto* button = dynamic_cast<const TbsSkinStdButtonObject*>(Element(menuButtonIndex_));
    const wm::HWND h = WindowHandle();
    if (!button || button->ButtonCommand != cmSysMenu || !h) return false;
    if (!(wm::GetKeyState(wm::VK_LBUTTON) & 0x8000)) return false;
    if (wm::GetTickCount() - systemButtonPressTime_ > kDoubleClickTime) return false;
    const TPoint p = wm::GetCursorPos() - wm::GetWindowRect(h).TopLeft();
    return button->WindowRect.Contains(p);
}

void TbsBusinessSkinForm::OnSkinMenuClosed() {
    if (SystemButtonDoubleClicked())
        wm::PostMessage(WindowHandle(), wm::WM_SYSCOMMAND, wm::SC_CLOSE, 0);
    const bool fromBar = menuFromBar_;
    ResetMenuState();
    if (OnSkinMenuClose) OnSkinMenuClose(this);
    // An Escape closing the bar's last level keeps menu mode (the key hook sees to it).
    if (fromBar && menuMode_ && !escapeClosing_) EndMenuMode();
}

void TbsBusinessSkinForm::BeginMenuMode() {
    if (!menuMode_) {
        if (OnMainMenuEnter) OnMainMenuEnter(this);
        menuMode_ = true;
    }
    HookMessageLoop();
}

void TbsBusinessSkinForm::EndMenuMode() {
    const bool was = menuMode_;
    menuMode_ = false;
    menuFromBar_ = false;
    if (menuEngine_->MenuOpen()) menuEngine_->CloseAll();
    else if (menuOpen_) ResetMenuState();
    if (mainMenuBar_) mainMenuBar_->LeaveMenuMode();
    UnhookMessageLoop();
    if (was && OnMainMenuExit) OnMainMenuExit(this);
}

void TbsBusinessSkinForm::KeyMenu() {
    if (menuMode_) {
        EndMenuMode();
        return;
    }
    if (menuEngine_->MenuOpen()) menuEngine_->CloseAll();
    if (!mainMenuBar_) return;
    mainMenuBar_->EnterKeyboardMode();
    BeginMenuMode();
}

// --- the message-loop hook -----------------------------------------------------------

void TbsBusinessSkinForm::HookMessageLoop() {
    if (!hookId_) hookId_ = wm::AddMessageHook([this](wm::MSG& msg) { return MenuKeyHook(msg); });
}

void TbsBusinessSkinForm::UnhookMessageLoop() {
    if (!hookId_) return;
    wm::RemoveMessageHook(hookId_);
    hookId_ = 0;
}

bool TbsBusinessSkinForm::MenuKeyHook(wm::MSG& msg) {
    if (msg.message != wm::WM_KEYDOWN) return false;
    if (!menuMode_ && !menuOpen_) return false;
    const auto key = static_cast<uint16_t>(msg.wParam);
    const bool open = menuEngine_->MenuOpen();
    if (menuMode_ && mainMenuBar_) {
        const bool letter = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
        if (letter && mainMenuBar_->SelectAccelerator(key)) return true;
        if (key == base::VK_ESCAPE && !open) {
            EndMenuMode();
            return true;
        }
        if (key == base::VK_LEFT && menuEngine_->LevelCount() <= 1) {
            mainMenuBar_->EnterPreviousItem();
            return true;
        }
        if (key == base::VK_RIGHT) {
            bool next = !open;
            if (TbsSkinPopupWindow* deepest = menuEngine_->DeepestLevel()) {
                const int active = deepest->ActiveIndex();
                next = next || (active >= 0 && !deepest->Item(active).HasChildren());
            }
            if (next) {
                mainMenuBar_->EnterNextItem();
                return true;
            }
        }
        if (key == base::VK_RETURN && mainMenuBar_->ActOnCurrentItem()) return true;
    }
    if (open) {
        const bool lastLevelEscape = key == base::VK_ESCAPE && menuEngine_->LevelCount() == 1;
        escapeClosing_ = lastLevelEscape;
        menuEngine_->HandleMenuKey(key);
        escapeClosing_ = false;
        if (lastLevelEscape && !menuEngine_->MenuOpen()) {
            if (menuMode_ && mainMenuBar_) mainMenuBar_->DropDownClosedByEscape();
            else ResetMenuState();
        }
    }
    return true;
}

// --- short cuts ----------------------------------------------------------------------

void TbsBusinessSkinForm::HandleShortCut(TShortCut shortCut, bool& handled) {
    // Each key reaches this handler once (TForm::IsShortCut), so a short cut that ran is
    // not followed by a "not handled" answer for the next key.
    vcl::TMainMenu* menu = mainMenuBar_ ? mainMenuBar_->BarMainMenu() : nullptr;
    if (!menu) return;
    const uint16_t modifiers = shortCut & (base::scShift | base::scCtrl | base::scAlt);
    if (modifiers == base::scAlt) {
        const auto key = static_cast<uint16_t>(shortCut & 0xFF);
        if (mainMenuBar_->SelectAccelerator(key)) {
            handled = true;
            return;
        }
    }
    if (menu->IsShortCut(shortCut)) handled = true;
    shortCutDone_ = handled;
}

}  // namespace skin
