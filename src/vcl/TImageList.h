#pragma once
// A list of equally sized pictures with masks, drawn by index (menu pictures).
// A mask pixel that is black belongs to the picture; white ones are left out.

#include <vector>

#include "gfx/Bitmap.h"
#include "vcl/TBitmap.h"
#include "vcl/TCanvas.h"
#include "vcl/TComponent.h"

namespace vcl {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size clears the list.
    void SetWidth(int width);
    void SetHeight(int height);
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds the bitmap cut into Width-wide pictures; the mask (may be null: everything
    // opaque) is cut the same way. Returns the index of the first added, -1 for none.
    int Add(const TBitmap* image, const TBitmap* mask);
    // The mask is made from the pixels that are not `transparent`.
    int AddMasked(const TBitmap* image, TColor transparent);
    void Delete(int index);
    void Clear();

    // Disabled pictures are drawn in the classic engraved look: the shape in the
    // highlight colour one pixel down and right, then in the shadow colour.
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true) const;
    // Copies the picture (with its masked-out pixels in the background colour) into a bitmap.
    bool GetBitmap(int index, TBitmap* target, TColor background = clBtnFace) const;

private:
    struct Entry {
        gfx::Bitmap image;  // 24-bit, Width x Height
        gfx::Bitmap mask;   // 1-bit, Width x Height; black = opaque
    };
    int AddEntries(const gfx::Bitmap& image, const gfx::Bitmap& mask);

    int width_ = 16;
    int height_ = 16;
    std::vector<Entry> images_;
};

}  // namespace vcl
