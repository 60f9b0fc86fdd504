#pragma once
// The drive list the drive selector shows: one entry (text, picture) per drive in letter
// order a to z, its texts in the chosen case, and the current drive letter.
//
// Entry texts: "a:" for a removable drive (its medium is not touched); "c: [system]" with
// the volume label for fixed, CD-ROM and RAM drives ("d: []" without one); "e: \\srv\data"
// with the network name for a network drive, or its label in brackets when no network name
// can be read. With tcUpperCase the letter and the label or name are upper case. Drives of
// type 0 and 1 are not listed. The first character of every text is the drive letter, the
// second a colon.
//
// The combo box that owns this model (later) draws it; it calls InitializeList when its
// window is created, and forwards its selection to ItemIndex. Will derive from the
// component base once the framework exists.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "os/DriveSystem.h"

namespace drive {

enum TTextCase { tcLowerCase, tcUpperCase };

struct TDriveItem {
    std::string text;
    std::string pictureName;  // "BS_HARD" ...
    unsigned driveType = 0;
};

class TDriveList {
public:
    // Loads the five pictures and takes the current drive letter from the current folder.
    explicit TDriveList(const os::DriveSystem& drives = os::MachineDrives());

    TTextCase TextCase() const { return textCase_; }
    // Stores the case, rebuilds the list and selects the current drive letter again.
    void SetTextCase(TTextCase textCase);

    // What the box does when its window is created: BuildDriveList, then SelectDrive
    // with the current drive letter.
    void InitializeList();
    void BuildDriveList();
    // Selects the first entry of that letter (any case); none selects nothing.
    void SelectDrive(std::optional<char> letter);

    const std::vector<TDriveItem>& Items() const { return items_; }
    // The picture of an entry; nullptr when its picture could not be loaded.
    const gfx::Bitmap* Picture(const TDriveItem& item) const;

    // -1 for none. Setting an index outside the list is ignored; a set that changes the
    // text reports OnChange, and every accepted set reports OnClick.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The selected entry's text, or empty.
    std::string Text() const;

    std::optional<char> CurrentDriveLetter() const { return currentLetter_; }

    std::function<void()> OnChange;
    std::function<void()> OnClick;

private:
    std::string LabelText(char rootLetter) const;
    std::string NetworkText(char rootLetter) const;
    std::string InCase(const std::string& text) const;

    const os::DriveSystem& drives_;
    TTextCase textCase_ = tcLowerCase;
    std::vector<TDriveItem> items_;
    std::map<std::string, gfx::Bitmap> pictures_;
    int itemIndex_ = -1;
    std::optional<char> currentLetter_;
};

}  // namespace drive
