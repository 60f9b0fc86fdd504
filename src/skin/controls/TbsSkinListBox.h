#pragma once
// The list box with everything published.

#include "skin/controls/TbsSkinCustomListBox.h"

namespace skin {

class TbsSkinListBox : public TbsSkinCustomListBox {
public:
    using TbsSkinCustomListBox::TbsSkinCustomListBox;
};

}  // namespace skin
