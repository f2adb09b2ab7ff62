#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

// A copy of a dialog template resource (DIALOG or DIALOGEX), whose styles can be
// changed before the dialog is made from it: a window made as it will be used costs
// no second round of changes, or a second control, while it starts.
class DialogTemplate {
public:
    DialogTemplate() = default;
    explicit DialogTemplate(std::span<const BYTE> resource);

    bool empty() const { return bytes_.empty(); }
    // For CreateDialogIndirectParam; null when empty.
    const DLGTEMPLATE* get() const;

    void ModifyStyle(DWORD remove, DWORD add);
    void ModifyStyleEx(DWORD remove, DWORD add);
    // False when the template has no control of that id (or its items cannot be read).
    bool ModifyItemStyle(int id, DWORD remove, DWORD add);

private:
    // Where the fields lie in the bytes.
    struct Item {
        size_t style;
        size_t id;
    };

    bool Extended() const;
    DWORD ReadDword(size_t offset) const;
    WORD ReadWord(size_t offset) const;
    void WriteDword(size_t offset, DWORD value);
    void ModifyBits(size_t offset, DWORD remove, DWORD add);
    size_t StyleOffset() const;
    // The offset after a name or ordinal field, or a string field; none past the end.
    std::optional<size_t> SkipNameOrOrdinal(size_t offset) const;
    std::optional<size_t> SkipString(size_t offset) const;
    std::vector<Item> Items() const;

    std::vector<BYTE> bytes_;
};
