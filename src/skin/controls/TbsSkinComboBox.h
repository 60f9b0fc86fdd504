#pragma once
// The combo box with everything published.

#include "skin/controls/TbsSkinCustomComboBox.h"

namespace skin {

class TbsSkinComboBox : public TbsSkinCustomComboBox {
public:
    using TbsSkinCustomComboBox::TbsSkinCustomComboBox;
};

}  // namespace skin
