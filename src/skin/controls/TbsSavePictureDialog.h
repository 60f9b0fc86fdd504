#pragma once
// The save-picture dialog: title "Diagramm als Bitmap speichern", the one filter
// "JPG (*.jpg)", ".jpg" added to a name without extension, an existing file replaced
// without asking. Execute shows it modally and returns whether a file was chosen.

#include <functional>
#include <string>

#include "skin/TbsSkinData.h"
#include "vcl/TComponent.h"

namespace skin {

class TbsSavePictureForm;

class TbsSavePictureDialog : public vcl::TComponent {
public:
    explicit TbsSavePictureDialog(vcl::TComponent* owner);

    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data) { skinData_ = data; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // The folder the dialog opens in (empty: the current folder).
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    // The chosen file; unchanged when the dialog was cancelled.
    const std::string& FileName() const { return fileName_; }

    bool Execute();
    // Called with the form after it was built and before it is shown (tests drive it).
    std::function<void(TbsSavePictureForm&)> OnShowForm;

private:
    TbsSkinData* skinData_ = nullptr;
    std::string title_ = "Diagramm als Bitmap speichern";
    std::string initialDir_;
    std::string fileName_;
};

}  // namespace skin
