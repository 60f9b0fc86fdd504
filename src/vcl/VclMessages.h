#pragma once
// Message numbers of the component framework itself, above WM_USER + 0x3000 so they
// never meet a control's own WM_USER messages.

#include "wm/Messages.h"

namespace vcl {

constexpr wm::UINT CM_BASE = wm::WM_USER + 0x3000;
// Posted to a form by Release: the form destroys itself once the message arrives, after
// the handler that asked for it has returned.
constexpr wm::UINT CM_RELEASE = CM_BASE + 1;

}  // namespace vcl
