#pragma once
// The main window's export commands (save as JPEG, print, copy) and the help command. The
// menus and the system-wide hot keys run the same functions. Failures are shown to the
// user in the application's message boxes; nothing is thrown to the caller.

namespace chart {
class TSCPieControl;
}
namespace skin {
class TbsSavePictureDialog;
}
namespace vcl {
class TForm;
class TImage;
}

namespace app {

// Draws the chart into `exportImage`'s picture at the chart's client size, once, with the
// chart's own border and without smoothing, whatever smoothing the chart shows.
void RenderChartForExport(chart::TSCPieControl& chart, vcl::TImage& exportImage);

// Renders, asks for a file name with `dialog` and writes the picture there as a JPEG
// (replacing an existing file). Cancel writes nothing.
void SaveChartAsJpeg(chart::TSCPieControl& chart, vcl::TImage& exportImage,
                     skin::TbsSavePictureDialog& dialog);

// Renders and prints the picture on the default printer at the printable area's top-left
// corner, at three quarters of the size that fits the page. The wait cursor is shown
// meanwhile and always taken back.
void PrintChart(chart::TSCPieControl& chart, vcl::TImage& exportImage);

// Renders and puts the picture on the clipboard.
void CopyChart(chart::TSCPieControl& chart, vcl::TImage& exportImage);

// Opens "Hilfe.html" of the current folder with the desktop's viewer; nothing is shown
// when it cannot be opened.
void OpenHelpPage(vcl::TForm& owner);

}  // namespace app
