// The print page: where the picture goes, the page's size in device pixels, the PDF that
// carries it, and a missing print server.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <string>

#include "os/PrintQueue.h"
#include "os/TempFolder.h"

namespace {

using os::PrintedPictureRect;
using os::PrintPageGeometry;

TEST(PrintPlacement, FitsThePageKeepingTheAspectRatioThenScales) {
    // 563 / 491 > 4800 / 6600: full width, H = MulDiv(491, 4800, 563) = 4186; at 75 %
    // 3600 x 3139.5 -> 3140 (half to even).
    TRect r = PrintedPictureRect(563, 491, 4800, 6600, 75);
    EXPECT_EQ(r, (TRect{0, 0, 3600, 3140}));
    // A tall picture fills the height instead.
    r = PrintedPictureRect(100, 400, 4800, 6600, 100);
    EXPECT_EQ(r, (TRect{0, 0, 1650, 6600}));
    // Equal quotients take the second branch: W from the height.
    r = PrintedPictureRect(48, 66, 4800, 6600, 75);
    EXPECT_EQ(r, (TRect{0, 0, 3600, 4950}));
    // Scaling rounds halves to even: 4802 * 75 / 100 = 3601.5 -> 3602, 4786 -> 3589.5 -> 3590.
    r = PrintedPictureRect(4802, 1, 4802, 6600, 75);
    EXPECT_EQ(r.Right, 3602);
    r = PrintedPictureRect(4786, 1, 4786, 6600, 75);
    EXPECT_EQ(r.Right, 3590);
}

TEST(PrintPlacement, EmptySizesGiveAnEmptyRectangle) {
    EXPECT_EQ(PrintedPictureRect(0, 491, 4800, 6600, 75), TRect{});
    EXPECT_EQ(PrintedPictureRect(563, 491, 0, 6600, 75), TRect{});
    EXPECT_EQ(PrintedPictureRect(-5, -5, 4800, 6600, 75), TRect{});
}

TEST(PrintPage, PrintableAreaInDevicePixels) {
    PrintPageGeometry a4;  // 210 x 297 mm, no margins, 300 dpi
    EXPECT_EQ(a4.PrintableWidthPixels(), 2480);
    EXPECT_EQ(a4.PrintableHeightPixels(), 3507);
    // Quarter-inch side margins, half-inch top and bottom, 600 dpi.
    a4.marginLeft = a4.marginRight = 635;
    a4.marginTop = a4.marginBottom = 1270;
    a4.dotsPerInchX = a4.dotsPerInchY = 600;
    EXPECT_EQ(a4.PrintableWidthPixels(), 4660);
    EXPECT_EQ(a4.PrintableHeightPixels(), 6415);
    a4.marginLeft = 30000;  // margins wider than the paper leave nothing
    EXPECT_EQ(a4.PrintableWidthPixels(), 0);
}

TEST(PrintPage, ThePdfHasTheMediaSizeAndThePictureAsItIs) {
    testing_support::TempFolder folder;
    gfx::Bitmap picture(3, 2);
    PrintPageGeometry a4;
    std::string path = folder.File("page.pdf");
    os::WritePicturePdf(path, a4, picture, TRect{0, 0, 300, 200});
    std::string pdf = testing_support::ReadBytes(path);
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 595.275591 841.889764 ]"), std::string::npos) << pdf.substr(0, 2000);
    // The image goes in at its own size: scaling is the page's business.
    EXPECT_NE(pdf.find("/Width 3"), std::string::npos);
    EXPECT_NE(pdf.find("/Height 2"), std::string::npos);
}

TEST(PrintPage, AnUnwritablePathIsAPrintError) {
    gfx::Bitmap picture(3, 2);
    EXPECT_THROW(os::WritePicturePdf("/nonexistent-folder/page.pdf", PrintPageGeometry{}, picture,
                                     TRect{0, 0, 3, 2}),
                 os::PrintError);
}

TEST(PrintQueueLookup, NoPrintServerMeansNoDefaultQueue) {
    testing_support::TempFolder folder;
    cupsSetServer(folder.File("no-server.sock").c_str());
    EXPECT_FALSE(os::PrintQueue::Default().has_value());
    cupsSetServer(nullptr);
}

}  // namespace
