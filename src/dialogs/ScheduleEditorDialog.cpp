#include "ScheduleEditorDialog.h"

#include <windowsx.h>

#include <algorithm>

#include "CInPlaceEdit.h"
#include "DeviceContexts.h"
#include "MonitorDpi.h"
#include "ProfileAccess.h"
#include "ResourceLanguage.h"
#include "SafeSave.h"
#include "SchedulesNotSaved.h"
#include "Win32Platform.h"
#include "WindowGeometry.h"
#include "WideText.h"
#include "resource.h"

namespace {

// Posted to itself: the row for a new date is added once the dialog shows.
constexpr UINT WM_ADDSCHEDULE = WM_USER + 500;
constexpr int kDateColumn = 0;
constexpr int kNameColumn = 1;
// The widest date text of any locale, in the list's font.
constexpr const char* kDateSample = " 0000//00//00 00:00:00 ";
// What the list shows at least, in its font: a name of so many average characters
// beside the widest date, and so many rows below its header.
constexpr int kNameCharacters = 12;
constexpr int kVisibleRows = 6;
constexpr int kRowPadding = 4;

// The order of a list sorted ascending by its item text.
bool DateTextLess(const ScheduleRow& left, const std::string& right) {
    return ::lstrcmpA(left.date.c_str(), right.c_str()) < 0;
}

}  // namespace

ScheduleEditorDialog::ScheduleEditorDialog(CWnd* parent) : CDialog(IDD_SCHEDULE_EDITOR, parent) {}

void ScheduleEditorDialog::DoDataExchange() { BindControl(IDC_SCHEDULE_LIST, list_); }

bool ScheduleEditorDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // The rows show in the calendar's font; the buttons keep the dialog's own, which
    // fits their texts at any calendar font.
    if (font) list_.SetFont(font, true);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    GrowForFont();
    CenterWindow();
    FitColumns();
    Fill();

    const auto found =
        std::find_if(rows_.begin(), rows_.end(), [&](const ScheduleRow& row) { return row.date == dateText; });
    if (found == rows_.end()) {
        Post(WM_ADDSCHEDULE);
        return true;
    }
    const int row = static_cast<int>(found - rows_.begin());
    list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_.SetFocus();
    EditCell(row, kNameColumn);
    return false;
}

// Room in the list for the widest date, a name of kNameCharacters and
// kVisibleRows rows in the list's font; the dialog grows for it, as far as the
// work area allows, its buttons moving with the list's lower right corner.
void ScheduleEditorDialog::GrowForFont() {
    TEXTMETRICA metrics{};
    {
        const ClientDC dc(list_.GetSafeHwnd());
        const SelectedObject selected(dc.get(), reinterpret_cast<HGDIOBJ>(list_.Send(WM_GETFONT)));
        if (!::GetTextMetricsA(dc.get(), &metrics)) return;
    }
    const RECT client = list_.GetClientRect();
    const int wanted = list_.GetStringWidth(kDateSample) + kNameCharacters * metrics.tmAveCharWidth +
                       SystemMetricForDpi(SM_CXVSCROLL, DpiOfWindow(GetSafeHwnd())) + 2;
    const int rowHeight = metrics.tmHeight + metrics.tmExternalLeading + kRowPadding;
    const RECT window = GetWindowRect();
    const std::optional<RECT> area = WorkAreaNear(GetSafeHwnd());
    if (!area) return;
    const RECT& work = *area;
    // Growth by up to what is wanted, as far as the work area leaves room.
    const auto growth = [](long wanted, long room) {
        return static_cast<int>(std::clamp(wanted, 0L, std::max(room, 0L)));
    };
    const int dx = growth(wanted - client.right, (work.right - work.left) - (window.right - window.left));
    const int dy = growth((kVisibleRows + 1) * rowHeight - client.bottom,
                          (work.bottom - work.top) - (window.bottom - window.top));
    if (dx == 0 && dy == 0) return;
    SetWindowPos(nullptr, 0, 0, window.right - window.left + dx, window.bottom - window.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = ::GetWindow(GetSafeHwnd(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT bounds = WindowRectIn(child, GetSafeHwnd());
        if (child == list_.GetSafeHwnd()) {
            bounds.right += dx;
            bounds.bottom += dy;
        } else {
            ::OffsetRect(&bounds, dx, dy);
        }
        ::MoveWindow(child, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, FALSE);
    }
}

void ScheduleEditorDialog::FitColumns() {
    // Room for a vertical scroll bar, and two pixels to spare. Where even the grown
    // list is too narrow, the date takes no more than half of it.
    const int available = list_.GetClientRect().right - ::GetSystemMetrics(SM_CXVSCROLL) - 2;
    list_.InsertColumn(kDateColumn, ResourceLanguage::LoadStringOrEmpty(IDS_COLUMN_DATE).c_str(), LVCFMT_LEFT,
                      std::min(list_.GetStringWidth(kDateSample), available / 2));
    list_.InsertColumn(kNameColumn, ResourceLanguage::LoadStringOrEmpty(IDS_COLUMN_NAME).c_str(), LVCFMT_LEFT,
                      available - list_.GetColumnWidth(kDateColumn));
}

void ScheduleEditorDialog::Fill() {
    for (const std::string& line : ReadProfileSection(Win32Platform().profile, settingsFilePath, sectionName)) {
        rows_.push_back(ScheduleRowFromLine(line));
    }
    // Ascending by date text, rows of equal dates in file order.
    std::stable_sort(rows_.begin(), rows_.end(),
                     [](const ScheduleRow& left, const ScheduleRow& right) { return DateTextLess(left, right.date); });
    list_.SetItemCount(static_cast<int>(rows_.size()));
}

std::string* ScheduleEditorDialog::Cell(int row, int column) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return nullptr;
    if (column == kDateColumn) return &rows_[static_cast<std::size_t>(row)].date;
    if (column == kNameColumn) return &rows_[static_cast<std::size_t>(row)].name;
    return nullptr;
}

void ScheduleEditorDialog::ShowCell(LVITEMA& item) {
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    const std::string* text = Cell(item.iItem, item.iSubItem);
    ::lstrcpynA(item.pszText, text ? text->c_str() : "", item.cchTextMax);
}

int ScheduleEditorDialog::FindTyped(UINT flags, const std::string& typed, int start) const {
    // As the list searched its own rows: from the row it names, round past the end,
    // for a date text that starts with the typed text in any case.
    const int count = static_cast<int>(rows_.size());
    if (!(flags & (LVFI_STRING | LVFI_PARTIAL)) || count == 0) return -1;
    const int length = static_cast<int>(typed.size());
    if (start < 0 || start >= count) start = 0;
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        const std::string& date = rows_[static_cast<std::size_t>(row)].date;
        const int prefix = std::min(length, static_cast<int>(date.size()));
        if (::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, date.c_str(), prefix, typed.c_str(), length) ==
            CSTR_EQUAL) {
            return row;
        }
    }
    return -1;
}

LRESULT ScheduleEditorDialog::EditCell(int row, int column) {
    CInPlaceEdit* editor = CInPlaceEdit::Open(list_, row, column, font);
    if (!editor) return 0;
    editor->SetOwner(GetSafeHwnd());
    return reinterpret_cast<LRESULT>(editor);
}

void ScheduleEditorDialog::AddScheduleRow() {
    list_.SetFocus();
    // Where a sorted list puts a new row: before the first row not less than it. No
    // row is selected or focused yet, so none has to move down with the rows.
    const auto place =
        std::find_if(rows_.begin(), rows_.end(), [&](const ScheduleRow& row) { return !DateTextLess(row, dateText); });
    const int row = static_cast<int>(place - rows_.begin());
    rows_.insert(place, ScheduleRow{dateText, ""});
    addedRow_ = static_cast<std::size_t>(row);
    list_.SetItemCount(static_cast<int>(rows_.size()));
    // Selected like a found row, so that Rename finds it after Esc.
    list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EditCell(row, kNameColumn);
}

int ScheduleEditorDialog::SelectedRow() {
    const int row = list_.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) ShowMessageBox(ResourceLanguage::LoadStringOrEmpty(IDS_SELECT_SCHEDULE).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return row;
}

LRESULT ScheduleEditorDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CInPlaceEdit::Messages& protocol = CInPlaceEdit::Protocol();
    const int row = static_cast<int>(wParam);
    const int column = static_cast<int>(lParam);
    if (message == WM_ADDSCHEDULE) {
        AddScheduleRow();
        return 0;
    }
    if (message == protocol.editSubItem) return EditCell(row, column);
    if (message == protocol.editPrevItem) return row == 0 ? 0 : EditCell(row - 1, column);
    if (message == protocol.editNextItem) return row >= list_.GetItemCount() - 1 ? 0 : EditCell(row + 1, column);
    if (message == protocol.editLeftItem || message == protocol.editRightItem) return 0;
    return CDialog::WindowProc(message, wParam, lParam);
}

bool ScheduleEditorDialog::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED && (id == IDC_RENAME_SCHEDULE || id == IDC_DELETE_SCHEDULE)) {
        const int row = SelectedRow();
        if (row >= 0 && id == IDC_RENAME_SCHEDULE) EditCell(row, kNameColumn);
        if (row >= 0 && id == IDC_DELETE_SCHEDULE) {
            rows_.erase(rows_.begin() + row);
            list_.DeleteItem(row);
            const auto deleted = static_cast<std::size_t>(row);
            if (addedRow_ && *addedRow_ == deleted) addedRow_.reset();
            if (addedRow_ && *addedRow_ > deleted) --*addedRow_;
        }
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

bool ScheduleEditorDialog::OnNotify(NMHDR& header, LRESULT& result) {
    // The cell editor's end notification comes from the list with the editor's own id.
    if (header.hwndFrom != list_.GetSafeHwnd()) return false;
    switch (header.code) {
    case LVN_GETDISPINFOA:
        ShowCell(reinterpret_cast<NMLVDISPINFOA&>(header).item);
        result = 0;
        return true;
    case LVN_ODFINDITEMA: {
        const auto& find = reinterpret_cast<NMLVFINDITEMA&>(header);
        result = find.lvfi.psz ? FindTyped(find.lvfi.flags, find.lvfi.psz, find.iStart) : -1;
        return true;
    }
    case LVN_ODFINDITEMW: {
        // Wine asks in UTF-16 whatever the parent's character set.
        const auto& find = reinterpret_cast<NMLVFINDITEMW&>(header);
        result = find.lvfi.psz ? FindTyped(find.lvfi.flags, MultiByteFromWide(CP_ACP, 0, find.lvfi.psz), find.iStart)
                               : -1;
        return true;
    }
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW:
        // The list's own editor would edit the date: the name is edited instead.
        EditCell(reinterpret_cast<NMLVDISPINFOA&>(header).item.iItem, kNameColumn);
        result = 1;
        return true;
    case LVN_ENDLABELEDITA:
        OnEndEdit(reinterpret_cast<NMLVDISPINFOA&>(header));
        result = 0;
        return true;
    case LVN_KEYDOWN:
        if (reinterpret_cast<NMLVKEYDOWN&>(header).wVKey == VK_F2) {
            // The only way to change a date text.
            const int focused = list_.GetNextItem(-1, LVNI_FOCUSED);
            if (focused >= 0) EditCell(focused, kDateColumn);
        }
        return false;
    default:
        return false;
    }
}

void ScheduleEditorDialog::OnEndEdit(const NMLVDISPINFOA& info) {
    const int row = info.item.iItem;
    std::string* cell = Cell(row, info.item.iSubItem);
    if (info.item.pszText && cell) *cell = info.item.pszText;
    if (const std::optional<RECT> bounds = list_.GetItemRect(row, LVIR_BOUNDS)) list_.InvalidateRect(*bounds, false);
    // A click on another row ends the edit as the list takes the focus, before the
    // list selects what was clicked: that row is the one the user chose.
    const int clicked = RowUnderPressedButton();
    const int chosen = clicked >= 0 ? clicked : row;
    list_.SetItemState(chosen, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

int ScheduleEditorDialog::RowUnderPressedButton() const {
    if (!(::GetKeyState(VK_LBUTTON) & 0x8000) && !(::GetKeyState(VK_RBUTTON) & 0x8000)) return -1;
    const DWORD position = ::GetMessagePos();
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ::ScreenToClient(list_.GetSafeHwnd(), &hit.pt);
    const int row = static_cast<int>(list_.Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return row >= 0 && (hit.flags & LVHT_ONITEM) ? row : -1;
}

bool ScheduleEditorDialog::PreTranslateMessage(MSG& message) {
    // Enter never presses a button: it only takes the focus to "Save && Close".
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        ::SetFocus(GetDlgItem(IDOK));
        return true;
    }
    return CDialog::PreTranslateMessage(message);
}

bool ScheduleEditorDialog::SaveSection(const std::vector<std::string>& lines) {
    Platform& platform = Win32Platform();
    const bool saved = SaveSafely(settingsFilePath, [&](const std::string& copyPath) {
        return WriteSectionLines(platform.profile, copyPath, sectionName, lines);
    });
    // The file decides: every line must be there to read back.
    return saved && ReadProfileSection(platform.profile, settingsFilePath, sectionName).size() == lines.size();
}

void ScheduleEditorDialog::OnOK() {
    // A cell being edited ends first, so its text is in what is written, however
    // the button was pressed (a click, Space, or its mnemonic while typing).
    if (::GetFocus() != list_.GetSafeHwnd()) list_.SetFocus();
    std::vector<ScheduleRow> kept = rows_;
    // The row added for the day, still without a name or a new date, was never a note.
    if (addedRow_ && kept[*addedRow_] == ScheduleRow{dateText, ""}) kept.erase(kept.begin() + *addedRow_);
    const std::vector<std::string> lines = ScheduleSectionLines(kept);
    if (!SaveSection(lines)) {
        ShowSchedulesNotSaved(*this, settingsFilePath);
        return;
    }
    CDialog::OnOK();
}
