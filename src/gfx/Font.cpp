#include "gfx/Font.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "base/Encoding.h"
#include "base/Rounding.h"
#include "gfx/FontCache.h"
#include "gfx/FontMatcher.h"

namespace gfx {
namespace {

// Remembered answers to "which face draws this missing character" per font; past this
// the memory starts over.
constexpr size_t kMaxFallbackChars = 1024;
// Resolved fonts kept for reuse, by FontSpec.
constexpr size_t kMaxResolvedFonts = 64;

bool IsControl(char32_t cp) { return cp < 0x20 || cp == 0x7F; }

}  // namespace

struct Font::Data {
    FontSpec fontSpec;
    FontFile file;
    std::shared_ptr<FontFace> primary;
    FaceMetrics metrics;
    // Faces that supply characters the primary face lacks; null: no face has it.
    std::vector<std::shared_ptr<FontFace>> fallbackFaces;
    std::unordered_map<char32_t, FontFace*> fallbackFor;

    explicit Data(const FontSpec& s);
    FontFace* FaceFor(char32_t cp, uint32_t& index);
};

Font::Data::Data(const FontSpec& s) : fontSpec(s) {
    fontSpec.height = ClampFontHeight(fontSpec.height);
    if (auto found = FontMatcher::Shared().Match(fontSpec.name, fontSpec.bold, fontSpec.italic)) {
        file = *found;
        primary = FontCache::Shared().Face(file, fontSpec.height, fontSpec.bold && !file.isBold,
                                           fontSpec.italic && !file.isItalic);
    }
    if (primary) {
        metrics = primary->Metrics();
    } else {
        // No usable font at all: keep sane cell metrics so layouts still work.
        int h = std::abs(fontSpec.height);
        metrics.emPixels = h;
        metrics.ascent = base::rnd(h * 0.9);
        metrics.descent = fontSpec.height > 0 ? h - metrics.ascent : base::rnd(h * 0.2);
        metrics.underlineTop = 1;
        metrics.strikeOutTop = std::max(1, metrics.ascent / 3);
    }
}

FontFace* Font::Data::FaceFor(char32_t cp, uint32_t& index) {
    index = primary->GlyphIndex(cp);
    if (index != 0) return primary.get();

    auto it = fallbackFor.find(cp);
    if (it == fallbackFor.end()) {
        if (fallbackFor.size() >= kMaxFallbackChars) fallbackFor.clear();
        FontFace* face = nullptr;
        auto other = FontMatcher::Shared().MatchCharacter(fontSpec.name, fontSpec.bold, fontSpec.italic, cp);
        if (other && !(other->path == file.path && other->index == file.index)) {
            // Drawn at the primary face's em, so mixed text keeps one size.
            auto shared = FontCache::Shared().Face(*other, -metrics.emPixels,
                                                   fontSpec.bold && !other->isBold,
                                                   fontSpec.italic && !other->isItalic);
            if (shared && shared->GlyphIndex(cp) != 0) {
                face = shared.get();
                if (std::find(fallbackFaces.begin(), fallbackFaces.end(), shared) ==
                    fallbackFaces.end())
                    fallbackFaces.push_back(shared);
            }
        }
        it = fallbackFor.emplace(cp, face).first;
    }
    if (!it->second) return primary.get();  // the primary face's "missing" glyph
    index = it->second->GlyphIndex(cp);
    return it->second;
}

std::shared_ptr<Font::Data> Font::Resolve(const FontSpec& fontSpec) {
    using SpecKey = std::tuple<std::string, int, bool, bool, bool, bool>;
    // Never destroyed, like the caches it draws on.
    static auto* resolved = new std::map<SpecKey, std::shared_ptr<Font::Data>>();
    SpecKey key{fontSpec.name, ClampFontHeight(fontSpec.height), fontSpec.bold, fontSpec.italic, fontSpec.underline,
                fontSpec.strikeOut};
    if (auto it = resolved->find(key); it != resolved->end()) return it->second;
    if (resolved->size() >= kMaxResolvedFonts) resolved->clear();
    auto data = std::make_shared<Data>(fontSpec);
    resolved->emplace(std::move(key), data);
    return data;
}

Font::Font() : Font(FontSpec{}) {}

Font::Font(const FontSpec& fontSpec) : data_(Resolve(fontSpec)) {}

const FontSpec& Font::Attributes() const { return data_->fontSpec; }
const std::string& Font::FaceFamily() const { return data_->file.family; }
const std::string& Font::FaceFile() const { return data_->file.path; }
int Font::Height() const { return data_->metrics.ascent + data_->metrics.descent; }
int Font::Ascent() const { return data_->metrics.ascent; }
int Font::Descent() const { return data_->metrics.descent; }
int Font::InternalLeading() const {
    return std::max(0, Height() - data_->metrics.emPixels);
}
const FaceMetrics& Font::Metrics() const { return data_->metrics; }

std::vector<PlacedGlyph> Font::Layout(std::string_view utf8) const {
    std::vector<PlacedGlyph> glyphs;
    glyphs.reserve(utf8.size());
    int x = 0;
    size_t pos = 0;
    while (pos < utf8.size()) {
        PlacedGlyph g;
        g.byteOffset = pos;
        char32_t cp = base::Utf8Next(utf8, pos);
        g.byteLength = pos - g.byteOffset;
        g.x = x;
        if (data_->primary && !IsControl(cp)) {
            g.face = data_->FaceFor(cp, g.index);
            g.advance = g.face->GetGlyph(g.index)->advance;
        }
        x += g.advance;
        glyphs.push_back(g);
    }
    return glyphs;
}

int Font::TextWidth(std::string_view utf8) const {
    auto glyphs = Layout(utf8);
    return glyphs.empty() ? 0 : glyphs.back().x + glyphs.back().advance;
}

TextSize Font::TextExtent(std::string_view utf8) const { return {TextWidth(utf8), Height()}; }

}  // namespace gfx
