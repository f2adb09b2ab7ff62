// The program's resources as Windows loads them from this test executable: both language
// sets complete and alike, the Japanese texts intact as UTF-16 and in code page 932,
// the templates shaped as the windows expect, the icon, the cursor and the version block.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "resource.h"

namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr LANGID kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

std::wstring Wide(std::u8string_view utf8) {
    const auto* bytes = reinterpret_cast<const char*>(utf8.data());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes,
                                           static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(utf8.size()),
                        text.data(), length);
    return text;
}

// True when the text converts to the code page without a replacement character,
// as the program's ANSI calls (LoadStringA, LoadMenuA) need it.
bool FitsCodePage(const std::wstring& text, UINT codePage) {
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                        nullptr, 0, nullptr, &usedDefault);
    return !usedDefault;
}

struct ResourceBytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

ResourceBytes FindResourceBytes(LPCSTR type, int id, LANGID language) {
    const HMODULE self = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceExA(self, type, MAKEINTRESOURCEA(id), language);
    if (found == nullptr) return {};
    return {static_cast<const BYTE*>(LockResource(LoadResource(self, found))), SizeofResource(self, found)};
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found) {
    reinterpret_cast<std::set<LANGID>*>(found)->insert(language);
    return TRUE;
}

std::set<LANGID> LanguagesOf(LPCSTR type, int id) {
    std::set<LANGID> found;
    EnumResourceLanguagesA(GetModuleHandleA(nullptr), type, MAKEINTRESOURCEA(id), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&found));
    return found;
}

// A string table block holds 16 counted UTF-16 strings; string n lies in block n / 16 + 1.
std::optional<std::wstring> StringIn(LANGID language, int id) {
    const ResourceBytes block = FindResourceBytes(RT_STRING, id / 16 + 1, language);
    if (block.data == nullptr) return std::nullopt;
    const auto* cursor = reinterpret_cast<const WCHAR*>(block.data);
    for (int index = 0; index < id % 16; ++index) cursor += 1 + *cursor;
    return std::wstring(cursor + 1, *cursor);
}

constexpr int kStringIds[] = {
    IDS_APP_NAME, IDS_SETTINGS_NAME, IDS_MAIL_ADDRESS, IDS_FIRST_RUN_HINT, IDS_COLUMN_DATE,
    IDS_COLUMN_NAME, IDS_SELECT_SCHEDULE, IDS_DELETE_SCHEDULE, IDS_WEB_PAGE, IDS_LANGUAGE_CODE,
    IDS_LINK_CANT_OPEN, IDS_LINK_UNKNOWN_ERROR,
};

// Shell result codes that have a text of their own at IDS_LINK_ERROR_BASE + code.
constexpr int kLinkErrorCodes[] = {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32};

std::vector<int> AllStringIds() {
    std::vector<int> ids(std::begin(kStringIds), std::end(kStringIds));
    for (int code : kLinkErrorCodes) ids.push_back(IDS_LINK_ERROR_BASE + code);
    return ids;
}

// ---------------------------------------------------------------- dialog templates

struct DialogItem {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::wstring className;  // upper case, predefined classes by name: "BUTTON", "STATIC"...
    std::wstring text;
    WORD textOrdinal = 0;    // a resource id in place of the text (icon controls)
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short cx = 0, cy = 0;
    std::wstring caption;
    WORD pointSize = 0;
    std::wstring fontFace;
    std::vector<DialogItem> items;

    const DialogItem* Item(int id) const {
        for (const DialogItem& item : items)
            if (item.id == id) return &item;
        return nullptr;
    }
};

// Walks the extended template (DLGTEMPLATEEX) that DIALOGEX statements produce.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : start_(data), at_(data) {}

    WORD Word() { return Read<WORD>(); }
    DWORD DWord() { return Read<DWORD>(); }
    short Short() { return Read<short>(); }

    std::wstring String() {
        std::wstring text;
        for (WCHAR c = Word(); c != 0; c = Word()) text += c;
        return text;
    }

    // A name or, after 0xFFFF, an ordinal.
    std::pair<std::wstring, WORD> NameOrOrdinal() {
        const WORD first = Word();
        if (first == 0) return {};
        if (first == 0xFFFF) return {L"", Word()};
        at_ -= sizeof(WORD);
        return {String(), 0};
    }

    void AlignToDWord() { at_ = start_ + ((at_ - start_ + 3) & ~3); }
    void Skip(size_t bytes) { at_ += bytes; }

private:
    template <typename T> T Read() {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    const BYTE* start_;
    const BYTE* at_;
};

std::wstring PredefinedClassName(WORD ordinal) {
    switch (ordinal) {
    case 0x80: return L"BUTTON";
    case 0x81: return L"EDIT";
    case 0x82: return L"STATIC";
    case 0x83: return L"LISTBOX";
    case 0x84: return L"SCROLLBAR";
    case 0x85: return L"COMBOBOX";
    default: return L"#" + std::to_wstring(ordinal);
    }
}

std::optional<DialogTemplate> DialogIn(LANGID language, int id) {
    const ResourceBytes bytes = FindResourceBytes(RT_DIALOG, id, language);
    if (bytes.data == nullptr) return std::nullopt;
    TemplateReader reader(bytes.data);
    DialogTemplate dialog;
    if (reader.Word() != 1 || reader.Word() != 0xFFFF) return std::nullopt;
    reader.DWord();  // help id
    dialog.exStyle = reader.DWord();
    dialog.style = reader.DWord();
    const WORD count = reader.Word();
    reader.Short();
    reader.Short();
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    reader.NameOrOrdinal();  // menu
    reader.NameOrOrdinal();  // class
    dialog.caption = reader.String();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = reader.Word();
        reader.Word();  // weight
        reader.Skip(2);  // italic, character set
        dialog.fontFace = reader.String();
    }
    for (WORD index = 0; index < count; ++index) {
        reader.AlignToDWord();
        DialogItem item;
        reader.DWord();  // help id
        reader.DWord();  // extended style
        item.style = reader.DWord();
        item.x = reader.Short();
        item.y = reader.Short();
        item.cx = reader.Short();
        item.cy = reader.Short();
        item.id = static_cast<int>(reader.DWord());
        auto [className, classOrdinal] = reader.NameOrOrdinal();
        // Class names are case-insensitive, and windres writes them in upper case.
        CharUpperBuffW(className.data(), static_cast<DWORD>(className.size()));
        item.className = classOrdinal != 0 ? PredefinedClassName(classOrdinal) : className;
        std::tie(item.text, item.textOrdinal) = reader.NameOrOrdinal();
        reader.Skip(reader.Word());  // creation data
        dialog.items.push_back(std::move(item));
    }
    return dialog;
}

// ---------------------------------------------------------------- menus

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHolder = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

MenuHolder MenuIn(LANGID language, int id) {
    const ResourceBytes bytes = FindResourceBytes(RT_MENU, id, language);
    return MenuHolder(bytes.data != nullptr ? LoadMenuIndirectW(bytes.data) : nullptr);
}

constexpr UINT kSeparator = 0;
constexpr UINT kSubmenu = ~0u;

struct MenuItem {
    UINT id = kSeparator;  // kSubmenu for a popup
    std::wstring text;
    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

void PrintTo(const MenuItem& item, std::ostream* out) {
    *out << item.id << " " << ::testing::PrintToString(item.text);
}

std::vector<MenuItem> ItemsOf(HMENU menu) {
    std::vector<MenuItem> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        WCHAR text[256] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = static_cast<UINT>(std::size(text));
        GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
        if (info.fType & MFT_SEPARATOR)
            items.push_back({kSeparator, L""});
        else
            items.push_back({info.hSubMenu != nullptr ? kSubmenu : info.wID, text});
    }
    return items;
}

// ---------------------------------------------------------------- window handles

struct WindowDeleter {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using WindowHolder = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHolder = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapHolder = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

INT_PTR CALLBACK IgnoreDialogMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// ---------------------------------------------------------------- the two language sets

struct Language {
    const char* name;
    LANGID id;
    UINT ansiCodePage;
    bool japanese;

    std::wstring Pick(std::u8string_view english, std::u8string_view japaneseText) const {
        return Wide(japanese ? japaneseText : english);
    }
};

void PrintTo(const Language& language, std::ostream* out) { *out << language.name; }

const Language kLanguages[] = {
    {"English", kEnglish, 1252, false},
    {"Japanese", kJapanese, 932, true},
};

class LocalizedResourcesTest : public ::testing::TestWithParam<Language> {
protected:
    const Language& language() const { return GetParam(); }

    std::wstring String(int id) const { return StringIn(language().id, id).value_or(L"<missing>"); }

    DialogTemplate Dialog(int id) const {
        std::optional<DialogTemplate> dialog = DialogIn(language().id, id);
        EXPECT_TRUE(dialog.has_value()) << "dialog " << id;
        return dialog.value_or(DialogTemplate{});
    }

    std::wstring TemplateFontFace() const { return language().Pick(u8"Lucida Console", u8"ＭＳ Ｐゴシック"); }
    WORD TemplatePointSize() const { return language().japanese ? 9 : 8; }
};

TEST(ResourceLanguagesTest, EachTranslatedResourceExistsInEnglishAndJapaneseOnly) {
    const std::set<LANGID> both = {kEnglish, kJapanese};
    for (int id : {IDD_ABOUTBOX, IDD_CALENDAR_DIALOG, IDD_SCHEDULE_EDITOR})
        EXPECT_EQ(LanguagesOf(RT_DIALOG, id), both) << "dialog " << id;
    for (int id : {IDR_OPTIONS_MENU, IDR_SCHEDULE_MENU})
        EXPECT_EQ(LanguagesOf(RT_MENU, id), both) << "menu " << id;
    EXPECT_EQ(LanguagesOf(RT_ACCELERATOR, IDR_CALENDAR_ACCEL), both);
    for (int id : AllStringIds())
        EXPECT_EQ(LanguagesOf(RT_STRING, id / 16 + 1), both) << "string " << id;
}

TEST(ResourceLanguagesTest, IconCursorAndVersionAreSharedByBothLanguages) {
    const std::set<LANGID> neutral = {kNeutral};
    EXPECT_EQ(LanguagesOf(RT_GROUP_ICON, IDR_MAINFRAME), neutral);
    EXPECT_EQ(LanguagesOf(RT_GROUP_CURSOR, IDC_OPEN_HAND), neutral);
    EXPECT_EQ(LanguagesOf(RT_VERSION, VS_VERSION_INFO), neutral);
}

TEST(ResourceLanguagesTest, AddressesAreTheSameInBothLanguages) {
    for (int id : {IDS_MAIL_ADDRESS, IDS_WEB_PAGE}) {
        const std::wstring english = StringIn(kEnglish, id).value_or(L"");
        EXPECT_EQ(StringIn(kJapanese, id), english) << "string " << id;
        EXPECT_EQ(english.find(L' '), std::wstring::npos) << "string " << id;
    }
    EXPECT_EQ(StringIn(kEnglish, IDS_MAIL_ADDRESS).value_or(L"").rfind(L"mailto:", 0), 0u);
    EXPECT_EQ(StringIn(kEnglish, IDS_WEB_PAGE).value_or(L"").rfind(L"https://", 0), 0u);
}

TEST_P(LocalizedResourcesTest, StringsNameTheProductAndTheHelpFile) {
    EXPECT_EQ(String(IDS_APP_NAME), L"Wispane Calendar");
    EXPECT_EQ(String(IDS_SETTINGS_NAME), L"Wispane Calendar");
    EXPECT_EQ(String(IDS_LANGUAGE_CODE), language().japanese ? L"JA" : L"EN");
}

TEST_P(LocalizedResourcesTest, MessageTextsKeepTheirLinesAndScript) {
    EXPECT_EQ(String(IDS_FIRST_RUN_HINT),
              language().Pick(u8"Right Click on Titlebar\n to Display Menu",
                              u8"タイトルバーで右クリックすると\n設定メニューが表示されます"));
    EXPECT_EQ(String(IDS_SELECT_SCHEDULE), language().Pick(u8"Select Schedule", u8"予定を選択してください"));
    EXPECT_EQ(String(IDS_DELETE_SCHEDULE), language().Pick(u8"Delete Schedule", u8"予定を削除します"));
    EXPECT_EQ(String(IDS_COLUMN_DATE), language().Pick(u8"Date", u8"日付"));
    EXPECT_EQ(String(IDS_COLUMN_NAME), language().Pick(u8"Name", u8"名前"));
    EXPECT_EQ(String(IDS_LINK_CANT_OPEN), L"Can't open link:\n\n") << "English in both languages";
    EXPECT_NE(String(IDS_LINK_UNKNOWN_ERROR).find(L"%d"), std::wstring::npos);
    for (int code : kLinkErrorCodes)
        EXPECT_NE(String(IDS_LINK_ERROR_BASE + code), L"") << "link error " << code;
    EXPECT_EQ(String(IDS_LINK_ERROR_SHARE).back(), L' ');
}

TEST_P(LocalizedResourcesTest, TextsSurviveTheAnsiCodePageOfTheirLanguage) {
    const UINT codePage = language().ansiCodePage;
    for (int id : AllStringIds())
        EXPECT_TRUE(FitsCodePage(String(id), codePage)) << "string " << id;
    for (int menuId : {IDR_OPTIONS_MENU, IDR_SCHEDULE_MENU}) {
        MenuHolder menu = MenuIn(language().id, menuId);
        ASSERT_TRUE(menu);
        std::vector<HMENU> pending = {menu.get()};
        while (!pending.empty()) {
            HMENU current = pending.back();
            pending.pop_back();
            for (int position = 0; position < GetMenuItemCount(current); ++position) {
                WCHAR text[256] = {};
                GetMenuStringW(current, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
                EXPECT_TRUE(FitsCodePage(text, codePage)) << "menu " << menuId << " item " << position;
                if (HMENU sub = GetSubMenu(current, position)) pending.push_back(sub);
            }
        }
    }
    for (int dialogId : {IDD_ABOUTBOX, IDD_CALENDAR_DIALOG, IDD_SCHEDULE_EDITOR}) {
        const DialogTemplate dialog = Dialog(dialogId);
        EXPECT_TRUE(FitsCodePage(dialog.caption, codePage)) << "dialog " << dialogId;
        EXPECT_TRUE(FitsCodePage(dialog.fontFace, codePage)) << "dialog " << dialogId;
        for (const DialogItem& item : dialog.items)
            EXPECT_TRUE(FitsCodePage(item.text, codePage)) << "dialog " << dialogId << " control " << item.id;
    }
}

TEST_P(LocalizedResourcesTest, OptionsMenuOffersEveryOptionInOrder) {
    MenuHolder menu = MenuIn(language().id, IDR_OPTIONS_MENU);
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.get()), 1);
    const HMENU options = GetSubMenu(menu.get(), 0);
    const Language& l = language();
    const std::vector<MenuItem> expected = {
        {ID_BACKGROUND_COLOR, l.Pick(u8"Background &Color", u8"背景色(&C)")},
        {ID_SCHEDULE_COLOR, l.Pick(u8"Sc&hedule Date Color", u8"予定日の色(&H)")},
        {ID_CHOOSE_FONT, l.Pick(u8"&Font", u8"フォント(&F)")},
        {kSeparator, L""},
        {ID_SEE_THROUGH, l.Pick(u8"&Wispane Appearance", u8"透明表示(&S)")},
        {ID_SEE_THROUGH_TITLEBAR, l.Pick(u8"Wispane Title&Bar", u8"タイトルバーも透明表示(&B)")},
        {ID_ALWAYS_ON_TOP, l.Pick(u8"Always on Top", u8"常に最前面に表示(&T)")},
        {ID_CLOSE_BY_ESC, l.Pick(u8"Close by &Esc Key", u8"Esc キーで閉じる(&E)")},
        {kSeparator, L""},
        {ID_EXPORT_SCHEDULES, l.Pick(u8"Ex&port Schedules…", u8"予定のエクスポート(&P)…")},
        {ID_IMPORT_SCHEDULES, l.Pick(u8"&Import Schedules…", u8"予定のインポート(&I)…")},
        {kSeparator, L""},
        {kSubmenu, l.Pick(u8"&Date of Today", u8"今日の日付(&D)")},
        {ID_NO_TODAY_MARK, l.Pick(u8"No Today &Mark", u8"今日の日付をマークしない(&M)")},
        {kSeparator, L""},
        {ID_HELP, l.Pick(u8"&Help", u8"ヘルプ(&H)")},
        {ID_WEB_PAGE, l.Pick(u8"Wispane Calendar &Online", u8"Wispane Calendar オンライン(&O)")},
        {ID_APP_ABOUT, l.Pick(u8"&About Wispane Calendar...", u8"バージョン情報(&A)")},
        {ID_APP_EXIT, l.Pick(u8"E&xit", u8"終了(&X)")},
    };
    EXPECT_EQ(ItemsOf(options), expected);
    const std::vector<MenuItem> todayModes = {
        {ID_TODAY_HIDE, l.Pick(u8"&Hide", u8"表示しない(&H)")},
        {ID_TODAY_DATE_ONLY, l.Pick(u8"Show &Date Only", u8"日付のみ表示する(&D)")},
        {ID_TODAY_TIME_ALSO, l.Pick(u8"Show &Time Also", u8"時刻も表示する(&T)")},
    };
    EXPECT_EQ(ItemsOf(GetSubMenu(options, 12)), todayModes);

    // The calendar-file commands each have a key that no other item answers to.
    const auto mnemonic = [](const MenuItem& item) {
        const std::size_t at = item.text.find(L'&');
        return at == std::wstring::npos ? L'\0' : static_cast<wchar_t>(towlower(item.text[at + 1]));
    };
    for (const MenuItem& command : expected) {
        if (command.id != ID_EXPORT_SCHEDULES && command.id != ID_IMPORT_SCHEDULES) continue;
        for (const MenuItem& other : expected) {
            if (other.id == command.id) continue;
            EXPECT_NE(mnemonic(other), mnemonic(command)) << ::testing::PrintToString(other.text);
        }
    }
}

TEST_P(LocalizedResourcesTest, ScheduleMenuOffersEditAndDelete) {
    MenuHolder menu = MenuIn(language().id, IDR_SCHEDULE_MENU);
    ASSERT_TRUE(menu);
    const std::vector<MenuItem> expected = {
        {ID_EDIT_SCHEDULE, language().Pick(u8"&Edit Schedule", u8"予定の編集(&E)")},
        {ID_DELETE_SCHEDULE, language().Pick(u8"&Delete Schedule", u8"予定の削除(&D)")},
    };
    EXPECT_EQ(ItemsOf(GetSubMenu(menu.get(), 0)), expected);
}

TEST_P(LocalizedResourcesTest, AcceleratorsChangeTheMonthWithoutModifierKeys) {
    const ResourceBytes table = FindResourceBytes(RT_ACCELERATOR, IDR_CALENDAR_ACCEL, language().id);
    ASSERT_NE(table.data, nullptr);
    // Resource entries: flags, key, command, padding; the last entry's flags carry 0x80.
    std::set<std::pair<WORD, WORD>> keys;
    for (DWORD offset = 0; offset + 8 <= table.size; offset += 8) {
        WORD entry[4];
        std::memcpy(entry, table.data + offset, sizeof entry);
        EXPECT_EQ(entry[0] & 0x7F, FVIRTKEY | FNOINVERT) << "key " << entry[1];
        keys.insert({entry[1], entry[2]});
        if (entry[0] & 0x80) break;
    }
    const std::set<std::pair<WORD, WORD>> expected = {
        {VK_LEFT, ID_PREV_MONTH}, {VK_NEXT, ID_PREV_MONTH}, {VK_RIGHT, ID_NEXT_MONTH},
        {VK_PRIOR, ID_NEXT_MONTH}, {VK_DOWN, ID_PREV_YEAR}, {VK_UP, ID_NEXT_YEAR},
        {VK_HOME, ID_GOTO_TODAY}, {VK_END, ID_GOTO_TODAY},
    };
    EXPECT_EQ(keys, expected);
}

TEST_P(LocalizedResourcesTest, MainWindowIsABorderlessCalendar) {
    const DialogTemplate dialog = Dialog(IDD_CALENDAR_DIALOG);
    EXPECT_EQ(dialog.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.cx, 95);
    EXPECT_EQ(dialog.cy, 102);
    EXPECT_EQ(dialog.caption, L"");
    EXPECT_EQ(dialog.fontFace, TemplateFontFace());
    EXPECT_EQ(dialog.pointSize, TemplatePointSize());
    ASSERT_EQ(dialog.items.size(), 1u);
    const DialogItem& calendar = dialog.items[0];
    EXPECT_EQ(calendar.id, IDC_CALENDAR);
    EXPECT_EQ(calendar.className, L"SYSMONTHCAL32");
    // Without MCS_DAYSTATE: the program adds it when it re-creates the control.
    EXPECT_EQ(calendar.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    EXPECT_EQ(calendar.x, 0);
    EXPECT_EQ(calendar.y, 0);
    EXPECT_EQ(calendar.cx, language().japanese ? 94 : 95);
    EXPECT_EQ(calendar.cy, 101);
}

TEST_P(LocalizedResourcesTest, AboutBoxHoldsIconAndPlaceholders) {
    const DialogTemplate dialog = Dialog(IDD_ABOUTBOX);
    EXPECT_EQ(dialog.caption, language().Pick(u8"About Wispane Calendar", u8"Wispane Calendar のバージョン情報"));
    EXPECT_EQ(dialog.style & (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
    EXPECT_EQ(dialog.cx, 235);
    EXPECT_EQ(dialog.cy, 55);
    EXPECT_EQ(dialog.fontFace, TemplateFontFace());
    EXPECT_EQ(dialog.pointSize, TemplatePointSize());

    const DialogItem* icon = dialog.Item(IDC_STATIC);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    EXPECT_EQ(icon->textOrdinal, IDR_MAINFRAME);

    const DialogItem* ok = dialog.Item(IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));

    for (auto [id, placeholder] : {std::pair{IDC_APP_VERSION, L"IDC_APP_VERSION"},
                                   std::pair{IDC_APP_COPYRIGHT, L"IDC_APP_COPYRIGHT"},
                                   std::pair{IDC_APP_MAIL, L"IDC_APP_MAIL"},
                                   std::pair{IDC_WEB_SITE, L"IDC_WEB_SITE"}}) {
        const DialogItem* item = dialog.Item(id);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_EQ(item->className, L"STATIC");
        EXPECT_EQ(item->text, placeholder);
    }
    EXPECT_TRUE(dialog.Item(IDC_APP_VERSION)->style & SS_NOPREFIX);
    // The mail link continues the copyright line on its right.
    const DialogItem* copyright = dialog.Item(IDC_APP_COPYRIGHT);
    const DialogItem* mail = dialog.Item(IDC_APP_MAIL);
    EXPECT_EQ(mail->y, copyright->y);
    EXPECT_GE(mail->x, copyright->x + copyright->cx);
}

TEST_P(LocalizedResourcesTest, ScheduleEditorHasNoDefaultButton) {
    const DialogTemplate dialog = Dialog(IDD_SCHEDULE_EDITOR);
    EXPECT_EQ(dialog.caption, language().Pick(u8"Edit Schedule", u8"予定の編集"));
    EXPECT_EQ(dialog.cx, language().japanese ? 186 : 181);
    EXPECT_EQ(dialog.cy, 175);
    EXPECT_EQ(dialog.fontFace, TemplateFontFace());

    const DialogItem* list = dialog.Item(IDC_SCHEDULE_LIST);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->className, L"SYSLISTVIEW32");
    const DWORD listStyle = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA |
                            LVS_EDITLABELS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP;
    EXPECT_EQ(list->style & listStyle, listStyle);

    const std::pair<int, std::wstring> buttons[] = {
        {IDC_RENAME_SCHEDULE, language().Pick(u8"&Rename", u8"名前の変更(&R)")},
        {IDC_DELETE_SCHEDULE, language().Pick(u8"&Delete", u8"削除(&D)")},
        {IDOK, language().Pick(u8"&Save && Close", u8"保存して閉じる(&S)")},
        {IDCANCEL, language().Pick(u8"&Cancel", u8"キャンセル(&C)")},
    };
    for (const auto& [id, text] : buttons) {
        const DialogItem* button = dialog.Item(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->text, text);
        // Enter moves the focus to "Save && Close" and must never press a button.
        EXPECT_EQ(button->style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON)) << id;
    }
}

TEST_P(LocalizedResourcesTest, DialogsCreateWithEveryControl) {
    const INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    for (int id : {IDD_ABOUTBOX, IDD_CALENDAR_DIALOG, IDD_SCHEDULE_EDITOR}) {
        const ResourceBytes bytes = FindResourceBytes(RT_DIALOG, id, language().id);
        ASSERT_NE(bytes.data, nullptr) << id;
        WindowHolder window(CreateDialogIndirectParamW(
            GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data), nullptr,
            IgnoreDialogMessages, 0));
        ASSERT_TRUE(window) << "dialog " << id << " error " << GetLastError();
        for (const DialogItem& item : Dialog(id).items) {
            if (item.id == IDC_STATIC) continue;
            EXPECT_NE(GetDlgItem(window.get(), item.id), nullptr) << "dialog " << id << " control " << item.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LocalizedResourcesTest, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- icon and cursor

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

TEST(ImageResourcesTest, IconOffersSmallAndLargeFullColourImages) {
    const ResourceBytes group = FindResourceBytes(RT_GROUP_ICON, IDR_MAINFRAME, kNeutral);
    ASSERT_NE(group.data, nullptr);
    WORD header[3];
    std::memcpy(header, group.data, sizeof header);
    std::set<int> sizes;
    for (WORD index = 0; index < header[2]; ++index) {
        const BYTE* entry = group.data + sizeof header + index * 14;  // GRPICONDIRENTRY
        WORD bitCount;
        std::memcpy(&bitCount, entry + 6, sizeof bitCount);
        EXPECT_EQ(bitCount, 32);
        sizes.insert(entry[0] ? entry[0] : 256);
    }
    // Every size a scaled screen asks for, from 16 at 100 % to 256.
    const std::set<int> drawn{16, 20, 24, 32, 40, 48, 64, 256};
    EXPECT_EQ(sizes, drawn);

    for (int size : drawn) {
        IconHolder icon(static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        BitmapHolder color(info.hbmColor), mask(info.hbmMask);
        ASSERT_TRUE(color);
        EXPECT_EQ(BitmapSize(color.get()).cx, size);
        EXPECT_EQ(BitmapSize(color.get()).cy, size);
    }
}

TEST(ImageResourcesTest, OpenHandCursorGripsAtItsPalm) {
    IconHolder cursor(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_OPEN_HAND), IMAGE_CURSOR, 0, 0, 0)));
    ASSERT_TRUE(cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    BitmapHolder color(info.hbmColor), mask(info.hbmMask);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 16u);
    EXPECT_EQ(info.yHotspot, 14u);

    // A monochrome cursor keeps its AND and XOR masks stacked in one bitmap of double height.
    const SIZE size = BitmapSize(mask.get());
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(size.cy, color ? 32 : 64);

    // The hot spot is on the hand, not on a transparent pixel beside it.
    std::vector<BYTE> bits(static_cast<size_t>(size.cy) * 4);
    ASSERT_EQ(GetBitmapBits(mask.get(), static_cast<LONG>(bits.size()), bits.data()), static_cast<LONG>(bits.size()));
    const BYTE andBits = bits[14 * 4 + 16 / 8];
    EXPECT_EQ(andBits & (0x80 >> (16 % 8)), 0);
}

// ---------------------------------------------------------------- version resource

class VersionResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char path[MAX_PATH] = {};
        ASSERT_NE(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
        ASSERT_NE(size, 0u);
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data_.data()));
    }

    std::string Value(const std::string& name) {
        const std::string query = "\\StringFileInfo\\041104b0\\" + name;
        char* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return {};
        return value;
    }

    std::vector<BYTE> data_;
};

TEST_F(VersionResourceTest, FirstTranslationIsJapaneseUnicode) {
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 0x04B0);
}

TEST_F(VersionResourceTest, NamesTheProductItsVersionAndItsMaker) {
    EXPECT_EQ(Value("ProductName"), "Wispane Calendar");
    EXPECT_EQ(Value("FileVersion"), "2.1");
    const std::string company = Value("CompanyName");
    ASSERT_FALSE(company.empty());
    EXPECT_EQ(company.find(' '), std::string::npos);
    // The About box cuts the copyright before its last word and shows the company there.
    const std::string copyright = Value("LegalCopyright");
    const size_t lastBlank = copyright.rfind(' ');
    ASSERT_NE(lastBlank, std::string::npos);
    EXPECT_EQ(copyright.substr(lastBlank + 1), company);
    EXPECT_NE(copyright.substr(0, lastBlank).find("2026"), std::string::npos);

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data_.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
}

}  // namespace
