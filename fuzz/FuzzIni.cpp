// Feeds arbitrary bytes to the settings file reader and writer: reads must not crash,
// a written value must read back, a second write of it change nothing, and other
// keys keep their values.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "os/IniDocument.h"
#include "os/IniNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    os::IniDocument doc(bytes);
    for (const char* section : {"Top", "Schriftgröße", "panel2", ""}) {
        if (auto value = doc.Value(section, "Status")) (void)os::ParseIniInteger(*value);
    }
    (void)os::ParseIniInteger(bytes);

    doc.SetValue("Width", "Status", "742");
    auto back = doc.Value("WIDTH", "status");
    if (!back || os::ParseIniInteger(*back) != 742) std::abort();
    // Writing the same value again changes nothing, and other names keep their values.
    std::string once = doc.Bytes();
    doc.SetValue("Width", "Status", "742");
    if (doc.Bytes() != once) std::abort();
    if (os::IniDocument(bytes).Value("Top", "Status") != doc.Value("Top", "Status")) std::abort();
    return 0;
}
