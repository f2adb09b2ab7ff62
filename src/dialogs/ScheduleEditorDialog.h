#pragma once
#include <optional>
#include <string>
#include <vector>

#include "CDialog.h"
#include "CListCtrl.h"
#include "ScheduleRows.h"

// The "Edit Schedule" dialog: every line of the "Schedule" section as a row of a
// date text and a name, edited in place; the section is rewritten as a whole only
// by "Save && Close". It opens on one date: on its row, or on a new row for it.
// The rows are kept here, in the order shown, and the list (an owner-data list)
// asks for the text of the cells it shows: filling a list row by row took over a
// second for ten thousand rows under Wine.
class ScheduleEditorDialog : public CDialog {
public:
    // `parent` is disabled while the dialog runs and has it centred in front of it.
    explicit ScheduleEditorDialog(CWnd* parent);

    std::string sectionName = "Schedule";
    std::string dateText;          // the date the dialog opens on, as a date key
    std::string settingsFilePath;  // where the section is read and written
    HFONT font = nullptr;          // the calendar's font; not owned

protected:
    bool OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override;
    bool PreTranslateMessage(MSG& message) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    void GrowForFont();
    void FitColumns();
    void Fill();
    // The cell's text, or null outside the rows and columns.
    std::string* Cell(int row, int column);
    void ShowCell(LVITEMA& item);
    // Typing in the list: the row whose date text starts with the typed text, or -1.
    int FindTyped(UINT flags, const std::string& typed, int start) const;
    // The cell editor on a cell, owned by this dialog; null when none opened.
    LRESULT EditCell(int row, int column);
    void AddScheduleRow();
    // The selected row, or -1 after saying "Select Schedule".
    int SelectedRow();
    void OnEndEdit(const NMLVDISPINFOA& info);
    // The row under the mouse while a button of it is down on the list, or -1.
    int RowUnderPressedButton() const;
    // The section written in one safe save and read back; false when it is not there.
    bool SaveSection(const std::vector<std::string>& lines);

    CListCtrl list_;
    std::vector<ScheduleRow> rows_;
    std::optional<std::size_t> addedRow_;  // the row added for the day, while it is there
};
