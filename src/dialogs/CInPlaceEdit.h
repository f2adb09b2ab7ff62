#pragma once
#include <string>

#include "CEdit.h"

class CListCtrl;

// A single-line edit box laid over one cell of a report-view list. It starts with the
// cell's text selected and hands the edited text back to its owner as an
// LVN_ENDLABELEDIT notification from the list. It never moves itself: keys that go to
// another cell ask the owner, with the registered messages of Protocol(), to open a
// new box, and the owner answers with the new box or 0.
//
// The box deletes itself once its window is gone, and its window goes when it loses
// the keyboard focus; so opening a new box ends the one that is open.
class CInPlaceEdit : public CEdit {
public:
    // The registered messages sent to the owner. EditSubItem: wParam the target row;
    // the others: wParam the box's own row. lParam is always the box's column.
    struct Messages {
        UINT editSubItem;    // Ctrl+Home, Ctrl+End, release of PageUp or PageDown
        UINT editPrevItem;   // Up
        UINT editNextItem;   // Down, Enter
        UINT editLeftItem;   // Shift+Tab
        UINT editRightItem;  // Tab
    };
    static const Messages& Protocol();

    // The box opens on the cell's text, given by the list.
    CInPlaceEdit(int row, int column, std::string initialText);

    // Opens a box over a cell of the list, scrolled into view, with the font (null:
    // the list's). Null when the row or column does not exist or the column is
    // narrower than 5 pixels. The open box, if any, ends first: the list takes the focus.
    static CInPlaceEdit* Open(CListCtrl& list, int row, int column, HFONT font);

    int GetRow() const { return row_; }
    int GetColumn() const { return column_; }

    // The window that gets the protocol messages and the end notification; without
    // one, the parent list.
    void SetOwner(HWND owner) { owner_ = owner; }
    HWND GetOwner() const;
    LRESULT SendToOwner(UINT message, WPARAM wParam, LPARAM lParam) const;

    // Enter and Esc go straight to the box, so a dialog around it never sees them.
    bool PreTranslateMessage(MSG& message) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
    LRESULT OnKeyUp(WPARAM key, LPARAM lParam);
    LRESULT OnChar(WPARAM character, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    // Up and Down: the new box gets the caret nearest the horizontal position it had here.
    void MoveVertically(UINT message);
    // Sends the edited text to the owner, unless the edit was cancelled.
    void NotifyEnd();
    // Grows the box to fit its text, up to the list's right edge.
    void WidenToText();
    HWND List() const { return GetParent(); }

    int row_;
    int column_;
    std::string initialText_;
    bool cancelled_ = false;
    HWND owner_ = nullptr;
    // Set by Open, whose box belongs to its window.
    bool deleteWithWindow_ = false;
};
