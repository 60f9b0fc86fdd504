#pragma once
// The default print queue: its printable page in device pixels, and one-page print jobs of
// a picture. Backed by CUPS; the page goes to the spooler as a PDF with the picture placed
// exactly, so the queue's driver decides the rest. CUPS and cairo are opened on first use
// (CupsLibrary, CairoLibrary).

#include <optional>
#include <stdexcept>
#include <utility>
#include <string>
#include <string_view>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace os {

// A print job that could not be handed to the spooler. The text is the user's to read.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a queue tells about its default page. Lengths in hundredths of a millimetre, as
// the print system gives them.
struct PrintPageGeometry {
    int mediaWidth = 21000;
    int mediaLength = 29700;
    int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0;
    int dotsPerInchX = 300;
    int dotsPerInchY = 300;

    // The printable area (the media less the margins) in device pixels.
    int PrintableWidthPixels() const;
    int PrintableHeightPixels() const;
};

class PrintQueue {
public:
    // The default destination, or nullopt when there is none (no print server, no queue,
    // no default chosen). Throws PrintError when the print library cannot be loaded.
    static std::optional<PrintQueue> Default();

    const std::string& Name() const { return name_; }
    const PrintPageGeometry& Page() const { return page_; }
    int PageWidth() const { return page_.PrintableWidthPixels(); }
    int PageHeight() const { return page_.PrintableHeightPixels(); }

    // Prints one page with `picture` stretched into `target`, given in device pixels with
    // (0, 0) at the top-left corner of the printable area. Returns once the spooler has the
    // job; throws PrintError when it could not take it.
    void PrintPicture(const gfx::Bitmap& picture, const TRect& target, std::string_view title) const;

private:
    PrintQueue(std::string name, PrintPageGeometry page) : name_(std::move(name)), page_(page) {}

    std::string name_;
    PrintPageGeometry page_;
};

// Where a w x h picture goes on a pw x ph page: fitted to the page keeping its aspect ratio
// (the products and quotients rounded as MulDiv does), then scaled to `percent` (halves to
// even), at the top-left corner. Empty when a size is not positive.
TRect PrintedPictureRect(int w, int h, int pw, int ph, int percent);

// Writes the one-page PDF a print job sends: the media's size, the picture stretched into
// `target` (device pixels from the printable area's top-left corner). Throws PrintError.
void WritePicturePdf(const std::string& path, const PrintPageGeometry& page,
                     const gfx::Bitmap& picture, const TRect& target);

}  // namespace os
