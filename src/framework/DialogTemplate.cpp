#include "DialogTemplate.h"

#include <cstring>

namespace {

// The fixed parts of the two template forms, up to the menu field, and of their items,
// up to the class field.
constexpr size_t kHeaderSize = 18;
constexpr size_t kExtendedHeaderSize = 26;
constexpr size_t kItemSize = 18;
constexpr size_t kExtendedItemSize = 24;
constexpr WORD kExtendedSignature = 0xFFFF;

size_t AlignedToDword(size_t offset) { return (offset + 3) & ~size_t{3}; }

}  // namespace

DialogTemplate::DialogTemplate(std::span<const BYTE> resource) {
    if (resource.size() >= kHeaderSize) bytes_.assign(resource.begin(), resource.end());
    if (Extended() && bytes_.size() < kExtendedHeaderSize) bytes_.clear();
}

const DLGTEMPLATE* DialogTemplate::get() const {
    return empty() ? nullptr : reinterpret_cast<const DLGTEMPLATE*>(bytes_.data());
}

bool DialogTemplate::Extended() const { return bytes_.size() >= 4 && ReadWord(2) == kExtendedSignature; }

DWORD DialogTemplate::ReadDword(size_t offset) const {
    DWORD value = 0;
    std::memcpy(&value, bytes_.data() + offset, sizeof value);
    return value;
}

WORD DialogTemplate::ReadWord(size_t offset) const {
    WORD value = 0;
    std::memcpy(&value, bytes_.data() + offset, sizeof value);
    return value;
}

void DialogTemplate::WriteDword(size_t offset, DWORD value) {
    std::memcpy(bytes_.data() + offset, &value, sizeof value);
}

void DialogTemplate::ModifyBits(size_t offset, DWORD remove, DWORD add) {
    WriteDword(offset, (ReadDword(offset) & ~remove) | add);
}

size_t DialogTemplate::StyleOffset() const { return Extended() ? 12 : 0; }

void DialogTemplate::ModifyStyle(DWORD remove, DWORD add) {
    if (!empty()) ModifyBits(StyleOffset(), remove, add);
}

void DialogTemplate::ModifyStyleEx(DWORD remove, DWORD add) {
    if (!empty()) ModifyBits(Extended() ? 8 : 4, remove, add);
}

bool DialogTemplate::ModifyItemStyle(int id, DWORD remove, DWORD add) {
    for (const Item& item : Items()) {
        const int itemId = Extended() ? static_cast<int>(ReadDword(item.id)) : ReadWord(item.id);
        if (itemId != id) continue;
        ModifyBits(item.style, remove, add);
        return true;
    }
    return false;
}

std::optional<size_t> DialogTemplate::SkipString(size_t offset) const {
    for (; offset + sizeof(WORD) <= bytes_.size(); offset += sizeof(WORD)) {
        if (ReadWord(offset) == 0) return offset + sizeof(WORD);
    }
    return std::nullopt;
}

std::optional<size_t> DialogTemplate::SkipNameOrOrdinal(size_t offset) const {
    if (offset + sizeof(WORD) > bytes_.size()) return std::nullopt;
    if (ReadWord(offset) == 0xFFFF) {
        if (offset + 2 * sizeof(WORD) > bytes_.size()) return std::nullopt;
        return offset + 2 * sizeof(WORD);
    }
    return SkipString(offset);
}

std::vector<DialogTemplate::Item> DialogTemplate::Items() const {
    std::vector<Item> items;
    if (empty()) return items;
    const bool extended = Extended();
    const DWORD style = ReadDword(StyleOffset());
    const WORD count = ReadWord(extended ? 16 : 8);

    // Menu, class and title; then the font, when the style says there is one.
    std::optional<size_t> offset = SkipNameOrOrdinal(extended ? kExtendedHeaderSize : kHeaderSize);
    if (offset) offset = SkipNameOrOrdinal(*offset);
    if (offset) offset = SkipString(*offset);
    if (offset && (style & DS_SETFONT)) offset = SkipString(*offset + (extended ? 6 : 2));

    const size_t itemSize = extended ? kExtendedItemSize : kItemSize;
    for (WORD i = 0; i < count && offset; ++i) {
        const size_t start = AlignedToDword(*offset);
        if (start + itemSize > bytes_.size()) break;
        items.push_back({extended ? start + 8 : start, extended ? start + 20 : start + 16});
        offset = SkipNameOrOrdinal(start + itemSize);
        if (offset) offset = SkipNameOrOrdinal(*offset);
        if (offset && *offset + sizeof(WORD) <= bytes_.size()) {
            offset = *offset + sizeof(WORD) + ReadWord(*offset);
        } else {
            offset.reset();
        }
    }
    return items;
}
