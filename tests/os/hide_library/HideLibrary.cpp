// Preloaded (LD_PRELOAD) into a test program: dlopen of the library named by
// VELMORA_HIDDEN_LIBRARY fails as on a system where it is not installed; every other
// library opens as usual.
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

extern "C" void* dlopen(const char* file, int mode) noexcept {
    const char* hidden = std::getenv("VELMORA_HIDDEN_LIBRARY");
    if (file && hidden && std::strcmp(file, hidden) == 0) return nullptr;
    using Open = void* (*)(const char*, int);
    static const Open realOpen = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "dlopen"));
    return realOpen(file, mode);
}
