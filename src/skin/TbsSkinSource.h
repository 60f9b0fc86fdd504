#pragma once
// Base of the two stored-skin components: remembers the skin descriptions that refer to
// it, so that its destruction clears their reference (their loaded skin stays).

#include <algorithm>
#include <vector>

namespace skin {

class TbsSkinData;

class TbsSkinSource {
public:
    TbsSkinSource() = default;
    TbsSkinSource(const TbsSkinSource&) = delete;
    TbsSkinSource& operator=(const TbsSkinSource&) = delete;
    virtual ~TbsSkinSource();

    void AddReferrer(TbsSkinData* data) { referrers_.push_back(data); }
    void RemoveReferrer(TbsSkinData* data) {
        referrers_.erase(std::remove(referrers_.begin(), referrers_.end(), data), referrers_.end());
    }

private:
    std::vector<TbsSkinData*> referrers_;
};

}  // namespace skin
