#include "ResourceLanguage.h"

#include <cstring>
#include <span>
#include <vector>

#include "SystemProcedure.h"
#include "WideText.h"

namespace ResourceLanguage {
namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kNotChosen = 0;

LANGID chosenLanguage = kNotChosen;

HMODULE ProgramModule() { return ::GetModuleHandleA(nullptr); }

std::span<const BYTE> DataOf(HRSRC info) {
    if (!info) return {};
    HGLOBAL loaded = ::LoadResource(ProgramModule(), info);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const BYTE*>(data), ::SizeofResource(ProgramModule(), info)};
}

// The resource in the chosen language, else in English, else in any language, as
// the first of these for which found() holds.
template <typename Found>
std::span<const BYTE> FindFirst(LPCSTR type, LPCSTR name, Found found) {
    for (LANGID language : {Chosen(), kEnglish}) {
        std::span<const BYTE> data = DataOf(::FindResourceExA(ProgramModule(), type, name, language));
        if (found(data)) return data;
    }
    std::span<const BYTE> data = DataOf(::FindResourceA(ProgramModule(), name, type));
    return found(data) ? data : std::span<const BYTE>();
}

std::span<const BYTE> Find(LPCSTR type, UINT id) {
    return FindFirst(type, MAKEINTRESOURCEA(id), [](std::span<const BYTE> data) { return !data.empty(); });
}

// A string-table block holds 16 counted UTF-16 strings; an empty one is absent.
std::wstring StringInBlock(std::span<const BYTE> block, UINT index) {
    const auto* cursor = reinterpret_cast<const WCHAR*>(block.data());
    const auto* end = cursor + block.size() / sizeof(WCHAR);
    for (UINT i = 0; cursor < end; ++i) {
        const size_t length = *cursor++;
        if (length > static_cast<size_t>(end - cursor)) return {};
        if (i == index) return std::wstring(cursor, length);
        cursor += length;
    }
    return {};
}

// The raw entry of an accelerator resource.
struct AcceleratorEntry {
    WORD flags;
    WORD key;
    WORD command;
    WORD padding;
};
constexpr WORD kLastEntry = 0x80;

}  // namespace

void Choose(LANGID language) {
    chosenLanguage = language;
    // Not in every system's kernel32: looked up, not imported.
    static const auto setThreadUILanguage =
        LoadSystemProcedure<LANGID(WINAPI*)(LANGID)>("kernel32.dll", "SetThreadUILanguage");
    if (setThreadUILanguage) setThreadUILanguage(language);
}

LANGID Chosen() {
    return chosenLanguage != kNotChosen ? chosenLanguage : LANGIDFROMLCID(::GetUserDefaultLCID());
}

DialogTemplate LoadDialogTemplate(UINT id) { return DialogTemplate(Find(RT_DIALOG, id)); }

Menu LoadMenuResource(UINT id) {
    std::span<const BYTE> data = Find(RT_MENU, id);
    return Menu(data.empty() ? nullptr : ::LoadMenuIndirectA(data.data()));
}

std::wstring LoadWideStringOrEmpty(UINT id) {
    const UINT index = id % 16;
    auto hasString = [index](std::span<const BYTE> block) { return !StringInBlock(block, index).empty(); };
    std::span<const BYTE> block = FindFirst(RT_STRING, MAKEINTRESOURCEA(id / 16 + 1), hasString);
    return block.empty() ? std::wstring() : StringInBlock(block, index);
}

std::optional<std::string> LoadStringResource(UINT id) {
    const std::wstring text = LoadWideStringOrEmpty(id);
    if (text.empty()) return std::nullopt;
    return MultiByteFromWide(CP_ACP, 0, text);
}

AcceleratorTable LoadAcceleratorResource(UINT id) {
    std::span<const BYTE> data = Find(RT_ACCELERATOR, id);
    std::vector<ACCEL> table;
    for (size_t offset = 0; offset + sizeof(AcceleratorEntry) <= data.size(); offset += sizeof(AcceleratorEntry)) {
        AcceleratorEntry entry;
        std::memcpy(&entry, data.data() + offset, sizeof entry);
        table.push_back({static_cast<BYTE>(entry.flags & ~kLastEntry), entry.key, entry.command});
        if (entry.flags & kLastEntry) break;
    }
    if (table.empty()) return AcceleratorTable();
    return AcceleratorTable(::CreateAcceleratorTableA(table.data(), static_cast<int>(table.size())));
}

}  // namespace ResourceLanguage
