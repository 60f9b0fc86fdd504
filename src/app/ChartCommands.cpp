// The chart's export commands and the help command. Every export renders the chart into
// the form's hidden export image first, so save, print and copy hand on the same picture:
// the chart at its on-screen size, unsmoothed.

#include "app/ChartCommands.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "chart/control/TSCPieControl.h"
#include "gfx/JpegCodec.h"
#include "os/FileReplace.h"
#include "os/PrintQueue.h"
#include "os/ShellOpen.h"
#include "skin/controls/TbsSavePictureDialog.h"
#include "vcl/MessageBox.h"
#include "vcl/TApplication.h"
#include "vcl/TClipboard.h"
#include "vcl/TForm.h"
#include "vcl/TImage.h"
#include "vcl/TScreen.h"

namespace app {

namespace {

// The printed picture's share of the size that fits the printable area.
constexpr int kPrintPercent = 75;

// Shows the wait cursor for the whole application while it lives; the normal cursor comes
// back however the work ends.
class WaitCursor {
public:
    WaitCursor() { vcl::Screen->SetCursor(vcl::crHourGlass); }
    ~WaitCursor() { vcl::Screen->SetCursor(vcl::crDefault); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

std::string ApplicationTitle() {
    return vcl::Application ? vcl::Application->Title() : std::string("Velmora");
}

const gfx::Bitmap& RenderedPicture(chart::TSCPieControl& chart, vcl::TImage& exportImage) {
    RenderChartForExport(chart, exportImage);
    return exportImage.Picture()->Pixels();
}

void WriteJpegFile(const gfx::Bitmap& picture, const std::string& path) {
    // Encoded in memory first and then written through a temporary file: a failed write
    // leaves neither a half picture nor a damaged earlier file behind.
    const std::vector<uint8_t> jpeg = gfx::EncodeJpeg(picture, 100);
    const std::string_view bytes(reinterpret_cast<const char*>(jpeg.data()), jpeg.size());
    if (!os::ReplaceFileContents(path, bytes)) throw std::runtime_error("Datei " + path + " kann nicht erstellt werden");
}

void PrintPicture(const gfx::Bitmap& picture) {
    WaitCursor wait;
    std::optional<os::PrintQueue> queue = os::PrintQueue::Default();
    if (!queue) throw os::PrintError("Zur Zeit ist kein Standarddrucker gewählt");
    const TRect target =
        os::PrintedPictureRect(picture.Width(), picture.Height(), queue->PageWidth(), queue->PageHeight(), kPrintPercent);
    queue->PrintPicture(picture, target, ApplicationTitle());
}

}  // namespace

void RenderChartForExport(chart::TSCPieControl& chart, vcl::TImage& exportImage) {
    vcl::TBitmap& picture = *exportImage.Picture();
    // Sized first through the bitmap, so the image hears of the change; the drawing then
    // fills it at the same size.
    picture.SetPixelFormat(vcl::pf24bit);
    picture.SetSize(chart.ClientWidth(), chart.ClientHeight());
    chart.Chart().DrawToGraphic(picture.Pixels(), chart::aaNone, 0, 0, -1);
}

void SaveChartAsJpeg(chart::TSCPieControl& chart, vcl::TImage& exportImage, skin::TbsSavePictureDialog& dialog) {
    try {
        const gfx::Bitmap& picture = RenderedPicture(chart, exportImage);
        if (!dialog.Execute()) return;
        WriteJpegFile(picture, dialog.FileName());
    } catch (const std::exception& error) {
        vcl::HandleException(&dialog, error);
    }
}

void PrintChart(chart::TSCPieControl& chart, vcl::TImage& exportImage) {
    try {
        PrintPicture(RenderedPicture(chart, exportImage));
    } catch (const std::exception& error) {
        vcl::HandleException(&chart, error);
    }
}

void CopyChart(chart::TSCPieControl& chart, vcl::TImage& exportImage) {
    try {
        vcl::Clipboard()->Assign(RenderedPicture(chart, exportImage));
    } catch (const std::exception&) {
        vcl::MessageBox("Kein Diagramm vorhanden.", ApplicationTitle(), vcl::MB_OK);
    }
}

void OpenHelpPage(vcl::TForm& owner) {
    (void)owner;  // the opener is a program of its own; no window of ours is its parent
    // The page is looked for in the current folder, not beside the program. A missing page
    // is not handed on at all, so no opener can answer it with an error window.
    std::error_code error;
    const std::filesystem::path page = std::filesystem::absolute("Hilfe.html", error);
    if (error || !std::filesystem::is_regular_file(page, error)) return;
    os::ShellOpen(page.string());
}

}  // namespace app
