#pragma once
// How a skin change is announced to the program's forms. The skin layer sits below the
// window system, so it sends through this interface; the window layer implements it with
// its forms and window messages.

#include <cstdint>
#include <vector>

namespace skin {

class TbsSkinData;

constexpr unsigned WM_SKIN_CHANGING = 1225;  // before the old skin is cleared
constexpr unsigned WM_SKIN_CHANGED = 1226;   // after the new skin is read (also after a failure)
constexpr unsigned WM_SKIN_REFIT = 1227;     // right after WM_SKIN_CHANGED
constexpr intptr_t kSkinNoticeLParam = 1000;

// A form, identified by its address; the window layer knows what it points to.
using SkinFormId = const void*;

class SkinNoticeSink {
public:
    virtual ~SkinNoticeSink() = default;
    // The form that owns the skin data, or nullptr when its owner is not a form.
    virtual SkinFormId OwnerForm() const = 0;
    // Every form of the application, in the application's form order.
    virtual std::vector<SkinFormId> Forms() const = 0;
    // Sends the message synchronously to the form's window, creating the window first
    // if it does not exist yet.
    virtual void Send(SkinFormId form, unsigned message, TbsSkinData* skin, intptr_t lParam) = 0;
};

}  // namespace skin
