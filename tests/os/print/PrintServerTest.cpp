// Printing to a real print queue: the page's size comes from the queue, the job reaches
// the spooler and comes out as the page we sent.
#include <gtest/gtest.h>

#include "os/PrintQueue.h"
#include "os/print/PrivatePrintServer.h"

namespace {

using testing_support::PrivatePrintServer;

TEST(PrintServer, TheDefaultQueuesPrintableAreaInDevicePixels) {
    PrivatePrintServer server;
    if (!server.Available()) GTEST_SKIP() << server.Why();
    auto queue = os::PrintQueue::Default();
    ASSERT_TRUE(queue.has_value());
    EXPECT_EQ(queue->Name(), "VelmoraTest");
    // A4 at 600 dpi less 1/4 inch at each side and 1/2 inch at top and bottom. The print
    // system gives A4 either by its standard size or from the page's 595 x 842 points, so
    // the last pixel may differ.
    const os::PrintPageGeometry& page = queue->Page();
    EXPECT_EQ(page.dotsPerInchX, 600);
    EXPECT_EQ(page.dotsPerInchY, 600);
    EXPECT_EQ(page.marginLeft, 635);
    EXPECT_EQ(page.marginTop, 1270);
    EXPECT_NEAR(queue->PageWidth(), 4660, 3);
    EXPECT_NEAR(queue->PageHeight(), 6415, 3);
}

TEST(PrintServer, AJobReachesTheQueueAndComesOutAsOurPage) {
    PrivatePrintServer server;
    if (!server.Available()) GTEST_SKIP() << server.Why();
    auto queue = os::PrintQueue::Default();
    ASSERT_TRUE(queue.has_value());
    gfx::Bitmap chart(563, 491);
    TRect target = os::PrintedPictureRect(563, 491, queue->PageWidth(), queue->PageHeight(), 75);
    queue->PrintPicture(chart, target, "Velmora");
    ASSERT_TRUE(server.WaitForOutput(30)) << "the job never left the queue:\n" << server.Log();
    std::string page = testing_support::ReadBytes(server.OutputFile());
    EXPECT_EQ(page.rfind("%PDF-", 0), 0u);
    EXPECT_NE(page.find("/Width 563"), std::string::npos);
}

TEST(PrintServer, AServerWithoutADefaultQueueHasNoDefault) {
    PrivatePrintServer server(/*defaultQueue=*/false);
    if (!server.Available()) GTEST_SKIP() << server.Why();
    EXPECT_FALSE(os::PrintQueue::Default().has_value());
}

}  // namespace
