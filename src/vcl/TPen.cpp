#include "vcl/TPen.h"

namespace vcl {

gfx::PenState TPen::State() const {
    gfx::PenState s;
    s.color = color_;
    s.style = style_ == psClear ? gfx::PenStyle::Clear : gfx::PenStyle::Solid;
    switch (mode_) {
        case pmCopy: s.mode = gfx::RasterOp::Copy; break;
        case pmNot: s.mode = gfx::RasterOp::Invert; break;
        case pmXor: s.mode = gfx::RasterOp::Xor; break;
        case pmNotXor: s.mode = gfx::RasterOp::NotXor; break;
    }
    return s;
}

void TPen::Assign(const TPersistent* source) {
    if (auto* p = dynamic_cast<const TPen*>(source)) {
        color_ = p->color_;
        style_ = p->style_;
        mode_ = p->mode_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

}  // namespace vcl
