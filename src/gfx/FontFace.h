#pragma once
// One font file opened with FreeType at one pixel size, with its pixel metrics and a
// cache of rendered glyphs. Bold and italic that the file lacks are synthesised here
// (outlines widened, or slanted), so callers see the same interface for both.

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;

namespace gfx {

// A rendered glyph: 8-bit coverage, positioned relative to the pen on the baseline.
struct Glyph {
    int left = 0;     // first column, relative to the pen position
    int top = 0;      // first row, relative to the baseline (negative: above it)
    int width = 0;
    int height = 0;
    int advance = 0;  // whole pixels to the next pen position
    std::vector<uint8_t> coverage;  // width * height, row by row, 0 = none, 255 = full
};

// Pixel metrics the classic way: ascent and descent come from the font's Windows
// metrics (usWinAscent/usWinDescent) scaled to the size, so text lays out in cells of
// the same height as on the desktop the program's layouts were drawn for.
struct FaceMetrics {
    int emPixels = 0;        // the size glyphs are rendered at
    int ascent = 0;          // baseline to the cell's top
    int descent = 0;         // baseline to the cell's bottom
    int underlineTop = 0;    // first underline row, below the baseline
    int underlineThickness = 1;
    int strikeOutTop = 0;    // first strike-out row, above the baseline (positive)
    int strikeOutThickness = 1;
};

class FontFace {
public:
    // Takes ownership of `face`. `height` as in FontSpec (already clamped, not zero).
    FontFace(FT_FaceRec_* face, int height, bool embolden, bool oblique);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const FaceMetrics& Metrics() const { return metrics_; }

    // 0 (the face's "missing" glyph) when the face has no glyph for cp.
    uint32_t GlyphIndex(char32_t cp) const;
    // Never null; a glyph that fails to load is empty with zero advance.
    std::shared_ptr<const Glyph> GetGlyph(uint32_t index);

private:
    void ComputeMetrics(int height);
    std::shared_ptr<Glyph> Render(uint32_t index);

    FT_FaceRec_* face_;
    bool embolden_;
    bool oblique_;
    FaceMetrics metrics_;
    std::unordered_map<uint32_t, std::shared_ptr<const Glyph>> glyphs_;
    size_t cachedBytes_ = 0;
};

}  // namespace gfx
