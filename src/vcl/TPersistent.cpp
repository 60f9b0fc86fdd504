#include "vcl/TPersistent.h"

#include <stdexcept>
#include <typeinfo>

namespace vcl {

void TPersistent::Assign(const TPersistent* source) {
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw std::invalid_argument("Zuweisung von nil an ein Objekt ist nicht möglich");
}

void TPersistent::AssignTo(TPersistent* dest) const {
    throw std::invalid_argument(std::string("Zuweisung von ") + typeid(*this).name() + " an " +
                                typeid(*dest).name() + " ist nicht möglich");
}

}  // namespace vcl
