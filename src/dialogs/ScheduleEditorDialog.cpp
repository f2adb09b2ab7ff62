#include "ScheduleEditorDialog.h"

#include <algorithm>

#include "CInPlaceEdit.h"
#include "ProfileAccess.h"
#include "ResourceLanguage.h"
#include "SafeSave.h"
#include "SchedulesNotSaved.h"
#include "Win32Platform.h"
#include "resource.h"

namespace {

// Posted to itself: the row for a new date is added once the dialog shows.
constexpr UINT WM_ADDSCHEDULE = WM_USER + 500;
constexpr int kDateColumn = 0;
constexpr int kNameColumn = 1;
// The widest date text of any locale, in the list's font.
constexpr const char* kDateSample = " 0000//00//00 00:00:00 ";

}  // namespace

ScheduleEditorDialog::ScheduleEditorDialog(CWnd* parent) : CDialog(IDD_SCHEDULE_EDITOR, parent) {}

void ScheduleEditorDialog::DoDataExchange() { BindControl(IDC_SCHEDULE_LIST, list); }

bool ScheduleEditorDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (font) {
        SetFont(font, true);
        SendMessageToDescendants(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    CenterWindow();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    FitColumns();
    Fill();

    const int row = list.FindItem(dateText.c_str());
    if (row < 0) {
        Post(WM_ADDSCHEDULE);
        return true;
    }
    list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetFocus();
    EditCell(row, kNameColumn);
    return false;
}

void ScheduleEditorDialog::FitColumns() {
    // Room for a vertical scroll bar, and two pixels to spare.
    const int available = list.GetClientRect().right - ::GetSystemMetrics(SM_CXVSCROLL) - 2;
    list.InsertColumn(kDateColumn, ResourceLanguage::LoadStringOrEmpty(IDS_COLUMN_DATE).c_str(), LVCFMT_LEFT,
                      list.GetStringWidth(kDateSample));
    list.InsertColumn(kNameColumn, ResourceLanguage::LoadStringOrEmpty(IDS_COLUMN_NAME).c_str(), LVCFMT_LEFT,
                      available - list.GetColumnWidth(kDateColumn));
}

void ScheduleEditorDialog::Fill() {
    std::vector<ScheduleRow> rows;
    for (const std::string& line : ReadProfileSection(Win32Platform().profile, settingsFilePath, sectionName)) {
        rows.push_back(ScheduleRowFromLine(line));
    }
    // The list's own sorted insertion compares with every row before it: thousands
    // of rows took half a minute under Wine. They go in sorted, by the same text
    // comparison, with the list's sorting off meanwhile and without redrawing.
    std::stable_sort(rows.begin(), rows.end(), [](const ScheduleRow& left, const ScheduleRow& right) {
        return ::lstrcmpA(left.date.c_str(), right.date.c_str()) < 0;
    });
    list.ModifyStyle(LVS_SORTASCENDING, 0);
    list.Send(WM_SETREDRAW, FALSE);
    list.Send(LVM_SETITEMCOUNT, rows.size());
    for (const ScheduleRow& row : rows) {
        const int index = list.InsertItem(list.GetItemCount(), row.date.c_str());
        if (index >= 0) list.SetItemText(index, kNameColumn, row.name.c_str());
    }
    list.Send(WM_SETREDRAW, TRUE);
    list.ModifyStyle(0, LVS_SORTASCENDING);
    list.Invalidate();
}

LRESULT ScheduleEditorDialog::EditCell(int row, int column) {
    CInPlaceEdit* editor = CInPlaceEdit::Open(list, row, column, font);
    if (!editor) return 0;
    editor->SetOwner(GetSafeHwnd());
    return reinterpret_cast<LRESULT>(editor);
}

void ScheduleEditorDialog::AddScheduleRow() {
    list.SetFocus();
    const int row = list.InsertItem(list.GetItemCount(), dateText.c_str());
    if (row < 0) return;
    list.SetItemText(row, kNameColumn, "");
    EditCell(row, kNameColumn);
}

int ScheduleEditorDialog::SelectedRow() {
    const int row = list.GetNextItem(-1, LVNI_SELECTED);
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
    if (message == protocol.editNextItem) return row >= list.GetItemCount() - 1 ? 0 : EditCell(row + 1, column);
    if (message == protocol.editLeftItem || message == protocol.editRightItem) return 0;
    return CDialog::WindowProc(message, wParam, lParam);
}

bool ScheduleEditorDialog::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED && (id == IDC_RENAME_SCHEDULE || id == IDC_DELETE_SCHEDULE)) {
        const int row = SelectedRow();
        if (row >= 0 && id == IDC_RENAME_SCHEDULE) EditCell(row, kNameColumn);
        if (row >= 0 && id == IDC_DELETE_SCHEDULE) list.DeleteItem(row);
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

bool ScheduleEditorDialog::OnNotify(NMHDR& header, LRESULT& result) {
    // The cell editor's end notification comes from the list with the editor's own id.
    if (header.hwndFrom != list.GetSafeHwnd()) return false;
    switch (header.code) {
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
            const int focused = list.GetNextItem(-1, LVNI_FOCUSED);
            if (focused >= 0) EditCell(focused, kDateColumn);
        }
        return false;
    default:
        return false;
    }
}

void ScheduleEditorDialog::OnEndEdit(const NMLVDISPINFOA& info) {
    const int row = info.item.iItem;
    if (info.item.pszText) list.SetItemText(row, info.item.iSubItem, info.item.pszText);
    list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (const std::optional<RECT> bounds = list.GetItemRect(row, LVIR_BOUNDS)) list.InvalidateRect(*bounds, false);
}

bool ScheduleEditorDialog::PreTranslateMessage(MSG& message) {
    // Enter never presses a button: it only takes the focus to "Save && Close".
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        ::SetFocus(GetDlgItem(IDOK));
        return true;
    }
    return CDialog::PreTranslateMessage(message);
}

std::vector<ScheduleRow> ScheduleEditorDialog::Rows() const {
    std::vector<ScheduleRow> rows;
    const int count = list.GetItemCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        rows.push_back({list.GetItemText(row, kDateColumn), list.GetItemText(row, kNameColumn)});
    }
    return rows;
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
    if (::GetFocus() != list.GetSafeHwnd()) list.SetFocus();
    const std::vector<std::string> lines = ScheduleSectionLines(Rows());
    if (!SaveSection(lines)) {
        ShowSchedulesNotSaved(*this, settingsFilePath);
        return;
    }
    CDialog::OnOK();
}
