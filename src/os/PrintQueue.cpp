#include "os/PrintQueue.h"

#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "base/Rounding.h"
#include "os/CupsLibrary.h"

namespace os {
namespace {

constexpr double kHundredthMmPerInch = 2540.0;

int LengthToPixels(int hundredthsMm, int dotsPerInch) {
    if (hundredthsMm <= 0 || dotsPerInch <= 0) return 0;
    return static_cast<int>(static_cast<int64_t>(hundredthsMm) * dotsPerInch / kHundredthMmPerInch);
}

// The print system's functions; a PrintError when the library cannot be loaded.
const CupsLibrary& Cups() {
    const CupsLibrary& cups = CupsLibrary::Get();
    if (!cups.Available()) throw PrintError(cups.Error());
    return cups;
}

// Only objects the library made are freed, so it is loaded by then.
struct DestDeleter {
    void operator()(cups_dest_t* dest) const { CupsLibrary::Get().cupsFreeDests(1, dest); }
};
struct DestInfoDeleter {
    void operator()(cups_dinfo_t* info) const { CupsLibrary::Get().cupsFreeDestInfo(info); }
};

// The resolution the queue prints at by default; 300 dpi when it does not say.
void ReadResolution(const CupsLibrary& cups, cups_dest_t* dest, cups_dinfo_t* info, PrintPageGeometry& page) {
    ipp_attribute_t* attr = cups.cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
    if (!attr || cups.ippGetValueTag(attr) != IPP_TAG_RESOLUTION) return;
    ipp_res_t units = IPP_RES_PER_INCH;
    int y = 0;
    int x = cups.ippGetResolution(attr, 0, &y, &units);
    if (units == IPP_RES_PER_CM) {
        x = static_cast<int>(x * 2.54 + 0.5);
        y = static_cast<int>(y * 2.54 + 0.5);
    }
    if (x > 0 && y > 0) {
        page.dotsPerInchX = x;
        page.dotsPerInchY = y;
    }
}

}  // namespace

TRect PrintedPictureRect(int w, int h, int pw, int ph, int percent) {
    if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0) return {};
    int fittedW, fittedH;
    if (static_cast<double>(w) / h > static_cast<double>(pw) / ph) {
        fittedW = pw;
        fittedH = base::MulDiv(h, pw, w);
    } else {
        fittedW = base::MulDiv(w, ph, h);
        fittedH = ph;
    }
    int scaledW = base::rnd(static_cast<double>(static_cast<int64_t>(fittedW) * percent) / 100.0);
    int scaledH = base::rnd(static_cast<double>(static_cast<int64_t>(fittedH) * percent) / 100.0);
    return TRect{0, 0, scaledW, scaledH};
}

int PrintPageGeometry::PrintableWidthPixels() const {
    return LengthToPixels(mediaWidth - marginLeft - marginRight, dotsPerInchX);
}

int PrintPageGeometry::PrintableHeightPixels() const {
    return LengthToPixels(mediaLength - marginTop - marginBottom, dotsPerInchY);
}

std::optional<PrintQueue> PrintQueue::Default() {
    const CupsLibrary& cups = Cups();
    std::unique_ptr<cups_dest_t, DestDeleter> dest(cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest) return std::nullopt;
    PrintPageGeometry page;
    std::unique_ptr<cups_dinfo_t, DestInfoDeleter> info(cups.cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (info) {
        cups_size_t size{};
        if (cups.cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest.get(), info.get(), 0, &size) &&
            size.width > 0 && size.length > 0) {
            page.mediaWidth = size.width;
            page.mediaLength = size.length;
            page.marginLeft = size.left;
            page.marginTop = size.top;
            page.marginRight = size.right;
            page.marginBottom = size.bottom;
        }
        ReadResolution(cups, dest.get(), info.get(), page);
    }
    return PrintQueue(dest->name, page);
}

void PrintQueue::PrintPicture(const gfx::Bitmap& picture, const TRect& target,
                              std::string_view title) const {
    const CupsLibrary& cups = Cups();
    const char* tmp = std::getenv("TMPDIR");
    std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/velmora-print-XXXXXX";
    int fd = mkstemp(path.data());
    if (fd < 0) throw PrintError("Die Druckseite kann nicht angelegt werden");
    close(fd);
    struct Remove {
        const std::string& path;
        ~Remove() { unlink(path.c_str()); }
    } removeLater{path};

    WritePicturePdf(path, page_, picture, target);

    std::unique_ptr<cups_dest_t, DestDeleter> dest(cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, name_.c_str(), nullptr));
    if (!dest) throw PrintError("Der Drucker " + name_ + " ist nicht mehr erreichbar");
    std::string jobTitle(title);
    int job = cups.cupsPrintFile2(CUPS_HTTP_DEFAULT, dest->name, path.c_str(), jobTitle.c_str(),
                                  dest->num_options, dest->options);
    if (job <= 0) {
        const char* why = cups.cupsLastErrorString();
        throw PrintError(std::string("Der Druckauftrag wurde nicht angenommen: ") + (why ? why : "unbekannter Fehler"));
    }
}

}  // namespace os
