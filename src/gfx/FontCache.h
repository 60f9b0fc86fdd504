#pragma once
// Opened faces, shared by every font of the program: one FreeType face per file, face
// index, size and synthesised style. Bounded: the least recently used faces are closed
// once there are too many (fonts that still hold one keep it alive).

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "gfx/FontFace.h"
#include "gfx/FontMatcher.h"

struct FT_LibraryRec_;

namespace gfx {

class FontCache {
public:
    // The cache every font uses, created at first use.
    static FontCache& Shared();

    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The face of `file` at `height` (FontSpec convention, not zero); null when
    // FreeType cannot open the file.
    std::shared_ptr<FontFace> Face(const FontFile& file, int height, bool embolden, bool oblique);

    size_t Size() const { return faces_.size(); }
    static constexpr size_t kMaxFaces = 48;

private:
    // Only the shared instance exists: its faces must never outlive its FreeType library.
    FontCache();
    ~FontCache();

    struct Entry {
        std::shared_ptr<FontFace> face;
        uint64_t lastUse = 0;
    };
    using Key = std::tuple<std::string, int, int, bool, bool>;

    FT_LibraryRec_* library_ = nullptr;
    std::map<Key, Entry> faces_;
    uint64_t clock_ = 0;
};

}  // namespace gfx
