#include "skin/TbsSkinData.h"

#include "base/Encoding.h"
#include "skin/SkinContainer.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsStoredSkin.h"

namespace skin {

SkinIniFile DescriptionFromCp1252(const std::vector<std::string>& lines) {
    std::vector<std::string> utf8;
    utf8.reserve(lines.size());
    for (const std::string& line : lines) utf8.push_back(base::Cp1252ToUtf8(line));
    return SkinIniFile(utf8);
}

TbsSkinSource::~TbsSkinSource() {
    // A copy: each referrer unregisters itself while we walk.
    std::vector<TbsSkinData*> referrers = referrers_;
    for (TbsSkinData* data : referrers) data->SourceDestroyed(this);
}

TbsSkinData::~TbsSkinData() {
    empty_ = true;
    if (compressedStoredSkin_) compressedStoredSkin_->RemoveReferrer(this);
    if (storedSkin_) storedSkin_->RemoveReferrer(this);
}

void TbsSkinData::SourceDestroyed(const TbsSkinSource* source) {
    if (source == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
    if (source == storedSkin_) storedSkin_ = nullptr;
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* skin) {
    if (compressedStoredSkin_) compressedStoredSkin_->RemoveReferrer(this);
    compressedStoredSkin_ = skin;
    if (!skin) return;
    skin->AddReferrer(this);
    LoadCompressedSkin(*skin);
}

void TbsSkinData::SetStoredSkin(TbsStoredSkin* skin) {
    if (storedSkin_) storedSkin_->RemoveReferrer(this);
    storedSkin_ = skin;
    if (!skin) return;
    skin->AddReferrer(this);
    LoadStoredSkin(*skin);
}

void TbsSkinData::BeginLoad() {
    empty_ = true;
    NotifySkinForms(WM_SKIN_CHANGING);
    ClearSkin();
}

void TbsSkinData::FinishLoad(bool loaded) {
    if (loaded) empty_ = false;
    NotifySkinForms(WM_SKIN_CHANGED);
    NotifySkinForms(WM_SKIN_REFIT);
}

void TbsSkinData::LoadCompressedSkin(const TbsCompressedStoredSkin& stored) {
    if (stored.IsEmpty()) return;
    BeginLoad();
    std::vector<uint8_t> container = stored.Unpack();
    SkinContainerReader reader(container);
    if (reader.ReadInt32() != kSkinContainerVersion) {
        FinishLoad(false);
        return;
    }
    try {
        SkinPictureSet pictures;
        reader.ReadPictures(pictures);
        picture_ = std::move(pictures.picture);
        inactivepicture_ = std::move(pictures.inactivepicture);
        mask_ = std::move(pictures.mask);
        activepictures_ = std::move(pictures.activepictures);
        ReadDescription(DescriptionFromCp1252(reader.ReadLines()));
    } catch (...) {
        // Drawing never sees half a skin: what was read before the failure goes too.
        ClearSkin();
        throw;
    }
    FinishLoad(true);
}

void TbsSkinData::LoadStoredSkin(const TbsStoredSkin& stored) {
    BeginLoad();
    SkinIniFile ini = DescriptionFromCp1252(stored.IniStrings());
    for (std::string_view s : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        if (!ini.SectionExists(s)) {
            FinishLoad(false);
            return;
        }
    }
    ReadVersion(ini);
    const SkinPictureSet& p = stored.Pictures();
    picture_ = p.picture;
    inactivepicture_ = p.inactivepicture;
    mask_ = p.mask;
    activepictures_ = p.activepictures;
    try {
        ReadFrameSections(ini);
    } catch (...) {
        ClearSkin();
        throw;
    }
    FinishLoad(true);
}

int TbsSkinData::FindObjectRecord(std::string_view name) const {
    for (size_t i = 0; i < objects_.size(); ++i)
        if (objects_[i]->SectionName == name) return static_cast<int>(i);
    return -1;
}

int TbsSkinData::FindControlRecord(std::string_view name) const {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->SectionName == name) return static_cast<int>(i);
    return -1;
}

const TbsDataSkinObject* TbsSkinData::ObjectRecord(int index) const {
    return index >= 0 && size_t(index) < objects_.size() ? objects_[size_t(index)].get() : nullptr;
}

const TbsDataSkinControl* TbsSkinData::ControlRecord(int index) const {
    return index >= 0 && size_t(index) < controls_.size() ? controls_[size_t(index)].get() : nullptr;
}

const gfx::Bitmap* TbsSkinData::ActivePicture(int index) const {
    if (index < 0 || size_t(index) >= activepictures_.size()) return nullptr;
    return &activepictures_[size_t(index)];
}

void TbsSkinData::ClearSkin() {
    objects_.clear();
    controls_.clear();
    activepictures_.clear();
    popupWindow_.windowpictureindex = -1;
    hintWindow_.windowpictureindex = -1;
    picture_ = gfx::Bitmap();
    inactivepicture_ = gfx::Bitmap();
    mask_ = gfx::Bitmap();
    empty_ = true;
}

void TbsSkinData::NotifySkinForms(unsigned message) {
    if (!sink_) return;
    SkinFormId owner = sink_->OwnerForm();
    if (!owner) return;
    sink_->Send(owner, message, this, kSkinNoticeLParam);
    for (SkinFormId form : sink_->Forms())
        if (form != owner) sink_->Send(form, message, this, kSkinNoticeLParam);
}

void TbsSkinData::ReadDescription(const SkinIniFile& ini) {
    ReadVersion(ini);
    ReadFrameSections(ini);
}

void TbsSkinData::ReadVersion(const SkinIniFile& ini) {
    SkinSectionReader r(ini, "VERSION");
    version_.skinname = r.String("skinname");
    version_.skinauthor = r.String("skinauthor");
    version_.authoremail = r.String("authoremail");
    version_.authorurl = r.String("authorurl");
    version_.skincomments = r.String("skincomments");
}

void TbsSkinData::ReadFrameSections(const SkinIniFile& ini) {
    formInfo_.ReadFrom(ini);
    popupWindow_.ReadFrom(ini);
    hintWindow_.ReadFrom(ini);
    ReadObjectList(ini);
    ReadControlList(ini);
}

namespace {

// Splits "name:kind" at the first colon; false when there is none.
bool SplitEntry(const std::string& entry, std::string& name, std::string_view& kind) {
    size_t colon = entry.find(':');
    if (colon == std::string::npos) return false;
    name = entry.substr(0, colon);
    kind = std::string_view(entry).substr(colon + 1);
    return true;
}

}  // namespace

void TbsSkinData::ReadObjectList(const SkinIniFile& ini) {
    int count = ini.ReadInteger("SKINOBJECTS", "count", 0);
    for (int i = 0; i < count; ++i) {
        const std::string* entry = ini.Find("SKINOBJECTS", std::to_string(i));
        std::string name;
        std::string_view kind;
        if (!entry || !SplitEntry(*entry, name, kind)) continue;
        auto record = CreateObjectRecord(kind, std::move(name));
        if (!record) continue;
        objects_.push_back(std::move(record));
        objects_.back()->ReadFrom(ini);
    }
}

void TbsSkinData::ReadControlList(const SkinIniFile& ini) {
    int count = ini.ReadInteger("SKINCONTROLS", "count", 0);
    for (int i = 0; i < count; ++i) {
        const std::string* entry = ini.Find("SKINCONTROLS", std::to_string(i));
        std::string name;
        std::string_view kind;
        if (!entry || !SplitEntry(*entry, name, kind)) continue;
        auto record = CreateControlRecord(kind, std::move(name));
        if (!record) continue;
        controls_.push_back(std::move(record));
        controls_.back()->ReadFrom(ini);
    }
}

}  // namespace skin
