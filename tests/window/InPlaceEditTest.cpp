// The in-place cell editor over a real report-view list in a dialog's modal loop: where
// a box opens, the keys that move the editing to other rows, what it hands back, and
// how it widens.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "CInPlaceEdit.h"
#include "CListCtrl.h"
#include "DeviceContexts.h"
#include "FrameworkTestResources.h"
#include "WindowTestSupport.h"

using window_test::OwnerWindow;
using window_test::ScriptedDialog;

namespace {

// The box's selection, start and end.
std::pair<int, int> SelectionOf(const CInPlaceEdit& box) {
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(box.GetSafeHwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

// The client x of a character of the box.
int CharacterX(const CInPlaceEdit& box, int index) {
    return static_cast<short>(LOWORD(::SendMessageA(box.GetSafeHwnd(), EM_POSFROMCHAR, static_cast<WPARAM>(index), 0)));
}

constexpr int kRows = 30;
constexpr int kLastRow = kRows - 1;
constexpr LPARAM kReleased = static_cast<LPARAM>(0xC0000001);
// The script's own end: Enter or Esc reaching the dialog would end it otherwise.
constexpr INT_PTR kScriptDone = IDRETRY;

struct EndOfEdit {
    HWND from;
    UINT_PTR id;
    WPARAM listId;
    int row;
    int column;
    std::string text;
    int length;
};

// Answers the boxes as the schedule editor does: Up, Down and the page keys open a box
// on the row asked for, or answer 0 outside the list. Tab opens the next column
// unchecked. Every handed-over text is recorded and put into its cell.
class ListHost : public ScriptedDialog {
public:
    explicit ListHost(CWnd* parent) : ScriptedDialog(IDD_TEST_LIST_DIALOG, parent) {}

    CInPlaceEdit* OpenBox(int row, int column) {
        CInPlaceEdit* box = CInPlaceEdit::Open(list, row, column, nullptr);
        if (box) box->SetOwner(GetSafeHwnd());
        return box;
    }
    // The open box is the one with the focus.
    static CInPlaceEdit* Box() { return dynamic_cast<CInPlaceEdit*>(FromHandlePermanent(::GetFocus())); }
    int BoxCount() const {
        int count = 0;
        for (HWND child = ::GetWindow(list.GetSafeHwnd(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (dynamic_cast<CInPlaceEdit*>(FromHandlePermanent(child))) ++count;
        }
        return count;
    }
    // The box's window rectangle in the list's client coordinates.
    RECT Placement(const CInPlaceEdit& box) const {
        RECT rect = box.GetWindowRect();
        ::MapWindowPoints(nullptr, list.GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    CListCtrl list;
    std::vector<EndOfEdit> ended;

protected:
    bool OnInitDialog() override {
        const bool result = ScriptedDialog::OnInitDialog();
        BindControl(IDC_TEST_LIST, list);
        list.InsertColumn(0, "Date", LVCFMT_LEFT, 70);
        list.InsertColumn(1, "Name", LVCFMT_LEFT, 120);
        for (int row = 0; row < kRows; ++row) {
            list.InsertItem(row, ("date " + std::to_string(row)).c_str());
            list.SetItemText(row, 1, ("name " + std::to_string(row)).c_str());
        }
        return result;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const CInPlaceEdit::Messages& protocol = CInPlaceEdit::Protocol();
        const int row = static_cast<int>(wParam);
        const int column = static_cast<int>(lParam);
        if (message == protocol.editSubItem) return OpenInList(row, column);
        if (message == protocol.editPrevItem) return OpenInList(row - 1, column);
        if (message == protocol.editNextItem) return OpenInList(row + 1, column);
        if (message == protocol.editRightItem) return reinterpret_cast<LRESULT>(OpenBox(row, column + 1));
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_ENDLABELEDITA) {
            const auto& info = *reinterpret_cast<NMLVDISPINFOA*>(lParam);
            ended.push_back({info.hdr.hwndFrom, info.hdr.idFrom, wParam, info.item.iItem, info.item.iSubItem,
                             info.item.pszText, info.item.cchTextMax});
            list.SetItemText(info.item.iItem, info.item.iSubItem, info.item.pszText);
            return 0;
        }
        return ScriptedDialog::WindowProc(message, wParam, lParam);
    }

private:
    LRESULT OpenInList(int row, int column) {
        if (row < 0 || row >= list.GetItemCount()) return 0;
        return reinterpret_cast<LRESULT>(OpenBox(row, column));
    }
};

void SetControlKey(bool down) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

void Type(CInPlaceEdit& box, const std::string& text) {
    for (char character : text) box.Post(WM_CHAR, static_cast<unsigned char>(character), 1);
}

int TextWidth(const CListCtrl& list, const std::string& text) {
    ClientDC dc(list.GetSafeHwnd());
    SelectedObject font(dc.get(), list.GetFont());
    SIZE size{};
    ::GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

class InPlaceEditTest : public ::testing::Test {
protected:
    void TearDown() override { SetControlKey(false); }

    void Run() {
        host.ThenEnd(kScriptDone);
        EXPECT_EQ(host.DoModal(), kScriptDone);
    }

    OwnerWindow owner;
    ListHost host{&owner};
};

TEST_F(InPlaceEditTest, OpensOverTheCellScrolledIntoViewWithItsWholeTextSelected) {
    host.Then([&] {
        CInPlaceEdit* box = host.OpenBox(kLastRow, 1);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ListHost::Box(), box);
        EXPECT_EQ(box->GetDlgCtrlID(), 1002);
        EXPECT_EQ(box->GetText(), "name 29");
        EXPECT_EQ(SelectionOf(*box), std::make_pair(0, 7));

        const RECT cell = host.list.GetSubItemRect(kLastRow, 1, LVIR_LABEL).value_or(RECT{});
        const RECT placed = host.Placement(*box);
        EXPECT_EQ(placed.left, cell.left + 4);
        EXPECT_EQ(placed.right, cell.right - 4);
        EXPECT_EQ(placed.top, cell.top);
        EXPECT_EQ(placed.bottom, cell.bottom);
        EXPECT_GT(placed.top, 0);
        EXPECT_LE(placed.bottom, host.list.GetClientRect().bottom);

        // A cell right of the visible part is scrolled in first.
        host.list.SetColumnWidth(0, 1000);
        box = host.OpenBox(3, 1);
        ASSERT_NE(box, nullptr);
        const RECT scrolled = host.Placement(*box);
        EXPECT_EQ(scrolled.left, host.list.GetSubItemRect(3, 1, LVIR_LABEL).value_or(RECT{}).left + 4);
        EXPECT_GE(scrolled.left, 0);
        EXPECT_LT(scrolled.left, host.list.GetClientRect().right);
    });
    Run();
}

TEST_F(InPlaceEditTest, UpAndDownOpenTheNeighbourRowWithTheCaretAtTheSameHorizontalPosition) {
    POINT before{};
    host.Then([&] {
        host.list.SetItemText(9, 1, "iiiiiiiiiiiiiiiiiiiiiiii");
        host.list.SetItemText(10, 1, "WWWWWWWW");
        CInPlaceEdit* box = host.OpenBox(10, 1);
        ASSERT_NE(box, nullptr);
        box->SetSel(4, 4);
        ::GetCaretPos(&before);
        box->Post(WM_KEYDOWN, VK_UP, 1);
    });
    host.Then([&] {
        CInPlaceEdit* box = ListHost::Box();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetRow(), 9);
        EXPECT_EQ(host.BoxCount(), 1);
        const auto [start, end] = SelectionOf(*box);
        EXPECT_EQ(start, end);
        EXPECT_GT(start, 4);
        POINT after{};
        ::GetCaretPos(&after);
        const int narrow = CharacterX(*box, 1) - CharacterX(*box, 0);
        EXPECT_LE(std::abs(after.x - before.x) * 2, narrow + 1) << "caret not at the nearest character";
        box->Post(WM_KEYDOWN, VK_DOWN, 1);
    });
    host.Then([&] {
        CInPlaceEdit* box = ListHost::Box();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetRow(), 10);
        EXPECT_EQ(SelectionOf(*box), std::make_pair(4, 4));
        // The owner answers 0 above the first row: the key is used up, nothing moves.
        box = host.OpenBox(0, 1);
        ASSERT_NE(box, nullptr);
        box->SetSel(2, 2);
        box->Post(WM_KEYDOWN, VK_UP, 1);
    });
    host.Then([&] {
        CInPlaceEdit* box = ListHost::Box();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetRow(), 0);
        EXPECT_EQ(SelectionOf(*box), std::make_pair(2, 2));
    });
    Run();
}

TEST_F(InPlaceEditTest, PageKeysOnReleaseAndCtrlHomeEndOpenTheRowsTheyName) {
    int perPage = 0;
    std::vector<int> rows;
    auto noteRowAndPost = [&](UINT message, WPARAM key, LPARAM lParam) {
        CInPlaceEdit* box = ListHost::Box();
        rows.push_back(box ? box->GetRow() : -1);
        if (box) box->Post(message, key, lParam);
    };
    host.Then([&] {
        perPage = host.list.GetCountPerPage();
        ASSERT_NE(host.OpenBox(3, 1), nullptr);
        noteRowAndPost(WM_KEYDOWN, VK_PRIOR, 1);
    });
    host.Then([&] { noteRowAndPost(WM_KEYUP, VK_PRIOR, kReleased); });
    host.Then([&] { noteRowAndPost(WM_KEYUP, VK_NEXT, kReleased); });
    host.Then([&] {
        noteRowAndPost(WM_NULL, 0, 0);
        ASSERT_NE(host.OpenBox(25, 1), nullptr);
        noteRowAndPost(WM_KEYUP, VK_NEXT, kReleased);
    });
    host.Then([&] {
        SetControlKey(true);
        noteRowAndPost(WM_KEYDOWN, VK_HOME, 1);
    });
    host.Then([&] { noteRowAndPost(WM_KEYDOWN, VK_END, 1); });
    host.Then([&] {
        SetControlKey(false);
        if (CInPlaceEdit* box = ListHost::Box()) box->SetSel(0, 0);
        noteRowAndPost(WM_KEYDOWN, VK_END, 1);
    });
    host.Then([&] {
        noteRowAndPost(WM_NULL, 0, 0);
        CInPlaceEdit* box = ListHost::Box();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(SelectionOf(*box), std::make_pair(7, 7)) << "End without Ctrl moves the caret";
    });
    Run();
    ASSERT_GT(perPage, 4);
    ASSERT_LT(perPage, 25);
    // PageUp held on row 3 does nothing until released.
    EXPECT_EQ(rows, (std::vector<int>{3, 3, 0, perPage, 25, kLastRow, 0, kLastRow, kLastRow}));
}

TEST_F(InPlaceEditTest, EnterHandsTheTextOverAndMovesDownOnTheLastRowStaysOpenAndEscapeHandsNothingOver) {
    host.Then([&] {
        CInPlaceEdit* box = host.OpenBox(5, 1);
        ASSERT_NE(box, nullptr);
        Type(*box, "a");
        box->Post(WM_KEYDOWN, VK_RETURN, 1);
    });
    host.Then([&] {
        // Once by Enter, once more as the box on the row below took the focus.
        ASSERT_EQ(host.ended.size(), 2u);
        for (const EndOfEdit& end : host.ended) {
            EXPECT_EQ(end.from, host.list.GetSafeHwnd());
            EXPECT_EQ(end.id, 1002u);
            EXPECT_EQ(end.listId, static_cast<WPARAM>(IDC_TEST_LIST));
            EXPECT_EQ(std::make_pair(end.row, end.column), std::make_pair(5, 1));
            EXPECT_EQ(end.text, "a");
            EXPECT_EQ(end.length, 1);
        }
        EXPECT_EQ(host.list.GetItemText(5, 1), "a");
        CInPlaceEdit* box = ListHost::Box();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetRow(), 6);
        EXPECT_EQ(SelectionOf(*box), std::make_pair(0, 6));

        box = host.OpenBox(kLastRow, 1);
        ASSERT_NE(box, nullptr);
        host.ended.clear();
        Type(*box, "z");
        box->Post(WM_KEYDOWN, VK_RETURN, 1);
    });
    host.Then([&] {
        ASSERT_EQ(host.ended.size(), 1u);
        EXPECT_EQ(host.ended[0].row, kLastRow);
        EXPECT_EQ(host.ended[0].text, "z");
        CInPlaceEdit* box = ListHost::Box();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetRow(), kLastRow);
        EXPECT_EQ(box->GetText(), "z");
        Type(*box, "q");
        box->Post(WM_KEYDOWN, VK_ESCAPE, 1);
    });
    host.Then([&] {
        EXPECT_EQ(host.BoxCount(), 0);
        EXPECT_EQ(::GetFocus(), host.list.GetSafeHwnd());
        EXPECT_EQ(host.ended.size(), 1u);
        EXPECT_EQ(host.list.GetItemText(kLastRow, 1), "z");
    });
    Run();
}

TEST_F(InPlaceEditTest, TypingPastTheEdgeWidensTheBoxToTheTextButNotPastTheList) {
    RECT opened{};
    host.Then([&] {
        CInPlaceEdit* box = host.OpenBox(2, 0);
        ASSERT_NE(box, nullptr);
        opened = host.Placement(*box);
        Type(*box, std::string(12, 'W'));
    });
    host.Then([&] {
        CInPlaceEdit* box = ListHost::Box();
        ASSERT_NE(box, nullptr);
        const RECT placed = host.Placement(*box);
        EXPECT_GT(placed.right, opened.right);
        EXPECT_EQ(box->GetClientRect().right, TextWidth(host.list, box->GetText()) + 5);
        EXPECT_EQ(std::make_pair(placed.left, placed.top), std::make_pair(opened.left, opened.top));
        EXPECT_EQ(placed.bottom, opened.bottom);
        Type(*box, std::string(60, 'W'));
    });
    host.Then([&] {
        CInPlaceEdit* box = ListHost::Box();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(host.Placement(*box).right, host.list.GetClientRect().right);
        EXPECT_EQ(box->GetText(), std::string(72, 'W'));
    });
    Run();
}

TEST_F(InPlaceEditTest, AColumnNarrowerThanFivePixelsCannotBeEdited) {
    host.Then([&] {
        host.list.SetColumnWidth(1, 4);
        EXPECT_EQ(host.OpenBox(3, 1), nullptr);
        // Tab asks for the narrow column; the box has ended by the time the answer is 0.
        CInPlaceEdit* box = host.OpenBox(3, 0);
        ASSERT_NE(box, nullptr);
        box->Post(WM_KEYDOWN, VK_TAB, 1);
    });
    host.Then([&] {
        EXPECT_EQ(host.BoxCount(), 0);
        EXPECT_EQ(::GetFocus(), host.list.GetSafeHwnd()) << "Tab went to the dialog";
        ASSERT_EQ(host.ended.size(), 1u);
        EXPECT_EQ(std::make_pair(host.ended[0].row, host.ended[0].column), std::make_pair(3, 0));
        host.list.SetColumnWidth(1, 5);
        EXPECT_NE(host.OpenBox(3, 1), nullptr);
    });
    Run();
}

}  // namespace
