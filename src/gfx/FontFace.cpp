#include "gfx/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>

#include "base/Rounding.h"
#include "gfx/FontSpec.h"

namespace gfx {
namespace {

// Past either limit a face forgets its glyphs and starts over.
constexpr size_t kMaxCachedGlyphs = 2048;
constexpr size_t kMaxCachedGlyphBytes = size_t(8) << 20;

// The slant of synthesised italics: about 12 degrees, like the usual oblique faces.
constexpr FT_Fixed kObliqueShear = 0x0366A;

struct DesignMetrics {
    double unitsPerEm = 2048;
    double ascent = 0;   // above the baseline, positive
    double descent = 0;  // below the baseline, positive
};

DesignMetrics ReadDesignMetrics(FT_Face face) {
    DesignMetrics m;
    if (face->units_per_EM > 0) m.unitsPerEm = face->units_per_EM;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        m.ascent = os2->usWinAscent;
        m.descent = os2->usWinDescent;
    } else if (hhea && hhea->Ascender - hhea->Descender > 0) {
        m.ascent = hhea->Ascender;
        m.descent = -hhea->Descender;
    } else {
        m.ascent = face->ascender;
        m.descent = -face->descender;
    }
    if (m.ascent + m.descent <= 0) {  // a broken font: fall back to a typical split
        m.ascent = m.unitsPerEm * 0.9;
        m.descent = m.unitsPerEm * 0.2;
    }
    return m;
}

}  // namespace

FontFace::FontFace(FT_Face face, int height, bool embolden, bool oblique)
    : face_(face), embolden_(embolden), oblique_(oblique) {
    ComputeMetrics(ClampFontHeight(height));
}

FontFace::~FontFace() { FT_Done_Face(face_); }

void FontFace::ComputeMetrics(int height) {
    FaceMetrics& m = metrics_;
    if (!FT_IS_SCALABLE(face_)) {
        // A bitmap-only face: take the strike nearest the requested size as it is.
        int wanted = std::abs(height);
        int best = 0;
        for (int i = 1; i < face_->num_fixed_sizes; ++i) {
            auto size = [&](int k) {
                const FT_Bitmap_Size& s = face_->available_sizes[k];
                return height > 0 ? int(s.height) : int((s.y_ppem + 32) >> 6);
            };
            if (std::abs(size(i) - wanted) < std::abs(size(best) - wanted)) best = i;
        }
        if (face_->num_fixed_sizes > 0) FT_Select_Size(face_, best);
        m.emPixels = int((face_->size->metrics.y_ppem));
        m.ascent = int((face_->size->metrics.ascender + 32) >> 6);
        m.descent = int((-face_->size->metrics.descender + 32) >> 6);
        m.underlineTop = 1;
        m.underlineThickness = 1;
        m.strikeOutThickness = 1;
        m.strikeOutTop = std::max(1, m.ascent / 3);
        return;
    }

    DesignMetrics design = ReadDesignMetrics(face_);
    double scale;  // pixels per font unit
    if (height < 0) {
        m.emPixels = -height;
        scale = m.emPixels / design.unitsPerEm;
        m.ascent = base::rnd(design.ascent * scale);
        m.descent = base::rnd(design.descent * scale);
    } else {
        // A cell height: the cell is exactly `height` pixels; the em follows from it.
        scale = height / (design.ascent + design.descent);
        m.emPixels = std::clamp(base::rnd(design.unitsPerEm * scale), 1, 2 * kMaxFontHeight);
        m.ascent = std::min(height, base::rnd(design.ascent * scale));
        m.descent = height - m.ascent;
    }
    FT_Set_Pixel_Sizes(face_, 0, FT_UInt(m.emPixels));

    // FreeType gives the underline's centre; keep the line below the baseline and,
    // where there is room, inside the cell.
    m.underlineThickness = std::max(1, base::rnd(face_->underline_thickness * scale));
    m.underlineTop = base::rnd(-face_->underline_position * scale - m.underlineThickness / 2.0);
    if (m.underlineTop + m.underlineThickness > m.descent)
        m.underlineTop = m.descent - m.underlineThickness;
    m.underlineTop = std::max(1, m.underlineTop);

    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        m.strikeOutThickness = std::max(1, base::rnd(os2->yStrikeoutSize * scale));
        m.strikeOutTop = base::rnd(os2->yStrikeoutPosition * scale);
    } else {
        m.strikeOutThickness = m.underlineThickness;
        m.strikeOutTop = base::rnd(m.ascent * 0.3) + m.strikeOutThickness;
    }
    m.strikeOutTop = std::max(m.strikeOutTop, m.strikeOutThickness);
}

uint32_t FontFace::GlyphIndex(char32_t cp) const {
    uint32_t index = FT_Get_Char_Index(face_, cp);
    // Symbol fonts map their characters into the private range U+F000..U+F0FF.
    if (index == 0 && face_->charmap && face_->charmap->encoding == FT_ENCODING_MS_SYMBOL &&
        cp < 0x100)
        index = FT_Get_Char_Index(face_, 0xF000 | cp);
    return index;
}

std::shared_ptr<const Glyph> FontFace::GetGlyph(uint32_t index) {
    if (auto it = glyphs_.find(index); it != glyphs_.end()) return it->second;
    if (glyphs_.size() >= kMaxCachedGlyphs || cachedBytes_ >= kMaxCachedGlyphBytes) {
        glyphs_.clear();
        cachedBytes_ = 0;
    }
    std::shared_ptr<const Glyph> glyph = Render(index);
    cachedBytes_ += glyph->coverage.size() + sizeof(Glyph);
    glyphs_.emplace(index, glyph);
    return glyph;
}

std::shared_ptr<Glyph> FontFace::Render(uint32_t index) {
    auto glyph = std::make_shared<Glyph>();
    // Light hinting snaps stems vertically only: crisp at 8-9 pt on a light background
    // while the shapes and advances stay close to the design. Scalable faces are always
    // drawn from outlines (some carry small embedded bitmaps without anti-aliasing).
    FT_Int32 flags = FT_IS_SCALABLE(face_) ? FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT
                                           : FT_LOAD_DEFAULT;
    if (FT_Load_Glyph(face_, index, flags) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;

    int extraAdvance = 0;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (oblique_) {
            FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
        if (embolden_) {
            // Whole pixels, so advances stay integers: 1 px at text sizes, more when large.
            extraAdvance = std::max(1, base::rnd(metrics_.emPixels / 24.0));
            FT_Outline_EmboldenXY(&slot->outline, extraAdvance * 64, 0);
        }
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return glyph;

    glyph->advance = int((slot->advance.x + 32) >> 6) + extraAdvance;
    const FT_Bitmap& bm = slot->bitmap;
    bool gray = bm.pixel_mode == FT_PIXEL_MODE_GRAY;
    bool mono = bm.pixel_mode == FT_PIXEL_MODE_MONO;
    if ((!gray && !mono) || bm.width == 0 || bm.rows == 0 || !bm.buffer) return glyph;

    glyph->left = slot->bitmap_left;
    glyph->top = -slot->bitmap_top;
    glyph->width = int(bm.width);
    glyph->height = int(bm.rows);
    glyph->coverage.resize(size_t(glyph->width) * size_t(glyph->height));
    int pitch = std::abs(bm.pitch);
    for (int y = 0; y < glyph->height; ++y) {
        // A negative pitch means the rows are stored bottom-up.
        const unsigned char* src = bm.buffer + size_t(bm.pitch >= 0 ? y : glyph->height - 1 - y) *
                                                   size_t(pitch);
        uint8_t* dst = glyph->coverage.data() + size_t(y) * size_t(glyph->width);
        for (int x = 0; x < glyph->width; ++x) {
            if (gray) {
                unsigned levels = bm.num_grays > 1 ? bm.num_grays - 1 : 255;
                dst[x] = uint8_t(std::min(255u, src[x] * 255u / levels));
            } else {
                dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            }
        }
    }
    return glyph;
}

}  // namespace gfx
