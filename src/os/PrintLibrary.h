#pragma once
// A library that printing needs, opened with dlopen when printing first asks for it. The
// program does not link the print libraries: loading them and the libraries they pull in
// at every start would cost more than the window's first appearance may take.

#include <string>

namespace os {

class PrintLibrary {
public:
    // Opens `fileName` (a soname such as "libcups.so.2"). It stays loaded until the
    // process ends, so the functions taken from it never dangle.
    explicit PrintLibrary(std::string fileName);

    // Points `function` at the library's function `name`; leaves it null and records the
    // failure when the library did not open or lacks the function.
    template <typename Function>
    void Resolve(Function& function, const char* name) {
        function = reinterpret_cast<Function>(Symbol(name));
    }

    // Empty when the library opened and every function was found; otherwise the first
    // failure as the user reads it.
    const std::string& Error() const { return error_; }

private:
    void* Symbol(const char* name);

    std::string fileName_;
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace os
