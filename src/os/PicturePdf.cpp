// The one-page PDF of a print job, drawn with cairo (loaded when the first page is made).
#include <memory>

#include "os/CairoLibrary.h"
#include "os/PrintQueue.h"

namespace os {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kHundredthMmPerPoint = 2540.0 / kPointsPerInch;

// Only objects the library made are freed, so it is loaded by then.
struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { CairoLibrary::Get().cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { CairoLibrary::Get().cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// The picture as a cairo image, colours as they are (1-bit pixels black or white).
Surface ImageOf(const CairoLibrary& cairo, const gfx::Bitmap& picture) {
    Surface image(cairo.cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width(), picture.Height()));
    if (cairo.cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    cairo.cairo_surface_flush(image.get());
    unsigned char* data = cairo.cairo_image_surface_get_data(image.get());
    int stride = cairo.cairo_image_surface_get_stride(image.get());
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* src = picture.Row(y);
        auto* dst = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.IsMono()) {
                bool white = (src[x >> 3] >> (7 - (x & 7))) & 1;
                dst[x] = white ? 0xFFFFFFu : 0u;
            } else {
                const uint8_t* p = src + 3 * x;  // B, G, R
                dst[x] = (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
            }
        }
    }
    cairo.cairo_surface_mark_dirty(image.get());
    return image;
}

}  // namespace

void WritePicturePdf(const std::string& path, const PrintPageGeometry& page,
                     const gfx::Bitmap& picture, const TRect& target) {
    const CairoLibrary& cairo = CairoLibrary::Get();
    if (!cairo.Available()) throw PrintError(cairo.Error());
    Surface pdf(cairo.cairo_pdf_surface_create(path.c_str(), page.mediaWidth / kHundredthMmPerPoint,
                                               page.mediaLength / kHundredthMmPerPoint));
    if (cairo.cairo_surface_status(pdf.get()) != CAIRO_STATUS_SUCCESS)
        throw PrintError("Die Druckseite kann nicht angelegt werden");
    std::unique_ptr<cairo_t, ContextDeleter> cr(cairo.cairo_create(pdf.get()));

    int width = target.Right - target.Left;
    int height = target.Bottom - target.Top;
    if (width > 0 && height > 0 && picture.Width() > 0 && picture.Height() > 0) {
        Surface image = ImageOf(cairo, picture);
        if (!image) throw PrintError("Das Bild ist zu groß für die Druckseite");
        double pointsPerPixelX = kPointsPerInch / page.dotsPerInchX;
        double pointsPerPixelY = kPointsPerInch / page.dotsPerInchY;
        // Device pixel (0, 0) is the printable area's top-left corner.
        cairo.cairo_translate(cr.get(), page.marginLeft / kHundredthMmPerPoint + target.Left * pointsPerPixelX,
                              page.marginTop / kHundredthMmPerPoint + target.Top * pointsPerPixelY);
        cairo.cairo_scale(cr.get(), width * pointsPerPixelX / picture.Width(),
                          height * pointsPerPixelY / picture.Height());
        cairo.cairo_set_source_surface(cr.get(), image.get(), 0, 0);
        // Pixels stay pixels when the picture is enlarged: the chart's edges and texts
        // print as they look on screen instead of blurred.
        cairo.cairo_pattern_set_filter(cairo.cairo_get_source(cr.get()), CAIRO_FILTER_NEAREST);
        cairo.cairo_rectangle(cr.get(), 0, 0, picture.Width(), picture.Height());
        cairo.cairo_fill(cr.get());
    }
    cairo.cairo_show_page(cr.get());
    cr.reset();
    cairo.cairo_surface_finish(pdf.get());
    if (cairo.cairo_surface_status(pdf.get()) != CAIRO_STATUS_SUCCESS)
        throw PrintError("Die Druckseite kann nicht geschrieben werden");
}

}  // namespace os
