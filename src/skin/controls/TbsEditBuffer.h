#pragma once
// The text of a single-line edit: characters, the caret, the selection (between the caret
// and an anchor), one level of undo, a maximum length and a read-only flag. Positions
// count characters, not bytes; text goes in and out as UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace skin {

class TbsEditBuffer {
public:
    std::string Text() const;
    // Replaces everything (not undoable: a new text from the program), caret at the end.
    void SetText(std::string_view utf8);
    size_t Length() const { return text_.size(); }

    size_t Caret() const { return caret_; }
    size_t SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    size_t SelEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool HasSelection() const { return caret_ != anchor_; }
    std::string SelectedText() const;
    // Moves the caret; with extend the anchor stays (the selection grows or shrinks).
    void MoveTo(size_t pos, bool extend);
    void MoveLeft(bool extend);
    void MoveRight(bool extend);
    void SelectAll();

    size_t MaxLength() const { return maxLength_; }
    void SetMaxLength(size_t n) { maxLength_ = n; }  // 0: no limit
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }

    // Editing; each returns whether the text changed. Typing replaces the selection and
    // is cut short at MaxLength.
    bool Insert(std::string_view utf8);
    bool DeleteBackward();
    bool DeleteForward();
    bool DeleteSelection();
    // Swaps the text with its state before the last change (undoing the undo redoes it).
    bool Undo();
    bool CanUndo() const { return hasUndo_; }

    // The characters shown: each one replaced by `mask` when it is not 0.
    std::string Shown(char32_t mask) const;
    // The UTF-8 of the shown characters [0, count).
    std::string ShownPrefix(size_t count, char32_t mask) const;

private:
    void Remember();

    std::u32string text_;
    size_t caret_ = 0;
    size_t anchor_ = 0;
    size_t maxLength_ = 0;
    bool readOnly_ = false;
    std::u32string undoText_;
    size_t undoCaret_ = 0;
    bool hasUndo_ = false;
};

}  // namespace skin
