#pragma once
#include "CWnd.h"

#include <optional>
#include <string>

// List-view control, as used in report view.
class CListCtrl : public CWnd {
public:
    // Replaces every extended style.
    void SetExtendedStyle(DWORD style) { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }

    // The index of the new column, or -1.
    int InsertColumn(int column, const char* heading, int format, int width) {
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        info.fmt = format;
        info.cx = width;
        info.pszText = const_cast<char*>(heading);
        return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
    }
    int GetColumnCount() const {
        auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
        return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    }
    // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER in the justification bits.
    std::optional<int> GetColumnFormat(int column) const {
        LVCOLUMNA info{};
        info.mask = LVCF_FMT;
        if (!Send(LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info))) return std::nullopt;
        return info.fmt;
    }
    int GetColumnWidth(int column) const {
        return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    }
    bool SetColumnWidth(int column, int width) {
        return Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)) != 0;
    }
    // The width of a text in the list's font.
    int GetStringWidth(const char* text) const {
        return static_cast<int>(Send(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
    }

    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    // An owner-data list's number of rows; it then asks its parent for their texts.
    bool SetItemCount(int count) { return Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count)) != 0; }
    // The index the row got (a sorted list places it), or -1.
    int InsertItem(int index, const char* text) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<char*>(text);
        return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    bool DeleteItem(int index) { return Send(LVM_DELETEITEM, static_cast<WPARAM>(index)) != 0; }
    bool SetItemText(int index, int subItem, const char* text) {
        LVITEMA item{};
        item.iSubItem = subItem;
        item.pszText = const_cast<char*>(text);
        return Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
    }
    std::string GetItemText(int index, int subItem) const { return GetItemText(GetSafeHwnd(), index, subItem); }
    // The same for a list window that has no object of this class.
    static std::string GetItemText(HWND list, int index, int subItem) {
        std::string text(256, '\0');
        for (;;) {
            LVITEMA item{};
            item.iSubItem = subItem;
            item.pszText = text.data();
            item.cchTextMax = static_cast<int>(text.size());
            const auto length = static_cast<size_t>(::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index),
                                                                   reinterpret_cast<LPARAM>(&item)));
            if (length + 1 < text.size()) {
                text.resize(length);
                return text;
            }
            text.resize(text.size() * 2);
        }
    }
    // The next row after start (-1: from the first) with the LVNI_* flags, or -1.
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    bool SetItemState(int index, UINT state, UINT mask) {
        LVITEMA item{};
        item.state = state;
        item.stateMask = mask;
        return Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
    }
    bool EnsureVisible(int index, bool partialOK) {
        return Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), partialOK) != 0;
    }
    int GetCountPerPage() const { return static_cast<int>(Send(LVM_GETCOUNTPERPAGE)); }
    bool Scroll(SIZE amount) { return Send(LVM_SCROLL, static_cast<WPARAM>(amount.cx), amount.cy) != 0; }

    // area: LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    std::optional<RECT> GetItemRect(int index, int area) const {
        RECT rect{};
        rect.left = area;
        if (!Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect))) return std::nullopt;
        return rect;
    }
    std::optional<RECT> GetSubItemRect(int index, int subItem, int area) const {
        RECT rect{};
        rect.top = subItem;
        rect.left = area;
        if (!Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect))) return std::nullopt;
        return rect;
    }
};
