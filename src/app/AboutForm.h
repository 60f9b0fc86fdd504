#pragma once
// Form2, "Über...": the program's name and version, the credits line, and two contact
// lines that open the user's mail program and web browser. Created hidden at start-up
// and shown modally from the help menu; "Schliessen" hides it again.

#include <functional>
#include <string>

#include "skin/controls/TbsSkinButton.h"
#include "skin/controls/TbsSkinGroupBox.h"
#include "skin/frame/TbsBusinessSkinForm.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "vcl/TForm.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"

namespace app {

// The contact lines. The mail link is its own text, not taken from the label.
constexpr const char* kContactAddress = "velmora@example.org";
constexpr const char* kContactMailLink = "mailto:velmora@example.org";
constexpr const char* kWebAddress = "https://www.example.org/velmora/";
constexpr const char* kCreditsLine = "Dezember 2026, Velmora-Team";

class TForm2 : public vcl::TForm {
public:
    explicit TForm2(vcl::TComponent* owner);
    ~TForm2() override;

    static constexpr int kClientWidth = 277;
    static constexpr int kClientHeight = 204;

    skin::TbsSkinGroupBox* bsSkinGroupBox1;
    vcl::TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    vcl::TImage* Image1;
    skin::TbsSkinButton* bsSkinButton1;
    skin::TbsSkinPopupMenu* bsSkinPopupMenu1;
    skin::TbsBusinessSkinForm* bsBusinessSkinForm1;
    vcl::TMenuItem* Schliessen1;

    void Label4Click(vcl::TObject* sender);
    void Label6Click(vcl::TObject* sender);
    void bsSkinButton1Click(vcl::TObject* sender);
    void Schliessen1Click(vcl::TObject* sender);

    // Hands a document or address to the desktop (xdg-open); tests look at what is passed.
    std::function<bool(const std::string&)> OpenDocument;

private:
    vcl::TLabel* MakeLabel(int x, int y, const std::string& caption);
};

extern TForm2* Form2;

}  // namespace app
