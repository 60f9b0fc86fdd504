#include "skin/controls/TbsEditBuffer.h"

#include <algorithm>

#include "base/Encoding.h"

namespace skin {

namespace {
std::u32string Decode(std::string_view utf8) {
    std::u32string out;
    size_t pos = 0;
    while (pos < utf8.size()) out += base::Utf8Next(utf8, pos);
    return out;
}
std::string Encode(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) base::Utf8Append(out, c);
    return out;
}
}  // namespace

std::string TbsEditBuffer::Text() const { return Encode(text_); }

void TbsEditBuffer::SetText(std::string_view utf8) {
    text_ = Decode(utf8);
    caret_ = anchor_ = text_.size();
    hasUndo_ = false;
}

std::string TbsEditBuffer::SelectedText() const {
    return Encode(std::u32string_view(text_).substr(SelStart(), SelEnd() - SelStart()));
}

void TbsEditBuffer::MoveTo(size_t pos, bool extend) {
    caret_ = std::min(pos, text_.size());
    if (!extend) anchor_ = caret_;
}

void TbsEditBuffer::MoveLeft(bool extend) {
    if (!extend && HasSelection())
        MoveTo(SelStart(), false);
    else if (caret_ > 0)
        MoveTo(caret_ - 1, extend);
}

void TbsEditBuffer::MoveRight(bool extend) {
    if (!extend && HasSelection())
        MoveTo(SelEnd(), false);
    else
        MoveTo(caret_ + 1, extend);
}

void TbsEditBuffer::SelectAll() {
    anchor_ = 0;
    caret_ = text_.size();
}

void TbsEditBuffer::Remember() {
    undoText_ = text_;
    undoCaret_ = caret_;
    hasUndo_ = true;
}

bool TbsEditBuffer::Insert(std::string_view utf8) {
    if (readOnly_) return false;
    std::u32string add = Decode(utf8);
    size_t keep = text_.size() - (SelEnd() - SelStart());
    if (maxLength_ > 0) add.resize(std::min(add.size(), maxLength_ > keep ? maxLength_ - keep : 0));
    if (add.empty() && !HasSelection()) return false;
    Remember();
    size_t start = SelStart();
    text_.replace(start, SelEnd() - start, add);
    caret_ = anchor_ = start + add.size();
    return true;
}

bool TbsEditBuffer::DeleteSelection() {
    if (readOnly_ || !HasSelection()) return false;
    Remember();
    size_t start = SelStart();
    text_.erase(start, SelEnd() - start);
    caret_ = anchor_ = start;
    return true;
}

bool TbsEditBuffer::DeleteBackward() {
    if (readOnly_) return false;
    if (HasSelection()) return DeleteSelection();
    if (caret_ == 0) return false;
    Remember();
    text_.erase(caret_ - 1, 1);
    caret_ = anchor_ = caret_ - 1;
    return true;
}

bool TbsEditBuffer::DeleteForward() {
    if (readOnly_) return false;
    if (HasSelection()) return DeleteSelection();
    if (caret_ >= text_.size()) return false;
    Remember();
    text_.erase(caret_, 1);
    return true;
}

bool TbsEditBuffer::Undo() {
    if (readOnly_ || !hasUndo_) return false;
    std::swap(text_, undoText_);
    std::swap(caret_, undoCaret_);
    caret_ = std::min(caret_, text_.size());
    anchor_ = caret_;
    return true;
}

std::string TbsEditBuffer::Shown(char32_t mask) const { return ShownPrefix(text_.size(), mask); }

std::string TbsEditBuffer::ShownPrefix(size_t count, char32_t mask) const {
    count = std::min(count, text_.size());
    if (mask == 0) return Encode(std::u32string_view(text_).substr(0, count));
    return Encode(std::u32string(count, mask));
}

}  // namespace skin
