#include "skin/menus/TbsSkinMenuItem.h"

namespace skin {

bool TbsSkinMenuItem::HasChildren() const {
    for (int i = 0; i < item_->Count(); ++i)
        if (item_->Items(i)->Visible()) return true;
    return false;
}

}  // namespace skin
