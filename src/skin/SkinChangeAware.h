#pragma once
// A control that follows a change of skin. The frame of a form finds such controls by
// walking the form's controls when the skin announces a change: first every one is asked
// to let go of the old skin, then, once the new one is read, to apply it.

namespace skin {

class TbsSkinData;

class SkinChangeAware {
public:
    virtual ~SkinChangeAware() = default;
    // The skin the control draws from (null: none).
    virtual TbsSkinData* SkinChangeData() const = 0;
    // The skin is about to be cleared: drop every picture or record taken from it.
    virtual void PrepareSkinChange() = 0;
    // The skin was read again (or failed to load): fetch the record and repaint.
    virtual void ApplySkinChange() = 0;
};

}  // namespace skin
