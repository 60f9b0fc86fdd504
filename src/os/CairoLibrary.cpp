#include "os/CairoLibrary.h"

namespace os {

const CairoLibrary& CairoLibrary::Get() {
    static const CairoLibrary library("libcairo.so.2");
    return library;
}

CairoLibrary::CairoLibrary(const std::string& fileName) : library_(fileName) {
    // The member and the library's function share their name.
#define VELMORA_RESOLVE(function) library_.Resolve(function, #function)
    VELMORA_RESOLVE(cairo_image_surface_create);
    VELMORA_RESOLVE(cairo_image_surface_get_data);
    VELMORA_RESOLVE(cairo_image_surface_get_stride);
    VELMORA_RESOLVE(cairo_pdf_surface_create);
    VELMORA_RESOLVE(cairo_surface_status);
    VELMORA_RESOLVE(cairo_surface_flush);
    VELMORA_RESOLVE(cairo_surface_mark_dirty);
    VELMORA_RESOLVE(cairo_surface_finish);
    VELMORA_RESOLVE(cairo_surface_destroy);
    VELMORA_RESOLVE(cairo_create);
    VELMORA_RESOLVE(cairo_destroy);
    VELMORA_RESOLVE(cairo_translate);
    VELMORA_RESOLVE(cairo_scale);
    VELMORA_RESOLVE(cairo_set_source_surface);
    VELMORA_RESOLVE(cairo_get_source);
    VELMORA_RESOLVE(cairo_pattern_set_filter);
    VELMORA_RESOLVE(cairo_rectangle);
    VELMORA_RESOLVE(cairo_fill);
    VELMORA_RESOLVE(cairo_show_page);
#undef VELMORA_RESOLVE
}

}  // namespace os
