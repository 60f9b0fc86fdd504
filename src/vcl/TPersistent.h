#pragma once
// Objects whose state can be copied from another object of a compatible class.

#include <string>

#include "vcl/TObject.h"

namespace vcl {

class TPersistent : public TObject {
public:
    // Copies Source's state. A class that cannot copy from Source's class asks Source to
    // copy itself into this object (AssignTo); when neither can, EConvertError-like
    // failure: std::invalid_argument.
    virtual void Assign(const TPersistent* source);

protected:
    virtual void AssignTo(TPersistent* dest) const;
};

}  // namespace vcl
