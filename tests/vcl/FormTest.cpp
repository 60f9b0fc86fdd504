// Showing, closing and modal forms; errors from event handlers; the message box.
#include "VclTestSupport.h"
#include "base/ShortCut.h"
#include "vcl/Errors.h"
#include "vcl/MessageBox.h"
#include "vcl/TScreen.h"
#include "vcl/TTimer.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"

using namespace vcltest;

namespace {

// Notes the caption and text of every message box that is on screen when a key arrives.
struct BoxWatcher {
    std::vector<std::pair<std::string, std::string>> seen;
    int hook = wm::AddMessageHook([this](wm::MSG& m) {
        if (m.message != wm::WM_KEYDOWN) return false;
        HWND root = wm::GetRootWindow(m.hwnd);
        if (wm::GetClassName(root) != "TMessageForm") return false;
        std::string text;
        for (HWND child : wm::GetChildWindows(root))
            if (wm::GetClassName(child) == "TMessageText") text = wm::GetWindowText(child);
        seen.emplace_back(wm::GetWindowText(root), text);
        return false;
    });
    ~BoxWatcher() { wm::RemoveMessageHook(hook); }
};

int MessageBoxesOpen() {
    int n = 0;
    for (HWND w : wm::GetChildWindows(0))
        if (wm::GetClassName(w) == "TMessageForm") ++n;
    return n;
}

}  // namespace

TEST_F(VclTest, ShowModalOfAVisibleFormFailsWithTheClassicText) {
    TForm* form = MakeForm({0, 0, 100, 100});
    form->Show();
    try {
        form->ShowModal();
        FAIL() << "ShowModal of a visible form must fail";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Aus einem sichtbaren Fenster kann kein modales gemacht werden");
    }
    EXPECT_FALSE(form->IsModal());
}

TEST_F(VclTest, ModalLoopReturnsTheModalResultAndEnablesTheOtherFormsAgain) {
    TForm* mainForm = MakeForm({0, 0, 300, 300});
    mainForm->Show();
    TForm* dialog = MakeForm({50, 50, 150, 150});
    TTimer timer(nullptr);
    timer.SetInterval(100);
    bool mainDisabledMeanwhile = false;
    timer.SetOnTimer([&](TObject*) {
        mainDisabledMeanwhile = !wm::IsWindowEnabled(mainForm->Handle());
        dialog->SetModalResult(mrOk);
    });
    h.QueueAdvance(150);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(mainDisabledMeanwhile);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(wm::IsWindowEnabled(mainForm->Handle()));
    EXPECT_FALSE(app->Terminated());
}

TEST_F(VclTest, ModalLoopEndsWhenTheApplicationTerminates) {
    TForm* mainForm = MakeForm({0, 0, 300, 300});
    mainForm->Show();
    TForm* dialog = MakeForm({50, 50, 150, 150});
    TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer([&](TObject*) { app->Terminate(); });  // the hot key Ctrl+B does this
    h.QueueAdvance(150);
    EXPECT_EQ(dialog->ShowModal(), mrNone);
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(wm::IsQuitPending());  // the outer loops end as well
}

TEST_F(VclTest, CloseOfAModalFormIsCancelAndCloseQueryMayRefuse) {
    TForm* mainForm = MakeForm({0, 0, 300, 300});
    mainForm->Show();
    TForm* dialog = MakeForm({50, 50, 150, 150});
    int asked = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer([&](TObject*) { dialog->Close(); });
    h.QueueAdvance(250);  // the first close is refused, the second goes through
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

TEST_F(VclTest, ClosingTheMainFormEndsRunAndOtherFormsJustHide) {
    TForm* mainForm = MakeForm({0, 0, 300, 300});
    TForm* other = MakeForm({400, 0, 500, 100});
    other->Show();
    std::vector<std::string> events;
    other->OnClose = [&](TObject*, TCloseAction& a) { events.push_back("close other"); EXPECT_EQ(a, caHide); };
    mainForm->OnShow = [&](TObject*) { events.push_back("show main"); };
    TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer([&](TObject*) {
        other->Close();
        mainForm->Perform(wm::WM_CLOSE);  // the frame's close button
    });
    h.QueueAdvance(150);
    app->Run();
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(other->Visible());
    EXPECT_EQ(events, (std::vector<std::string>{"show main", "close other"}));
}

TEST_F(VclTest, AnErrorInAnEventHandlerIsShownWithAFullStopAndTheProgramGoesOn) {
    app->SetTitle("Velmora");
    TForm* form = MakeForm({0, 0, 200, 200});
    auto* button = new TProbe(form, form);
    button->SetBounds(10, 10, 80, 25);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        throw std::runtime_error("Datei C:\\x.jpg kann nicht erstellt werden");
    };
    form->Show();
    h.ProcessPending();
    BoxWatcher watcher;
    // The click opens the box; its loop takes the Enter that follows.
    h.QueueMove(20, 20);
    h.QueueButton(wm::MouseButton::Left, true);
    h.QueueButton(wm::MouseButton::Left, false);
    h.QueueKey(base::VK_RETURN, true);
    h.QueueKey(base::VK_RETURN, false);
    h.ProcessPending();
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].first, "Velmora");
    EXPECT_EQ(watcher.seen[0].second, "Datei C:\\x.jpg kann nicht erstellt werden.");
    EXPECT_EQ(MessageBoxesOpen(), 0);

    // The program goes on: the next click is handled again (here by the test's hook).
    std::string reported;
    app->OnException = [&](TObject* sender, const std::exception& e) {
        reported = e.what();
        EXPECT_EQ(sender, button);
    };
    h.Click(20, 20);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(reported, "Datei C:\\x.jpg kann nicht erstellt werden");
}

TEST(ErrorText, AddsAFullStopOnlyWhenMissing) {
    EXPECT_EQ(ErrorText(std::runtime_error("Zur Zeit ist kein Standarddrucker gewählt")),
              "Zur Zeit ist kein Standarddrucker gewählt.");
    EXPECT_EQ(ErrorText(std::runtime_error("Fertig.")), "Fertig.");
    EXPECT_EQ(ErrorText(std::runtime_error("")), "");
}

TEST_F(VclTest, MessageBoxClosesWithEscapeOrAClickOnOk) {
    TForm* form = MakeForm({0, 0, 400, 300});
    form->Show();
    h.QueueKey(base::VK_ESCAPE, true);
    h.QueueKey(base::VK_ESCAPE, false);
    EXPECT_EQ(MessageBox("Hallo", "Titel"), IDOK);
    EXPECT_EQ(MessageBoxesOpen(), 0);
    EXPECT_TRUE(wm::IsWindowEnabled(form->Handle()));

    // Find the OK button on the next box through a timer that runs inside its loop.
    TTimer timer(nullptr);
    timer.SetInterval(10);
    TRect okOnScreen;
    timer.SetOnTimer([&](TObject*) {
        timer.SetEnabled(false);
        for (HWND top : wm::GetChildWindows(0))
            for (HWND child : wm::GetChildWindows(top))
                if (wm::GetClassName(child) == "TMessageButton") okOnScreen = wm::GetWindowRect(child);
        TPoint c{(okOnScreen.Left + okOnScreen.Right) / 2, (okOnScreen.Top + okOnScreen.Bottom) / 2};
        h.QueueMove(c.X, c.Y);
        h.QueueButton(wm::MouseButton::Left, true);
        h.QueueButton(wm::MouseButton::Left, false);
    });
    h.QueueAdvance(20);
    EXPECT_EQ(MessageBox("Noch einmal", "Titel"), IDOK);
    EXPECT_FALSE(okOnScreen.IsEmpty());
}

TEST_F(VclTest, EndSessionReachesTheFormWithoutClosingIt) {
    TForm* form = MakeForm({0, 0, 100, 100});
    form->Show();
    int saved = 0;
    form->OnEndSession = [&](TObject*, bool) { ++saved; };
    form->Perform(wm::WM_ENDSESSION, 1);
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(form->Visible());
}

TEST_F(VclTest, ScreenKeepsFormsAndTheWaitCursor) {
    TForm* a = MakeForm({0, 0, 100, 100});
    TForm* b = MakeForm({200, 0, 300, 100});
    EXPECT_EQ(Screen->FormCount(), 2);
    a->Show();
    b->Show();
    EXPECT_EQ(Screen->ActiveForm(), b);
    EXPECT_EQ(Screen->WorkAreaRect(), h.Display().WorkArea());
    Screen->SetCursor(crHourGlass);
    h.MoveTo(50, 50);
    EXPECT_EQ(h.Display().Cursor(), wm::CursorShape::Wait);
    Screen->SetCursor(crDefault);
    h.MoveTo(51, 50);
    EXPECT_EQ(h.Display().Cursor(), wm::CursorShape::Arrow);
    app.reset();
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(VclTest, ActivationEventsFollowTheActiveWindow) {
    TForm* a = MakeForm({0, 0, 100, 100});
    TForm* b = MakeForm({200, 0, 300, 100});
    std::vector<std::string> log;
    a->OnActivate = [&](TObject*) { log.push_back("a active"); };
    a->OnDeactivate = [&](TObject*) { log.push_back("a inactive"); };
    b->OnActivate = [&](TObject*) { log.push_back("b active"); };
    a->Show();
    b->Show();
    h.Click(50, 50);
    EXPECT_EQ(log, (std::vector<std::string>{"a active", "a inactive", "b active", "a active"}));
    EXPECT_TRUE(a->Active());
}

namespace {

// Handles a message of its own by number, as the frame and the controls do.
class TCounting : public TProbe {
public:
    using TProbe::TProbe;
    int custom = 0;
    void WndProc(TMessage& m) override {
        if (m.Msg == wm::WM_USER + 7) {
            ++custom;
            m.Result = 42;
            return;
        }
        TProbe::WndProc(m);
    }
};

}  // namespace

TEST_F(VclTest, MessagesPassAReplaceableWindowProcBeforeTheVirtualHandler) {
    TForm* form = MakeForm({0, 0, 100, 100});
    auto* c = new TCounting(form, form);
    form->Show();
    EXPECT_EQ(wm::SendMessage(c->Handle(), wm::WM_USER + 7), 42);
    // A component puts itself in front and passes everything on.
    int seen = 0;
    auto previous = c->WindowProc;
    c->WindowProc = [&seen, previous](TMessage& m) {
        if (m.Msg == wm::WM_USER + 7) ++seen;
        previous(m);
    };
    EXPECT_EQ(c->Perform(wm::WM_USER + 7), 42);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(c->custom, 2);
}
