// Skin change notices reaching the forms through the window system, and the walk over a
// form's controls that turns them into the controls' skin-change calls.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/EmbeddedSkin.h"
#include "skin/frame/FormSkinNotices.h"
#include "skin/frame/SkinControlWalk.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomControl.h"
#include "vcl/TForm.h"
#include "wm/headless/HeadlessSession.h"

using namespace vcl;

namespace {

// A control that records the skin calls it gets, with its name, in a shared journal.
class TAwareProbe : public TCustomControl, public skin::SkinChangeAware {
public:
    TAwareProbe(TWinControl* parent, const std::string& name, skin::TbsSkinData* data,
                std::vector<std::string>& journal)
        : TCustomControl(parent), data_(data), journal_(journal) {
        SetName(name);
        SetParent(parent);
    }
    skin::TbsSkinData* SkinChangeData() const override { return data_; }
    void PrepareSkinChange() override { journal_.push_back("prepare " + Name()); }
    void ApplySkinChange() override { journal_.push_back("apply " + Name()); }

private:
    skin::TbsSkinData* data_;
    std::vector<std::string>& journal_;
};

class SkinNoticesTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{800, 600};
    std::unique_ptr<TApplication> app = std::make_unique<TApplication>();
    std::vector<std::string> journal;

    // A form recording the skin notices it receives.
    TForm* MakeForm(const std::string& name) {
        TForm* form = app->CreateForm<TForm>();
        form->SetName(name);
        form->SetBorderStyle(bsNone);
        auto previous = form->WindowProc;
        form->WindowProc = [this, form, previous](TMessage& m) {
            if (m.Msg >= wm::WM_SKIN_CHANGING && m.Msg <= wm::WM_SKIN_REFIT)
                journal.push_back(form->Name() + " " + std::to_string(m.Msg) + " " +
                                  std::to_string(m.LParam));
            previous(m);
        };
        return form;
    }
};

}  // namespace

TEST_F(SkinNoticesTest, OwnerFormHearsFirstThenTheOthersInCreationOrder) {
    TForm* first = MakeForm("Form1");
    TForm* second = MakeForm("Form2");
    TForm* third = MakeForm("Form3");
    skin::TbsSkinData data;
    skin::FormSkinNotices notices(second);
    data.SetNoticeSink(&notices);
    skin::TbsCompressedStoredSkin chrome;
    ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(data, chrome, [](const std::string&) {}));
    const std::vector<std::string> expected = {
        "Form2 1225 1000", "Form1 1225 1000", "Form3 1225 1000",
        "Form2 1226 1000", "Form1 1226 1000", "Form3 1226 1000",
        "Form2 1227 1000", "Form1 1227 1000", "Form3 1227 1000"};
    EXPECT_EQ(journal, expected);
    EXPECT_TRUE(first->HandleAllocated());  // windows made for the notice
    EXPECT_TRUE(third->HandleAllocated());

    // A sink whose owner is not a form sends nothing; a destroyed form is skipped.
    journal.clear();
    skin::FormSkinNotices ownerless(nullptr);
    data.SetNoticeSink(&ownerless);
    data.NotifySkinForms(wm::WM_SKIN_CHANGED);
    EXPECT_TRUE(journal.empty());
    notices.Send(reinterpret_cast<skin::SkinFormId>(&journal), wm::WM_SKIN_CHANGED, &data, 1000);
    EXPECT_TRUE(journal.empty());
    data.SetNoticeSink(nullptr);
}

TEST_F(SkinNoticesTest, ControlWalkIsDepthFirstAndFiltersBySkin) {
    TForm* form = MakeForm("Form1");
    skin::TbsSkinData mine, other;
    auto* panel = new TAwareProbe(form, "panel", &mine, journal);
    new TAwareProbe(panel, "button", &mine, journal);
    auto* inner = new TAwareProbe(panel, "inner", &other, journal);
    new TAwareProbe(inner, "deep", &mine, journal);
    new TAwareProbe(form, "combo", &mine, journal);

    skin::PrepareFormSkinChange(form, &mine);
    EXPECT_EQ(journal, (std::vector<std::string>{"prepare panel", "prepare button",
                                                 "prepare deep", "prepare combo"}));
    journal.clear();
    skin::ApplyFormSkinChange(form, nullptr);  // no skin named: every control
    EXPECT_EQ(journal, (std::vector<std::string>{"apply panel", "apply button", "apply inner",
                                                 "apply deep", "apply combo"}));
    journal.clear();
    skin::ApplyFormSkinChange(form, &other);
    EXPECT_EQ(journal, (std::vector<std::string>{"apply inner"}));
}
