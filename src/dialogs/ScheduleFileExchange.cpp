#include "ScheduleFileExchange.h"

#include <windows.h>

#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "CWnd.h"
#include "DelayLoaded.h"
#include "LocaleFacts.h"
#include "NamedMutex.h"
#include "ResourceLanguage.h"
#include "SafeSave.h"
#include "ScheduleIcs.h"
#include "ScheduleStore.h"
#include "SchedulesNotSaved.h"
#include "WideText.h"
#include "Win32Platform.h"
#include "resource.h"

namespace {

using FileHandle = UniqueHandle<KernelHandleTraits>;

// Calendars of many years stay far below this; a larger file is not one to read whole.
constexpr LONGLONG kMaxCalendarFile = 64 * 1024 * 1024;

FileHandle OpenFile(const std::wstring& path, DWORD access, DWORD disposition) {
    const HANDLE file = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

std::optional<std::string> ReadCalendarFile(const std::wstring& path) {
    const FileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxCalendarFile) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteCalendarFile(const std::wstring& path, const std::string& bytes) {
    const FileHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    DWORD written = 0;
    return file && ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && ::FlushFileBuffers(file.get());
}

// The dialogs' file types: the resource's "name|pattern|..." with NULs for the bars.
std::wstring FileTypes() {
    std::wstring types = ResourceLanguage::LoadWideStringOrEmpty(IDS_ICS_FILE_TYPES);
    for (wchar_t& character : types) {
        if (character == L'|') character = L'\0';
    }
    return types + L'\0';
}

// The path chosen in the Open (or Save As) dialog; none when the user cancels.
std::optional<std::wstring> AskForFile(const CWnd& owner, bool save) {
    std::vector<wchar_t> path(MAX_PATH * 4, L'\0');
    if (save) {
        const std::wstring name = ResourceLanguage::LoadWideStringOrEmpty(IDS_ICS_DEFAULT_NAME);
        name.copy(path.data(), std::min(name.size(), path.size() - 1));
    }
    const std::wstring types = FileTypes();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner.GetSafeHwnd();
    dialog.lpstrFilter = types.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = L"ics";
    // The current folder stays the program's: the profile calls are given full paths,
    // but the user's choice of folder should not move anything else.
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? ShowSaveFileDialog(dialog) : ShowOpenFileDialog(dialog))) return std::nullopt;
    return std::wstring(path.data());
}

std::string WithCount(UINT id, std::size_t count) {
    std::string line = ResourceLanguage::LoadStringOrEmpty(id);
    if (const std::size_t at = line.find("%u"); at != std::string::npos) line.replace(at, 2, std::to_string(count));
    return line + "\n";
}

// The lines of the report after the file's name.
std::string ImportReport(const ScheduleImport& import) {
    const IcsReading& reading = import.reading;
    std::string report = WithCount(IDS_IMPORT_ADDED, import.counts.added) +
                         WithCount(IDS_IMPORT_JOINED, import.counts.joined) +
                         WithCount(IDS_IMPORT_PRESENT, import.counts.present);
    const std::pair<UINT, std::size_t> skipped[] = {{IDS_IMPORT_CANCELLED, reading.cancelled},
                                                    {IDS_IMPORT_UNDATED, reading.undated},
                                                    {IDS_IMPORT_UNTITLED, reading.untitled},
                                                    {IDS_IMPORT_OUT_OF_WINDOW, reading.outOfWindow}};
    std::size_t skippedInAll = 0;
    for (const auto& [id, count] : skipped) skippedInAll += count;
    report += WithCount(IDS_IMPORT_SKIPPED, skippedInAll);
    for (const auto& [id, count] : skipped) {
        if (count != 0) report += WithCount(id, count);
    }
    const std::pair<UINT, std::size_t> remarks[] = {{IDS_IMPORT_FIRST_ONLY, reading.firstOnly},
                                                    {IDS_IMPORT_CUT_SHORT, reading.cutShort},
                                                    {IDS_IMPORT_GUESSED_ZONE, reading.guessedZone}};
    for (const auto& [id, count] : remarks) {
        if (count != 0) report += WithCount(id, count);
    }
    return report;
}

UINT ReadErrorMessage(IcsReadError error) {
    switch (error) {
    case IcsReadError::NotICalendar: return IDS_ICS_NOT_ICALENDAR;
    case IcsReadError::Damaged: return IDS_ICS_DAMAGED;
    case IcsReadError::TooManyNotes: return IDS_ICS_TOO_MANY_DAYS;
    }
    return IDS_ICS_DAMAGED;
}

}  // namespace

ScheduleFileExchange::ScheduleFileExchange(const CWnd& owner, std::string settingsFilePath)
    : owner_(owner), settingsFilePath_(std::move(settingsFilePath)) {}

void ScheduleFileExchange::Tell(const std::string& message, const std::wstring& file, unsigned icon) const {
    std::string text = message;
    // The name as the code page spells it best: it is only shown.
    if (const std::size_t at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, MultiByteFromWide(CP_ACP, 0, file));
    }
    owner_.ShowMessageBox(text.c_str(), MB_OK | icon);
}

void ScheduleFileExchange::Export() const {
    const std::optional<std::wstring> file = AskForFile(owner_, true);
    if (!file) return;
    Platform& platform = Win32Platform();
    ScheduleStore store(platform.locale.AnsiCodePage());
    store.Load(platform, settingsFilePath_);
    const ScheduleExport exported = ExportSchedules(store, platform);
    if (!WriteCalendarFile(*file, exported.file)) {
        Tell(ResourceLanguage::LoadStringOrEmpty(IDS_EXPORT_FAILED), *file, MB_ICONEXCLAMATION);
        return;
    }
    Tell(WithCount(IDS_EXPORT_DONE, exported.notes), *file, MB_ICONINFORMATION);
}

bool ScheduleFileExchange::Import() const {
    const std::optional<std::wstring> file = AskForFile(owner_, false);
    if (!file) return false;
    const std::optional<std::string> bytes = ReadCalendarFile(*file);
    if (!bytes) {
        Tell(ResourceLanguage::LoadStringOrEmpty(IDS_ICS_UNREADABLE), *file, MB_ICONEXCLAMATION);
        return false;
    }
    Platform& platform = Win32Platform();
    ScheduleStore store(platform.locale.AnsiCodePage());
    store.Load(platform, settingsFilePath_);
    auto result = ImportSchedules(*bytes, store, platform);
    if (const IcsReadError* error = std::get_if<IcsReadError>(&result)) {
        Tell(ResourceLanguage::LoadStringOrEmpty(ReadErrorMessage(*error)), *file, MB_ICONEXCLAMATION);
        return false;
    }
    const ScheduleImport& import = std::get<ScheduleImport>(result);
    const bool changed = import.counts.added + import.counts.joined != 0;
    if (changed) {
        const std::vector<std::string> written = store.SectionLines();
        const bool saved = SaveSafely(
            settingsFilePath_, [&](const std::string& copyPath) { return store.WriteSection(platform, copyPath); });
        // The file decides: a write the system reports as done may still not be there.
        ScheduleStore check(platform.locale.AnsiCodePage());
        check.Load(platform, settingsFilePath_);
        if (!saved || check.SectionLines() != written) {
            ShowSchedulesNotSaved(owner_, settingsFilePath_);
            return false;
        }
    }
    Tell(ResourceLanguage::LoadStringOrEmpty(IDS_IMPORT_FROM) + "\n\n" + ImportReport(import), *file,
         MB_ICONINFORMATION);
    return changed;
}
