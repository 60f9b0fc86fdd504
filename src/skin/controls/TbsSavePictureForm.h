#pragma once
// The window of the save-picture dialog, built from the skinned controls: the folder,
// its sub-folders and pictures in a list (double click opens a folder), a preview of the
// selected picture, the file name, the one file type and the two buttons.

#include <filesystem>
#include <string>

#include "skin/controls/TbsPicturePreview.h"
#include "skin/controls/TbsSkinButton.h"
#include "skin/controls/TbsSkinComboBox.h"
#include "skin/controls/TbsSkinEdit.h"
#include "skin/controls/TbsSkinListBox.h"
#include "vcl/TForm.h"

namespace skin {

class TbsSavePictureForm : public vcl::TForm {
public:
    TbsSavePictureForm(TComponent* owner, TbsSkinData* skinData);

    TbsSkinData* SkinData() const { return skinData_; }

    const std::filesystem::path& Folder() const { return folder_; }
    void SetFolder(const std::filesystem::path& folder);
    // The chosen file after Speichern, empty otherwise.
    const std::string& ChosenPath() const { return chosen_; }
    // The path the typed name stands for (".jpg" added when it has no extension).
    std::string PathForName(const std::string& name) const;

    TbsSkinListBox* FileList() const { return list_; }
    TbsSkinEdit* NameEdit() const { return name_; }
    TbsPicturePreview* Preview() const { return preview_; }
    TbsSkinButton* SaveButton() const { return save_; }
    TbsSkinButton* CancelButton() const { return cancel_; }

    // Opens the folder of a list row (".." goes up); false when the row is a file.
    bool OpenRow(int index);
    void Accept();

private:
    void FillList();
    void RowSelected();

    TbsSkinData* skinData_;
    std::filesystem::path folder_;
    std::string chosen_;
    TbsSkinPanel* folderBar_ = nullptr;
    TbsSkinListBox* list_ = nullptr;
    TbsPicturePreview* preview_ = nullptr;
    TbsSkinEdit* name_ = nullptr;
    TbsSkinComboBox* filter_ = nullptr;
    TbsSkinButton* save_ = nullptr;
    TbsSkinButton* cancel_ = nullptr;
};

}  // namespace skin
