#pragma once
// The drawing functions that make the printed PDF page, taken from libcairo.so.2 at the
// first use. Each pointer has the type of the header's own declaration, so a call with the
// wrong arguments does not compile.

#include <cairo-pdf.h>
#include <cairo.h>

#include <string>

#include "os/PrintLibrary.h"

namespace os {

class CairoLibrary {
public:
    // libcairo.so.2, loaded once on the first call (from any thread).
    static const CairoLibrary& Get();

    // Loads `fileName` in its place: for the tests of a library that is missing or lacks
    // functions.
    explicit CairoLibrary(const std::string& fileName);

    bool Available() const { return library_.Error().empty(); }
    // Why the library cannot be used, in the user's words; empty when it can.
    const std::string& Error() const { return library_.Error(); }

    decltype(&::cairo_image_surface_create) cairo_image_surface_create = nullptr;
    decltype(&::cairo_image_surface_get_data) cairo_image_surface_get_data = nullptr;
    decltype(&::cairo_image_surface_get_stride) cairo_image_surface_get_stride = nullptr;
    decltype(&::cairo_pdf_surface_create) cairo_pdf_surface_create = nullptr;
    decltype(&::cairo_surface_status) cairo_surface_status = nullptr;
    decltype(&::cairo_surface_flush) cairo_surface_flush = nullptr;
    decltype(&::cairo_surface_mark_dirty) cairo_surface_mark_dirty = nullptr;
    decltype(&::cairo_surface_finish) cairo_surface_finish = nullptr;
    decltype(&::cairo_surface_destroy) cairo_surface_destroy = nullptr;
    decltype(&::cairo_create) cairo_create = nullptr;
    decltype(&::cairo_destroy) cairo_destroy = nullptr;
    decltype(&::cairo_translate) cairo_translate = nullptr;
    decltype(&::cairo_scale) cairo_scale = nullptr;
    decltype(&::cairo_set_source_surface) cairo_set_source_surface = nullptr;
    decltype(&::cairo_get_source) cairo_get_source = nullptr;
    decltype(&::cairo_pattern_set_filter) cairo_pattern_set_filter = nullptr;
    decltype(&::cairo_rectangle) cairo_rectangle = nullptr;
    decltype(&::cairo_fill) cairo_fill = nullptr;
    decltype(&::cairo_show_page) cairo_show_page = nullptr;

private:
    PrintLibrary library_;
};

}  // namespace os
