#include "os/CupsLibrary.h"

namespace os {

const CupsLibrary& CupsLibrary::Get() {
    static const CupsLibrary library("libcups.so.2");
    return library;
}

CupsLibrary::CupsLibrary(const std::string& fileName) : library_(fileName) {
    // The member and the library's function share their name.
#define VELMORA_RESOLVE(function) library_.Resolve(function, #function)
    VELMORA_RESOLVE(cupsGetNamedDest);
    VELMORA_RESOLVE(cupsFreeDests);
    VELMORA_RESOLVE(cupsCopyDestInfo);
    VELMORA_RESOLVE(cupsFreeDestInfo);
    VELMORA_RESOLVE(cupsGetDestMediaDefault);
    VELMORA_RESOLVE(cupsFindDestDefault);
    VELMORA_RESOLVE(ippGetValueTag);
    VELMORA_RESOLVE(ippGetResolution);
    VELMORA_RESOLVE(cupsPrintFile2);
    VELMORA_RESOLVE(cupsLastErrorString);
#undef VELMORA_RESOLVE
}

}  // namespace os
