#pragma once
// The exceptions the framework raises. Their texts are what the user reads in the
// application's error box.

#include <stdexcept>

namespace vcl {

// An operation that is not possible in the object's state (ShowModal of a visible form,
// a control without a parent window ...).
struct EInvalidOperation : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace vcl
