#include "os/PrintLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace os {

PrintLibrary::PrintLibrary(std::string fileName) : fileName_(std::move(fileName)) {
    handle_ = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) error_ = "Die Druckbibliothek " + fileName_ + " ist nicht vorhanden";
}

void* PrintLibrary::Symbol(const char* name) {
    if (!handle_) return nullptr;
    void* symbol = dlsym(handle_, name);
    if (!symbol && error_.empty())
        error_ = "Die Druckbibliothek " + fileName_ + " ist unvollständig: " + name + " fehlt";
    return symbol;
}

}  // namespace os
