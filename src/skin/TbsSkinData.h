#pragma once
// One loaded skin: its pictures, the frame geometry of [FORMINFO], the popup and hint
// window records, and the ordered lists of object and control records that skinned
// windows, controls and menus look up by name.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/SkinControlRecords.h"
#include "skin/SkinFormRecords.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinNotices.h"
#include "skin/SkinObjectRecords.h"

namespace skin {

class TbsCompressedStoredSkin;
class TbsStoredSkin;
class TbsSkinSource;

// The description's lines (Windows-1252) read into an INI reader holding UTF-8 text.
SkinIniFile DescriptionFromCp1252(const std::vector<std::string>& lines);

// [VERSION]: kept for the curious, never used for drawing.
struct TbsSkinVersionInfo {
    std::string skinname, skinauthor, authoremail, authorurl, skincomments;
};

class TbsSkinData {
public:
    TbsSkinData() = default;
    TbsSkinData(const TbsSkinData&) = delete;
    TbsSkinData& operator=(const TbsSkinData&) = delete;
    // Sends nothing.
    ~TbsSkinData();

    // True until a load completes, and again during every load: users then draw
    // without skin.
    bool Empty() const { return empty_; }

    // Where change notices go; nullptr (the default) sends nothing, as for an owner that
    // is not a form. Not owned.
    void SetNoticeSink(SkinNoticeSink* sink) { sink_ = sink; }

    // Setting a stored skin loads it at once; setting nullptr only drops the reference.
    // When the stored skin is destroyed the reference becomes nullptr; the skin stays.
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* skin);
    TbsStoredSkin* StoredSkin() const { return storedSkin_; }
    void SetStoredSkin(TbsStoredSkin* skin);

    // The two load paths. Errors (DecompressionError, gfx::ImageError, SkinStreamError,
    // SkinConvertError) propagate with the skin left cleared and Empty().
    void LoadCompressedSkin(const TbsCompressedStoredSkin& stored);
    void LoadStoredSkin(const TbsStoredSkin& stored);

    // Index of the first record named exactly `name` (letter case counts), or -1.
    int FindObjectRecord(std::string_view name) const;
    int FindControlRecord(std::string_view name) const;

    // Drops records and pictures and marks the skin empty; the [FORMINFO] values and
    // the version strings stay as they were.
    void ClearSkin();
    // Sends `message` to the owner form, then to every other form (wParam this, lParam
    // 1000); nothing without a sink or when the owner is not a form.
    void NotifySkinForms(unsigned message);
    // Reads [VERSION], [FORMINFO], [POPUPWINDOW], [HINTWINDOW], [SKINOBJECTS] and
    // [SKINCONTROLS], in that order. The text is UTF-8 (see DescriptionFromCp1252).
    void ReadDescription(const SkinIniFile& ini);

    const gfx::Bitmap& Picture() const { return picture_; }
    const gfx::Bitmap& InactivePicture() const { return inactivepicture_; }
    const gfx::Bitmap& Mask() const { return mask_; }
    const std::vector<gfx::Bitmap>& ActivePictures() const { return activepictures_; }
    // The picture of a picture index, or nullptr for -1 or an index beyond the list
    // (indexes are kept as the description gives them).
    const gfx::Bitmap* ActivePicture(int index) const;

    const TbsSkinVersionInfo& VersionInfo() const { return version_; }
    const TbsFormInfo& FormInfo() const { return formInfo_; }
    const TbsDataSkinPopupWindow& PopupWindowRecord() const { return popupWindow_; }
    const TbsDataSkinHintWindow& HintWindowRecord() const { return hintWindow_; }
    const std::vector<std::unique_ptr<TbsDataSkinObject>>& ObjectRecords() const { return objects_; }
    const std::vector<std::unique_ptr<TbsDataSkinControl>>& ControlRecords() const { return controls_; }
    // The record at an index, or nullptr outside the list.
    const TbsDataSkinObject* ObjectRecord(int index) const;
    const TbsDataSkinControl* ControlRecord(int index) const;

    // Called by a stored skin being destroyed.
    void SourceDestroyed(const TbsSkinSource* source);

private:
    void ReadVersion(const SkinIniFile& ini);
    void ReadFrameSections(const SkinIniFile& ini);
    void ReadObjectList(const SkinIniFile& ini);
    void ReadControlList(const SkinIniFile& ini);
    void BeginLoad();
    void FinishLoad(bool loaded);

    bool empty_ = true;
    SkinNoticeSink* sink_ = nullptr;
    TbsCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    TbsStoredSkin* storedSkin_ = nullptr;

    gfx::Bitmap picture_, inactivepicture_, mask_;
    std::vector<gfx::Bitmap> activepictures_;
    TbsSkinVersionInfo version_;
    TbsFormInfo formInfo_;
    TbsDataSkinPopupWindow popupWindow_;
    TbsDataSkinHintWindow hintWindow_;
    std::vector<std::unique_ptr<TbsDataSkinObject>> objects_;
    std::vector<std::unique_ptr<TbsDataSkinControl>> controls_;
};

}  // namespace skin
