#include "gfx/FontCache.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace gfx {

FontCache& FontCache::Shared() {
    // Never destroyed: faces may still be in use while other statics shut down.
    static FontCache* shared = new FontCache();
    return *shared;
}

FontCache::FontCache() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

FontCache::~FontCache() {
    // Faces still held by fonts outlive the library otherwise; close ours first.
    faces_.clear();
    if (library_) FT_Done_FreeType(library_);
}

std::shared_ptr<FontFace> FontCache::Face(const FontFile& file, int height, bool embolden,
                                          bool oblique) {
    Key key{file.path, file.index, height, embolden, oblique};
    if (auto it = faces_.find(key); it != faces_.end()) {
        it->second.lastUse = ++clock_;
        return it->second.face;
    }
    if (!library_) return nullptr;
    FT_Face ftFace = nullptr;
    if (FT_New_Face(library_, file.path.c_str(), file.index, &ftFace) != 0) return nullptr;
    auto face = std::make_shared<FontFace>(ftFace, height, embolden, oblique);

    if (faces_.size() >= kMaxFaces) {
        auto oldest = std::min_element(faces_.begin(), faces_.end(), [](auto& a, auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        faces_.erase(oldest);
    }
    faces_.emplace(std::move(key), Entry{face, ++clock_});
    return face;
}

}  // namespace gfx
