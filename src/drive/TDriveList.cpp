#include "drive/TDriveList.h"

#include "drive/DrivePictures.h"
#include "os/TextCase.h"

namespace drive {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

TDriveList::TDriveList(const os::DriveSystem& drives) : drives_(drives) {
    for (const char* name : {"BS_FLOPPY", "BS_HARD", "BS_NETWORK", "BS_CDROM", "BS_RAM"})
        pictures_[name] = LoadDrivePicture(name);
    currentLetter_ = drives_.CurrentDriveLetter();
}

const gfx::Bitmap* TDriveList::Picture(const TDriveItem& item) const {
    auto it = pictures_.find(item.pictureName);
    return it == pictures_.end() || it->second.IsEmpty() ? nullptr : &it->second;
}

void TDriveList::SetTextCase(TTextCase textCase) {
    if (textCase == textCase_) return;
    textCase_ = textCase;
    BuildDriveList();
    SelectDrive(currentLetter_);
}

void TDriveList::InitializeList() {
    BuildDriveList();
    SelectDrive(currentLetter_);
}

std::string TDriveList::InCase(const std::string& text) const {
    return textCase_ == tcUpperCase ? os::UpperCaseText(text) : os::LowerCaseText(text);
}

std::string TDriveList::LabelText(char rootLetter) const {
    const char root[] = {rootLetter, ':', '\\', '\0'};
    std::optional<os::VolumeInformation> volume = drives_.GetVolumeInformation(root);
    return "[" + InCase(volume ? volume->volumeName : std::string()) + "]";
}

std::string TDriveList::NetworkText(char rootLetter) const {
    const char localName[] = {Upper(rootLetter), ':', '\0'};
    if (std::optional<std::string> name = drives_.GetNetworkConnection(localName)) return InCase(*name);
    return LabelText(rootLetter);
}

void TDriveList::BuildDriveList() {
    items_.clear();
    itemIndex_ = -1;
    uint32_t mask = drives_.GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(mask & (uint32_t(1) << bit))) continue;
        char letter = static_cast<char>('a' + bit);
        const char root[] = {letter, ':', '\\', '\0'};
        unsigned type = drives_.GetDriveType(root);
        std::string pictureName(DrivePictureName(type));
        if (pictureName.empty()) continue;  // unknown or no root directory
        std::string head{textCase_ == tcUpperCase ? Upper(letter) : letter, ':'};
        std::string text;
        switch (type) {
        case os::DRIVE_REMOVABLE: text = head; break;
        case os::DRIVE_REMOTE: text = head + " " + NetworkText(letter); break;
        default: text = head + " " + LabelText(letter); break;
        }
        items_.push_back({std::move(text), std::move(pictureName), type});
    }
}

void TDriveList::SelectDrive(std::optional<char> letter) {
    auto upper = [](std::optional<char> c) { return c ? std::optional<char>(Upper(*c)) : std::nullopt; };
    if (itemIndex_ >= 0 && upper(letter) == upper(currentLetter_)) return;
    if (!letter) {
        currentLetter_.reset();
        SetItemIndex(-1);
        return;
    }
    currentLetter_ = textCase_ == tcUpperCase ? Upper(*letter) : Lower(*letter);
    for (size_t i = 0; i < items_.size(); ++i) {
        const std::string& text = items_[i].text;
        if (text.size() >= 2 && Upper(text[0]) == Upper(*letter) && text[1] == ':') {
            SetItemIndex(static_cast<int>(i));
            return;
        }
    }
}

void TDriveList::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) return;
    std::string before = Text();
    itemIndex_ = index;
    if (Text() != before && OnChange) OnChange();
    if (OnClick) OnClick();
}

std::string TDriveList::Text() const {
    return itemIndex_ >= 0 && itemIndex_ < static_cast<int>(items_.size()) ? items_[itemIndex_].text : std::string();
}

}  // namespace drive
