// Ownership, references between components, loading, fonts and bitmaps.
#include <algorithm>
#include <sstream>

#include "VclTestSupport.h"
#include "vcl/TBitmap.h"
#include "vcl/TLabel.h"
#include "vcl/TPopupMenu.h"
#include "vcl/TTimer.h"

using namespace vcltest;

namespace {

class TTracked : public TComponent {
public:
    TTracked(TComponent* owner, const std::string& name, std::vector<std::string>* log)
        : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~TTracked() override { log_->push_back(Name()); }

private:
    std::vector<std::string>* log_;
};

// Keeps a pointer to another component and drops it when told.
class TReferrer : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* target = nullptr;
    void Refer(TComponent* c) {
        target = c;
        FreeNotification(c);
    }

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == opRemove && c == target) target = nullptr;
    }
};

}  // namespace

TEST(Components, OwnedOnesAreDestroyedWithTheOwnerNewestFirst) {
    std::vector<std::string> log;
    auto* owner = new TComponent(nullptr);
    new TTracked(owner, "Erster", &log);
    auto* second = new TTracked(owner, "Zweiter", &log);
    new TTracked(owner, "Dritter", &log);
    EXPECT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->FindComponent("zweiter"), second);  // names compare case-insensitively
    EXPECT_EQ(owner->FindComponent("Vierter"), nullptr);
    // A component destroyed on its own leaves its owner's list.
    TObject::Free(second);
    EXPECT_EQ(owner->ComponentCount(), 2);
    TObject::Free(owner);
    EXPECT_EQ(log, (std::vector<std::string>{"Zweiter", "Dritter", "Erster"}));
}

TEST(Components, AReferencingComponentIsToldWhenTheOtherGoesEitherWay) {
    TReferrer referrer(nullptr);
    auto* target = new TComponent(nullptr);
    referrer.Refer(target);
    TObject::Free(target);
    EXPECT_EQ(referrer.target, nullptr);

    // The other way round: the referrer goes first; the target must not tell it later.
    auto* early = new TReferrer(nullptr);
    TComponent other(nullptr);
    early->Refer(&other);
    TObject::Free(early);  // ASan would catch a notice sent to the freed referrer
    SUCCEED();
}

TEST_F(VclTest, ControlsDropTheirPopupMenuAndLabelsTheirFocusControlWhenThoseGo) {
    TForm* form = MakeForm({0, 0, 200, 100});
    auto* menu = new TPopupMenu(form);
    auto* edit = new TProbe(form, form);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetPopupMenu(menu);
    label->SetFocusControl(edit);
    TObject::Free(menu);
    TObject::Free(edit);
    EXPECT_EQ(label->PopupMenu(), nullptr);
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_EQ(form->ControlCount(), 1);
}

namespace {

// A form applying its description in its constructor.
class TDescribedForm : public TForm {
public:
    TDescribedForm(TComponent* owner, std::vector<std::string>* log) : TForm(owner), log_(log) {
        BeginLoading();
        label = new TLabel(this);
        label->SetParent(this);
        log->push_back(label->IsLoading() ? "Label lädt" : "Label lädt nicht");
        // A component that makes its own timer while the form is loading.
        holder = new TComponent(this);
        timer = new TTimer(holder);
        timer->SetInterval(100);
        timer->SetOnTimer([this](TObject*) { log_->push_back("tick"); });
        OnCreate = [this](TObject*) { log_->push_back("OnCreate"); };
    }
    TLabel* label;
    TComponent* holder;
    TTimer* timer;

protected:
    void Loaded() override {
        TForm::Loaded();
        log_->push_back("Loaded");
    }

private:
    std::vector<std::string>* log_;
};

}  // namespace

TEST_F(VclTest, DescriptionIsAppliedWhileLoadingThenLoadedThenOnCreate) {
    std::vector<std::string> log;
    auto* form = app->CreateForm<TDescribedForm>(&log);
    EXPECT_EQ(log, (std::vector<std::string>{"Label lädt", "Loaded", "OnCreate"}));
    EXPECT_FALSE(form->IsLoading());
    EXPECT_FALSE(form->label->IsLoading());
    EXPECT_EQ(app->MainForm(), form);
    // Components owned by the form's components finish loading with the form: the
    // nested timer runs.
    EXPECT_FALSE(form->timer->IsLoading());
    h.Advance(250);
    EXPECT_EQ(std::count(log.begin(), log.end(), "tick"), 2);
}

TEST_F(VclTest, FormsAreDestroyedInTheReverseOrderOfTheirCreation) {
    std::vector<std::string> log;
    for (const char* name : {"Form1", "Form2", "Form3"}) {
        TForm* f = app->CreateForm<TForm>();
        f->SetName(name);
        f->OnDestroy = [&log](TObject* s) { log.push_back(static_cast<TForm*>(s)->Name()); };
    }
    EXPECT_EQ(app->MainForm()->Name(), "Form1");
    app.reset();
    EXPECT_EQ(log, (std::vector<std::string>{"Form3", "Form2", "Form1"}));
}

TEST(Fonts, SizeAndHeightAreTwoViewsOfOneValueAndChangesAreAnnounced) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetSize(8);  // the default height already: no change
    EXPECT_EQ(font.Height(), -11);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
    font.SetStyle({fsBold, fsUnderline});
    EXPECT_TRUE(font.Attributes().bold);
    EXPECT_TRUE(font.Style().Contains(fsUnderline));
    EXPECT_FALSE(font.Style().Contains(fsItalic));
    font.SetStyle({fsBold, fsUnderline});  // no change, no notice
    EXPECT_EQ(changes, 3);  // size 10, height -16, styles
    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.Attributes(), font.Attributes());
}

TEST(Bitmaps, BmpRoundTripAndTransparentDrawing) {
    TBitmap picture(4, 3);
    picture.Canvas()->Brush()->SetColor(clRed);
    picture.Canvas()->FillRect({0, 0, 4, 3});
    picture.Canvas()->SetPixel(1, 1, clBlue);
    std::stringstream file;
    picture.SaveToStream(file);
    TBitmap read;
    read.LoadFromStream(file);
    EXPECT_EQ(read.Width(), 4);
    EXPECT_EQ(read.Height(), 3);
    EXPECT_EQ(read.Pixels().Pixel(1, 1), clBlue);
    EXPECT_EQ(read.Pixels().Pixel(3, 2), clRed);

    // Transparent: the bottom-left colour (red) is left out.
    read.SetTransparent(true);
    TBitmap target(6, 6);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 6, 6});
    target.Canvas()->Draw(1, 1, &read);
    EXPECT_EQ(target.Pixels().Pixel(2, 2), clBlue);
    EXPECT_EQ(target.Pixels().Pixel(1, 1), clWhite);

    TBitmap mono(8, 8, pf1bit);
    EXPECT_EQ(mono.PixelFormat(), pf1bit);
    std::stringstream monoFile;
    mono.SaveToStream(monoFile);
    EXPECT_EQ(monoFile.str().substr(28, 1), std::string(1, '\x01'));  // biBitCount 1
}
