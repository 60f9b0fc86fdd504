#include "chart/MarkupRenderer.h"

#include <algorithm>
#include <cstdlib>

#include "chart/MarkupTag.h"

namespace chart {

namespace {

int PointsFromHeight(int height) {
    // Both height conventions map back to points at 96 dpi; a cell height is close enough.
    return base::rnd(std::abs(height) * 72.0 / 96.0);
}

// The font, colour and font stack while a text is scanned.
class MarkupFontState {
public:
    MarkupFontState(const gfx::Font& font, TColor color) : spec_(font.Attributes()), color_(color), font_(font) {}

    const gfx::Font& Font() const { return font_; }
    TColor Color() const { return color_; }

    // Applies a style, font or closing-font tag; line breaks and alignment are left to
    // the caller.
    void Apply(const MarkupTag& tag) {
        const std::string& t = tag.text;
        if (t == "b" || t == "i" || t == "u" || t == "s") {
            bool on = !tag.closing;
            switch (t[0]) {
            case 'b': spec_.bold = on; break;
            case 'i': spec_.italic = on; break;
            case 'u': spec_.underline = on; break;
            default: spec_.strikeOut = on; break;
            }
            Refresh();
        } else if (!tag.closing && t.compare(0, 4, "font") == 0) {
            stack_.push_back({spec_.name, PointsFromHeight(spec_.height), color_, spec_.height});
            spec_.name = tag.Attribute("face", spec_.name);
            int points = PointsFromHeight(spec_.height);
            // A size that is not a whole number keeps the current one.
            if (auto size = ParseMarkupInt(tag.Attribute("size", std::to_string(points))); size && *size != points)
                spec_.height = gfx::ClampFontHeight(gfx::FontHeightFromPoints(std::clamp(*size, -750, 750)));
            if (auto color = ParseMarkupColor(tag.Attribute("color", ""))) color_ = *color;
            Refresh();
        } else if (tag.closing && t == "font" && !stack_.empty()) {
            const THTFont& saved = stack_.back();
            spec_.name = saved.Name;
            spec_.height = saved.Height;
            color_ = saved.Color;
            stack_.pop_back();
            Refresh();
        }
    }

private:
    void Refresh() {
        if (!(font_.Attributes() == spec_)) font_ = gfx::Font(spec_);
    }

    gfx::FontSpec spec_;
    TColor color_;
    gfx::Font font_;
    std::vector<THTFont> stack_;
};

// What a tag does to the line structure.
struct LineEffect {
    bool lineBreak = false;
    int alignment = -1;
};

LineEffect LineEffectOf(const MarkupTag& tag) {
    LineEffect e;
    if (tag.closing) return e;
    if (tag.text == "br") e.lineBreak = true;
    else if (tag.text == "left") e.alignment = htaLeft;
    else if (tag.text == "center") e.alignment = htaCenter;
    else if (tag.text == "right") e.alignment = htaRight;
    return e;
}

int LineStart(const THTLine& line, const TRect& rect) {
    switch (line.Alignment) {
    case htaRight: return rect.Right - line.Width;
    case htaCenter: return rect.Left + base::div(rect.Right - rect.Left - line.Width, 2);
    default: return rect.Left;
    }
}

}  // namespace

std::vector<THTLine> LayoutMarkup(gfx::Canvas& canvas, std::string_view text) {
    MarkupFontState state(canvas.Font(), canvas.FontColor());
    std::vector<THTLine> lines(1);
    lines[0].Height = state.Font().Height();
    lines[0].Descent = state.Font().Descent();
    auto measure = [&](std::string_view run) {
        if (run.empty()) return;
        THTLine& line = lines.back();
        line.Width += state.Font().TextWidth(run);
        line.Height = std::max(line.Height, state.Font().Height());
        line.Descent = std::max(line.Descent, state.Font().Descent());
    };
    MarkupScanner scanner(text);
    MarkupToken token;
    while (scanner.Next(token)) {
        if (!token.isTag) {
            measure(token.text);
            continue;
        }
        MarkupTag tag = MarkupTag::Parse(token.text);
        state.Apply(tag);
        LineEffect effect = LineEffectOf(tag);
        if (effect.alignment >= 0) lines.back().Alignment = THTAlignment(effect.alignment);
        if (effect.lineBreak) {
            THTLine next;
            next.Alignment = lines.back().Alignment;
            next.Height = state.Font().Height();
            next.Descent = state.Font().Descent();
            lines.push_back(next);
        }
    }
    return lines;
}

void RenderMarkup(gfx::Canvas& canvas, std::string_view text, TRect& rect, bool draw) {
    const gfx::Font savedFont = canvas.Font();
    const TColor savedColor = canvas.FontColor();
    std::vector<THTLine> lines = LayoutMarkup(canvas, text);
    if (!draw) {
        int width = 0, height = 0;
        for (const THTLine& line : lines) {
            width = std::max(width, line.Width);
            height += line.Height;
        }
        rect.Right = rect.Left + width;
        rect.Bottom = rect.Top + height;
        return;
    }

    const gfx::TextReference savedReference = canvas.TextAlign();
    canvas.SetTextAlign(gfx::TextReference::Baseline);
    MarkupFontState state(savedFont, savedColor);
    size_t lineIndex = 0;
    int x = LineStart(lines[0], rect);
    int y = rect.Top + lines[0].Height;
    MarkupScanner scanner(text);
    MarkupToken token;
    while (scanner.Next(token)) {
        if (!token.isTag) {
            canvas.SetFont(state.Font());
            canvas.SetFontColor(state.Color());
            x += canvas.TextOut(x, y - lines[lineIndex].Descent, token.text);
            continue;
        }
        MarkupTag tag = MarkupTag::Parse(token.text);
        state.Apply(tag);
        if (LineEffectOf(tag).lineBreak && lineIndex + 1 < lines.size()) {
            ++lineIndex;
            x = LineStart(lines[lineIndex], rect);
            y += lines[lineIndex].Height;
        }
    }
    canvas.SetTextAlign(savedReference);
    canvas.SetFont(savedFont);
    canvas.SetFontColor(savedColor);
}

TPoint MeasureMarkup(gfx::Canvas& canvas, std::string_view text) {
    TRect r;
    RenderMarkup(canvas, text, r, false);
    return {r.Right, r.Bottom};
}

}  // namespace chart
