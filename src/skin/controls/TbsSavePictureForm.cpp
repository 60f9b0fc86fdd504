#include "skin/controls/TbsSavePictureForm.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "skin/controls/DialogControls.h"
#include "vcl/TLabel.h"

namespace skin {

namespace fs = std::filesystem;

namespace {
constexpr const char* kUp = "[..]";

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
}  // namespace

TbsSavePictureForm::TbsSavePictureForm(TComponent* owner, TbsSkinData* skinData)
    : vcl::TForm(owner), skinData_(skinData) {
    SetBorderStyle(vcl::bsDialog);
    SetPosition(vcl::poScreenCenter);
    SetClientSize(460, 320);
    folderBar_ = MakeDialogControl<TbsSkinPanel>(this, skinData, {10, 10, 450, 32});
    folderBar_->SetBorderStyle(bvLowered);
    folderBar_->SetCaptionMode(true);
    list_ = MakeDialogControl<TbsSkinListBox>(this, skinData, {10, 40, 270, 240});
    list_->OnChange = [this](vcl::TObject*) { RowSelected(); };
    list_->OnDblClick = [this](vcl::TObject*) { OpenRow(list_->ItemIndex()); };
    preview_ = MakeDialogControl<TbsPicturePreview>(this, skinData, {280, 40, 450, 190});
    auto* nameLabel = new vcl::TLabel(this);
    nameLabel->SetParent(this);
    nameLabel->SetBounds(10, 252, 60, 16);
    nameLabel->SetCaption("Dateiname:");
    name_ = MakeDialogControl<TbsSkinEdit>(this, skinData, {80, 250, 270, 270});
    auto* typeLabel = new vcl::TLabel(this);
    typeLabel->SetParent(this);
    typeLabel->SetBounds(10, 284, 60, 16);
    typeLabel->SetCaption("Dateityp:");
    filter_ = MakeDialogControl<TbsSkinComboBox>(this, skinData, {80, 282, 270, 302});
    filter_->SetItems({"JPG (*.jpg)"});
    filter_->SetItemIndex(0);
    save_ = MakeDialogControl<TbsSkinButton>(this, skinData, {290, 248, 450, 273});
    save_->SetCaption("Speichern");
    save_->SetDefault(true);
    save_->OnClick = [this](vcl::TObject*) { Accept(); };
    cancel_ = MakeDialogControl<TbsSkinButton>(this, skinData, {290, 280, 450, 305});
    cancel_->SetCaption("Abbrechen");
    cancel_->SetCancel(true);
    cancel_->SetModalResult(vcl::mrCancel);
    SetActiveControl(name_);
    std::error_code ec;
    SetFolder(fs::current_path(ec));
}

void TbsSavePictureForm::SetFolder(const fs::path& folder) {
    folder_ = folder;
    folderBar_->SetCaption(folder_.string());
    FillList();
}

void TbsSavePictureForm::FillList() {
    std::vector<std::string> folders, files;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;  // hidden entries stay hidden
        std::error_code typeError;
        if (it->is_directory(typeError))
            folders.push_back("[" + name + "]");
        else if (LowerAscii(it->path().extension().string()) == ".jpg")
            files.push_back(name);
    }
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());
    list_->Clear();
    if (folder_.has_parent_path() && folder_ != folder_.root_path()) list_->AddItem(kUp);
    for (const auto& f : folders) list_->AddItem(f, 1);
    for (const auto& f : files) list_->AddItem(f, 0);
    preview_->Clear();
}

bool TbsSavePictureForm::OpenRow(int index) {
    if (index < 0 || index >= list_->Count()) return false;
    const std::string& row = list_->Item(index);
    if (row == kUp) {
        SetFolder(folder_.parent_path());
        return true;
    }
    if (list_->ItemValue(index) != 1) return false;
    SetFolder(folder_ / row.substr(1, row.size() - 2));
    return true;
}

void TbsSavePictureForm::RowSelected() {
    int index = list_->ItemIndex();
    if (index < 0 || list_->ItemValue(index) == 1 || list_->Item(index) == kUp) {
        preview_->Clear();
        return;
    }
    name_->SetEditText(list_->Item(index));
    preview_->LoadFile((folder_ / list_->Item(index)).string());
}

std::string TbsSavePictureForm::PathForName(const std::string& name) const {
    fs::path p(name);
    if (!p.has_extension()) p += ".jpg";
    return (p.is_absolute() ? p : folder_ / p).string();
}

void TbsSavePictureForm::Accept() {
    std::string name = name_->EditText();
    if (name.empty()) return;
    std::error_code ec;
    fs::path typed = fs::path(name).is_absolute() ? fs::path(name) : folder_ / name;
    if (fs::is_directory(typed, ec)) {  // a folder's name opens it
        SetFolder(typed);
        name_->SetEditText("");
        return;
    }
    chosen_ = PathForName(name);
    SetModalResult(vcl::mrOk);
}

}  // namespace skin
