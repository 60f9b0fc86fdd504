// Menus as data, accelerator helpers, popup menus on a right click, image lists.
#include "VclTestSupport.h"
#include "vcl/Accelerators.h"
#include "vcl/Errors.h"
#include "vcl/TImageList.h"
#include "vcl/TLabel.h"
#include "vcl/TMainMenu.h"
#include "vcl/TPopupMenu.h"

using namespace vcltest;

TEST(Accelerators, FoundStrippedAndComparedWithoutCase) {
    EXPECT_EQ(GetHotkey("&Datei"), U'd');
    EXPECT_EQ(GetHotkey("Diagramm &speichern"), U's');
    EXPECT_EQ(GetHotkey("Drag && Drop"), 0u);            // a literal ampersand
    EXPECT_EQ(GetHotkey("&&Oder &Über"), U'\u00FC');    // Ü, lower-cased
    EXPECT_EQ(GetHotkey("Ende&"), 0u);
    EXPECT_EQ(StripHotkey("&Datei"), "Datei");
    EXPECT_EQ(StripHotkey("Drag && &Drop"), "Drag & Drop");
    EXPECT_TRUE(IsAccel(U'D', "&Datei"));
    EXPECT_TRUE(IsAccel(U'\u00DC', "&Über"));
    EXPECT_FALSE(IsAccel(U'a', "&Datei"));
}

TEST(Menus, ItemTreeKeepsOrderParentsAndRadioGroups) {
    TComponent owner(nullptr);
    TMainMenu menu(&owner);
    auto* file = new TMenuItem(&owner);
    auto* info = new TMenuItem(&owner);
    menu.Items()->Add(info);
    menu.Items()->Insert(0, file);
    EXPECT_EQ(menu.Items()->Items(0), file);
    EXPECT_EQ((*menu.Items())[1], info);
    EXPECT_EQ(file->Parent(), menu.Items());
    EXPECT_EQ(file->GetParentMenu(), &menu);

    auto* pie = new TMenuItem(&owner);
    auto* doughnut = new TMenuItem(&owner);
    auto* line = new TMenuItem(&owner);
    line->SetCaption("-");
    for (TMenuItem* i : {pie, doughnut}) {
        i->SetRadioItem(true);
        i->SetGroupIndex(1);
        file->Add(i);
    }
    file->Add(line);
    EXPECT_TRUE(line->IsLine());
    pie->SetChecked(true);
    doughnut->SetChecked(true);
    EXPECT_FALSE(pie->Checked());
    EXPECT_TRUE(doughnut->Checked());

    // Deleting destroys the sub-item and it leaves its owner; the rest moves up.
    file->Delete(0);
    EXPECT_EQ(file->Count(), 2);
    EXPECT_EQ(file->Items(0), doughnut);
    EXPECT_EQ(owner.ComponentCount(), 5);  // menu, file, info, doughnut, line

    // A disabled item does not click; AutoCheck toggles before OnClick.
    int clicks = 0;
    doughnut->OnClick = [&](TObject*) { ++clicks; };
    doughnut->SetEnabled(false);
    doughnut->Click();
    EXPECT_EQ(clicks, 0);
    doughnut->SetEnabled(true);
    doughnut->SetAutoCheck(true);
    doughnut->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(doughnut->Checked());
    EXPECT_THROW(doughnut->Add(file), EInvalidOperation);  // no cycles
}

TEST_F(VclTest, RightClickOpensThePopupMenuAtThePointer) {
    TForm* form = MakeForm({100, 100, 400, 300});
    auto* chart = new TProbe(form, form);
    chart->SetBounds(10, 10, 200, 150);
    auto* label = new TLabel(form);  // windowless: its parent passes the click on
    label->SetParent(form);
    label->SetBounds(10, 170, 50, 15);
    auto* menu = new TPopupMenu(form);
    chart->SetPopupMenu(menu);
    label->SetPopupMenu(menu);
    std::vector<TPoint> shownAt;
    TPopupMenu::Presenter = [&](TPopupMenu* m, int x, int y) {
        EXPECT_EQ(m, menu);
        shownAt.push_back({x, y});
    };
    int popups = 0;
    menu->OnPopup = [&](TObject*) { ++popups; };
    form->Show();
    h.Click(150, 140, wm::MouseButton::Right);
    h.Click(120, 275, wm::MouseButton::Right);
    ASSERT_EQ(shownAt.size(), 2u);
    EXPECT_EQ(shownAt[0], TPoint(150, 140));
    EXPECT_EQ(shownAt[1], TPoint(120, 275));
    EXPECT_EQ(menu->PopupComponent(), label);
    EXPECT_EQ(popups, 2);
    menu->SetAutoPopup(false);
    h.Click(150, 140, wm::MouseButton::Right);
    EXPECT_EQ(shownAt.size(), 2u);
    TPopupMenu::Presenter = nullptr;
}

TEST(ImageLists, MaskedPicturesDrawOnlyTheirShapeAndDisabledOnesEngraved) {
    TComponent owner(nullptr);
    TImageList list(&owner);
    list.SetWidth(4);
    list.SetHeight(4);
    TBitmap strip(8, 4);  // two pictures side by side
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect({0, 0, 8, 4});
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect({1, 1, 3, 3});
    strip.Canvas()->FillRect({4, 0, 8, 1});
    EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);

    TBitmap target(10, 10);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 10, 10});
    list.Draw(target.Canvas(), 2, 2, 0);
    EXPECT_EQ(target.Pixels().Pixel(3, 3), clBlue);   // the shape
    EXPECT_EQ(target.Pixels().Pixel(2, 2), clWhite);  // masked out
    EXPECT_EQ(target.Pixels().Pixel(5, 5), clWhite);

    target.Canvas()->FillRect({0, 0, 10, 10});
    list.Draw(target.Canvas(), 2, 2, 0, false);
    EXPECT_EQ(target.Pixels().Pixel(3, 3), Rgb(clBtnShadow));
    EXPECT_EQ(target.Pixels().Pixel(5, 5), Rgb(clBtnHighlight));  // the highlight one down-right
    EXPECT_EQ(target.Pixels().Pixel(2, 2), clWhite);

    TBitmap second;
    ASSERT_TRUE(list.GetBitmap(1, &second, clWhite));
    EXPECT_EQ(second.Pixels().Pixel(3, 0), clBlue);
    EXPECT_EQ(second.Pixels().Pixel(3, 1), clWhite);
}
