#pragma once
// The print system's client functions, taken from libcups.so.2 at the first use. Each
// pointer has the type of the header's own declaration, so a call with the wrong
// arguments does not compile.

#include <cups/cups.h>

#include <string>

#include "os/PrintLibrary.h"

namespace os {

class CupsLibrary {
public:
    // libcups.so.2, loaded once on the first call (from any thread).
    static const CupsLibrary& Get();

    // Loads `fileName` in its place: for the tests of a library that is missing or lacks
    // functions.
    explicit CupsLibrary(const std::string& fileName);

    bool Available() const { return library_.Error().empty(); }
    // Why the library cannot be used, in the user's words; empty when it can.
    const std::string& Error() const { return library_.Error(); }

    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
    decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
    decltype(&::cupsGetDestMediaDefault) cupsGetDestMediaDefault = nullptr;
    decltype(&::cupsFindDestDefault) cupsFindDestDefault = nullptr;
    decltype(&::ippGetValueTag) ippGetValueTag = nullptr;
    decltype(&::ippGetResolution) ippGetResolution = nullptr;
    decltype(&::cupsPrintFile2) cupsPrintFile2 = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;

private:
    PrintLibrary library_;
};

}  // namespace os
