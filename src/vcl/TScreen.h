#pragma once
// The screen as the program sees it: its size and work area, the forms that exist, the
// active one, the fonts the system uses for hints and messages, and the application-wide
// cursor (crHourGlass while something long runs).

#include <vector>

#include "vcl/TFont.h"
#include "vcl/Types.h"

namespace vcl {

class TForm;

class TScreen {
public:
    TScreen();

    int Width() const;
    int Height() const;
    TRect DesktopRect() const;
    TRect WorkAreaRect() const;

    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int index) const;
    TForm* ActiveForm() const;

    // crDefault lets each window show its own shape; anything else is shown everywhere.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    TFont* HintFont() { return &hintFont_; }
    TFont* MessageFont() { return &messageFont_; }

    // Bookkeeping of TForm.
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    void SetActiveForm(TForm* form) { lastActive_ = form; }

private:
    std::vector<TForm*> forms_;
    TForm* lastActive_ = nullptr;
    TCursor cursor_ = crDefault;
    bool waitShown_ = false;
    TFont hintFont_;
    TFont messageFont_;
};

// The one screen object.
extern TScreen* const Screen;

}  // namespace vcl
