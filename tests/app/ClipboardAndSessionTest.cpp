// The clipboard object and the session end as the forms see them, on the headless display.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vcl/TApplication.h"
#include "vcl/TClipboard.h"
#include "wm/headless/HeadlessSession.h"

using namespace vcl;

TEST(Clipboard, TextAndPictureReplaceEachOther) {
    wm::headless::HeadlessSession h;
    Clipboard()->SetAsText("Laufwerk: c:");
    EXPECT_TRUE(Clipboard()->HasText());
    EXPECT_EQ(Clipboard()->AsText(), "Laufwerk: c:");
    gfx::Bitmap picture(30, 20);
    picture.Fill(clRed);
    Clipboard()->Assign(picture);
    EXPECT_FALSE(Clipboard()->HasText());
    EXPECT_EQ(Clipboard()->AsText(), "");
    ASSERT_TRUE(Clipboard()->Picture().has_value());
    EXPECT_EQ(Clipboard()->Picture()->Width(), 30);
    EXPECT_THROW(Clipboard()->Assign(gfx::Bitmap()), EClipboardError);
}

TEST(Clipboard, WithoutAWindowSystemPlacingFailsWithAnErrorAndReadingGivesNothing) {
    EXPECT_THROW(Clipboard()->SetAsText("x"), EClipboardError);
    EXPECT_EQ(Clipboard()->AsText(), "");
    EXPECT_FALSE(Clipboard()->Picture().has_value());
}

TEST(SessionEnd, EveryFormGetsEndSessionInCreationOrderAndErrorsDoNotStopIt) {
    wm::headless::HeadlessSession h;
    TApplication application;
    std::vector<std::string> seen;
    for (const char* name : {"Form1", "Form2", "Form3"}) {
        TForm* form = application.CreateForm<TForm>();
        form->SetName(name);
        form->OnEndSession = [&seen, form](TObject*, bool ending) {
            seen.push_back(form->Name() + (ending ? " ending" : " not ending"));
            if (form->Name() == "Form2") throw std::runtime_error("Velmora.ini kann nicht geschrieben werden");
        };
    }
    application.EndSession();
    EXPECT_EQ(seen, (std::vector<std::string>{"Form1 ending", "Form2 ending", "Form3 ending"}));
}
