#pragma once
// The group box: a panel drawn from the "groupbox" record with its caption bar on.

#include "skin/controls/TbsSkinPanel.h"

namespace skin {

class TbsSkinGroupBox : public TbsSkinPanel {
public:
    explicit TbsSkinGroupBox(TComponent* owner) : TbsSkinPanel(owner) {
        SetSkinDataName("groupbox");
        SetCaptionMode(true);
    }
};

}  // namespace skin
