#include "SeeThroughCalendarCtrl.h"

#include <algorithm>
#include <utility>

#include "Clock.h"
#include "DateKeys.h"
#include "DeviceContexts.h"
#include "GdiObjects.h"
#include "LocaleFacts.h"
#include "Platform.h"
#include "TimeFormatText.h"
#include "UserHandles.h"
#include "Win32Clock.h"
#include "WindowGeometry.h"

namespace {

constexpr LONG kBold = 700;
constexpr int kFormattedSize = 128;
// The kind of place a hit-test code names (title, calendar, ...), without the part.
constexpr UINT kHitKindMask = 0xFFFF0000;

bool SameMonth(const SYSTEMTIME& date, const LocalTime& now) {
    return date.wYear == now.year && date.wMonth == now.month;
}

// A copy of the control's font, in bold when asked. Without a font of its own the
// control draws in the system font.
Font FontLike(HFONT controlFont, bool bold) {
    HFONT model = controlFont ? controlFont : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    std::optional<LOGFONTA> description = Font::Describe(model);
    if (!description) return Font();
    if (bold) description->lfWeight = kBold;
    return Font::Create(*description);
}

// An empty format would make the platform write nothing; none gives the locale's own.
const char* FormatOrDefault(const std::string& format) { return format.empty() ? nullptr : format.c_str(); }

}  // namespace

SeeThroughCalendarCtrl::SeeThroughCalendarCtrl(Platform& platform)
    : HolidayCalendarCtrl(platform),
      dateFormat_(platform.locale.ShortDateFormat()),
      timeFormat_(TimeFormatWithoutSeconds(platform.locale.TimeFormat(), platform.locale.TimeSeparator())) {}

bool SeeThroughCalendarCtrl::OnGetDayState(NMDAYSTATE& request, LRESULT& result) {
    const LocalTime now = platform().clock.Now();
    if (SameMonth(GetMonthRange(GMR_VISIBLE).first, now)) SetCurSel(SystemTimeOf(now));
    const bool handled = HolidayCalendarCtrl::OnGetDayState(request, result);
    if (request.prgDayState) {
        request.prgDayState = const_cast<MONTHDAYSTATE*>(PlatformDayStates(
            request.cDayState, reinterpret_cast<const std::uint32_t*>(request.prgDayState)));
    }
    return handled;
}

void SeeThroughCalendarCtrl::SetControlDayStates(int count, const std::uint32_t* states) {
    HolidayCalendarCtrl::SetControlDayStates(
        count, reinterpret_cast<const std::uint32_t*>(PlatformDayStates(count, states)));
}

const MONTHDAYSTATE* SeeThroughCalendarCtrl::PlatformDayStates(int count, const std::uint32_t* states) {
    // `states` may be the copy made before, handed back through the notification.
    std::vector<MONTHDAYSTATE> copy(states, states + std::max(count, 0));
    // One month shows: the first and the last word are the months around it.
    if (copy.size() >= 3) {
        copy.front() = 0;
        copy.back() = 0;
    }
    platformDayStates_ = std::move(copy);
    return platformDayStates_.data();
}

CellGeometry SeeThroughCalendarCtrl::OwnGeometry() const {
    return {.xOffset = 0,
            .cellWidth = GetClientRect().right / GridShape::kColumns,
            .gridTop = layout.gridTop,
            .rowPitch = layout.RowPitch()};
}

void SeeThroughCalendarCtrl::RefreshSelection() {
    const LocalTime now = platform().clock.Now();
    const SYSTEMTIME firstVisible = GetMonthRange(GMR_VISIBLE).first;
    const std::optional<SYSTEMTIME> selected = GetCurSel();
    const bool selectionValid = selected && COleDateTime(selected->wYear, selected->wMonth, selected->wDay).IsValid();
    selectionDay_ = selectionValid ? selected->wDay : now.day;
    selectionCell_ = SameMonth(firstVisible, now) ? -1 : selectionDay_ + grid.lead() - 1;
    const std::uint32_t* states = dayStates();
    selectionBold_ = states && lastRequest().count > 1 && selectionDay_ >= 1 && selectionDay_ <= 31 &&
                    ((states[1] >> (selectionDay_ - 1)) & 1u);
}

bool SeeThroughCalendarCtrl::OnPaint() {
    // A paint of months other than the marked ones asks for their marks first.
    RequestDayStatesIfMonthsChanged();
    DefaultProc(WM_PAINT, 0, 0);
    ClientDC dc(GetSafeHwnd());
    if (dc) PaintOverlay(dc.get());
    return true;
}

LRESULT SeeThroughCalendarCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (OnLeftButtonDown(point)) return 0;
        break;
    case WM_RBUTTONDOWN:
        controlSawRightPress_ = !OnRightButtonDown(point);
        if (!controlSawRightPress_) return 0;
        break;
    case WM_PARENTNOTIFY:
        // The year's edit box and spin buttons come and go: the owner's see-through
        // region must take them in or let them go.
        if (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY) {
            ::SendMessageA(GetParent(), WM_PARENTNOTIFY, wParam, lParam);
        }
        break;
    case WM_RBUTTONUP:
        // The control answers a release with its own "Go to today" menu: only the
        // presses it saw are released to it.
        if (!std::exchange(controlSawRightPress_, false)) return 0;
        break;
    default:
        break;
    }
    return HolidayCalendarCtrl::WindowProc(message, wParam, lParam);
}

bool SeeThroughCalendarCtrl::OnLeftButtonDown(POINT point) {
    switch (HitTest(point).uHit) {
    case MCHT_TITLEBTNNEXT:
    case MCHT_TITLEBTNPREV:
    case MCHT_TITLEMONTH:
    case MCHT_TITLEYEAR:
        return false;
    case MCHT_TITLEBK: {
        // The system moves the window as if its caption were dragged. The move is
        // asked for directly: a caption press moves only a window the system could
        // activate, which after a message box closed it may not have. The point is
        // in screen coordinates.
        POINT screen = point;
        ClientToScreen(screen);
        ::PostMessageA(GetParent(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, MAKELPARAM(screen.x, screen.y));
        return true;
    }
    default:
        return true;
    }
}

bool SeeThroughCalendarCtrl::OnRightButtonDown(POINT point) {
    switch (HitTest(point).uHit) {
    case MCHT_TITLEMONTH:
    case MCHT_TITLEYEAR:
        return false;
    case MCHT_TITLEBK:
    case MCHT_TITLEBTNNEXT:
    case MCHT_TITLEBTNPREV: {
        POINT screen = point;
        ClientToScreen(screen);
        ::SendMessageA(GetParent(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetSafeHwnd()),
                       MAKELPARAM(screen.x, screen.y));
        return true;
    }
    default: {
        const RECT cell = CellRectFromPoint(point.x, point.y);
        if (!::IsRectEmpty(&cell)) OnRightClickDay(point, cell);
        return true;
    }
    }
}

void SeeThroughCalendarCtrl::OnRightClickDay(POINT point, const RECT& cell) {
    ::SetFocus(GetParent());
    contextDate = DateFromPoint(point.x, point.y);
    POINT screen = point;
    ClientToScreen(screen);
    ClientDC dc(GetSafeHwnd());
    if (dc) InvertCell(dc.get(), cell);
    // Not a pixel of the control changes under the highlight while the menu is open.
    Send(WM_SETREDRAW, FALSE);
    if (showDayMenu) showDayMenu(screen);
    Send(WM_SETREDRAW, TRUE);
    if (dc) InvertCell(dc.get(), cell);
}

void SeeThroughCalendarCtrl::InvertCell(HDC dc, const RECT& cell) const {
    // Not-xor twice with the same brush and the black pen gives every pixel back.
    const Brush brush = Brush::Solid(scheduleColor);
    SavedDCState saved(dc);
    ::SetROP2(dc, R2_NOTXORPEN);
    SelectedObject selectedBrush(dc, brush.get());
    SelectedObject pen(dc, ::GetStockObject(BLACK_PEN));
    ::Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
}

void SeeThroughCalendarCtrl::PrintPicture(HDC dc) {
    // The platform's picture, as WM_PRINTCLIENT gives it to anyone, then ours on top.
    DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    PaintOverlay(dc);
}

void SeeThroughCalendarCtrl::PaintOverlay(HDC dc) {
    if (!dayStates()) return;
    const RECT client = GetClientRect();
    if (layout.IsPending()) {
        ScanLayout(client.right / 2, 0);
        RebuildCellLists();
        RefreshSelection();
    }
    if (layout.IsPending()) return;
    ShowTitleColouredMarks(dc);

    {
        const CellGeometry cells = OwnGeometry();
        const int width = cells.cellWidth;
        const int headerBottom = layout.headerTop + layout.headerHeight;
        SavedDCState saved(dc);
        ::SetROP2(dc, R2_MERGEPEN);
        SelectedObject pen(dc, ::GetStockObject(NULL_PEN));
        if (selectionCell_ >= 0) {
            const Brush monthBackground = Brush::Solid(GetColor(MCSC_MONTHBK));
            RepaintSelectionCell(dc, selectionCell_, std::to_string(selectionDay_), selectionBold_,
                                 monthBackground.get());
        }
        // The last column's header lies against the right edge, its day cells at 6w to 7w.
        const auto header = [&](int weekday) {
            const int column = grid.ColumnOf(weekday);
            if (column == GridShape::kColumns - 1) {
                return RECT{client.right - width - 1, layout.headerTop, client.right - 1, headerBottom};
            }
            return RECT{column * width, layout.headerTop, (column + 1) * width, headerBottom};
        };
        PaintMarks(dc, cells, header(CalendarGrid::kSaturday), header(CalendarGrid::kSunday));
    }
    if (!(GetStyle() & MCS_NOTODAY) && showTimeLine) DrawTodayLine(dc);
}

void SeeThroughCalendarCtrl::ShowTitleColouredMarks(HDC dc) {
    const COLORREF titleBackground = GetColor(MCSC_TITLEBK);
    if (titleBackground != GetColor(MCSC_MONTHBK) || layout.headerTop <= 0) return;
    const RECT client = GetClientRect();
    MemoryDC memory = MemoryDC::CompatibleWith(dc);
    Bitmap picture = Bitmap::Compatible(dc, client.right, client.bottom);
    if (!memory || !picture) return;
    SelectedObject selected(memory.get(), picture.get());
    if (!selected) return;

    // The same picture with the title's text colour in the title's background slot. A
    // colour change invalidates the control: the update it had before is put back. Its
    // child windows (the year's box), which its painting covers, stay due to be drawn.
    HWND window = GetSafeHwnd();
    Region pending = Region::Rectangle({});
    const bool hadUpdate = pending && ::GetUpdateRgn(window, pending.get(), FALSE) > NULLREGION;
    SetColor(MCSC_TITLEBK, GetColor(MCSC_TITLETEXT));
    DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT | PRF_ERASEBKGND);
    SetColor(MCSC_TITLEBK, titleBackground);
    ::RedrawWindow(window, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
    if (hadUpdate) ::InvalidateRgn(window, pending.get(), TRUE);

    // Below the title both pictures differ only where the marks are white in this one.
    const int top = layout.headerTop;
    ::BitBlt(dc, 0, top, client.right, client.bottom - top, memory.get(), 0, top, SRCAND);
}

int SeeThroughCalendarCtrl::TitleBandHeight() const {
    const RECT client = GetClientRect();
    int height = 0;
    while (height < client.bottom && (HitTest({client.right / 2, height}).uHit & kHitKindMask) == MCHT_TITLE) {
        ++height;
    }
    return std::max(height, 1);
}

RECT SeeThroughCalendarCtrl::TitleButtonRect(UINT hit, int y) const {
    const RECT client = GetClientRect();
    RECT button{};
    int x = 0;
    while (x < client.right && HitTest({x, y}).uHit != hit) ++x;
    if (x == client.right) return button;
    button.left = x;
    while (x < client.right && HitTest({x, y}).uHit == hit) ++x;
    button.right = x;
    const int middle = (button.left + button.right) / 2;
    int top = y;
    while (top > 0 && HitTest({middle, top - 1}).uHit == hit) --top;
    int bottom = y + 1;
    while (bottom < client.bottom && HitTest({middle, bottom}).uHit == hit) ++bottom;
    button.top = top;
    button.bottom = bottom;
    return button;
}

std::vector<RECT> SeeThroughCalendarCtrl::SolidAreas() const {
    std::vector<RECT> areas;
    // Their faces are as white as the see-through title around them.
    const int row = TitleBandHeight() / 2;
    for (UINT hit : {MCHT_TITLEBTNPREV, MCHT_TITLEBTNNEXT}) {
        const RECT button = TitleButtonRect(hit, row);
        if (!::IsRectEmpty(&button)) areas.push_back(button);
    }
    // The control prints only its own client area, never its child windows.
    for (HWND child = ::GetWindow(GetSafeHwnd(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) continue;
        areas.push_back(WindowRectIn(child, GetSafeHwnd()));
    }
    return areas;
}

// Paints the cell as an unselected day: white, the number in black, then masked
// with the month background, so a white background stays exactly white.
void SeeThroughCalendarCtrl::RepaintSelectionCell(HDC dc, int cell, const std::string& text, bool bold,
                                                  HBRUSH brush) {
    const CellGeometry cells = OwnGeometry();
    const GridRect area = cells.CellRect(cell);
    SelectedObject selectedBrush(dc, brush);
    ::SetROP2(dc, R2_WHITE);
    // One pixel more each way: the fill leaves out the right and bottom edges and one more.
    ::Rectangle(dc, area.left, area.top, area.right + 1, area.bottom + 1);

    const Font font = FontLike(GetFont(), bold);
    {
        SelectedObject selectedFont(dc, font.get());
        RECT textArea = ToRect(area);
        ::DrawTextA(dc, text.c_str(), -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

    // Over the same pixels as the white: its last column and row left white would
    // frame the day on a coloured background.
    ::SetROP2(dc, R2_MASKPEN);
    ::Rectangle(dc, area.left, area.top, area.right + 1, area.bottom + 1);
}

void SeeThroughCalendarCtrl::DrawTodayLine() {
    if (!GetSafeHwnd()) return;
    ClientDC dc(GetSafeHwnd());
    if (dc) DrawTodayLine(dc.get());
}

void SeeThroughCalendarCtrl::DrawTodayLine(HDC dc) {
    // Before a layout was found there is no band to paint.
    if (layout.gridTop <= 0) return;
    const RECT client = GetClientRect();
    const RECT band{client.left, layout.WeeksBottom(), client.right, client.bottom};
    const Brush monthBackground = Brush::Solid(GetColor(MCSC_MONTHBK));
    ::FillRect(dc, &band, monthBackground.get());

    const SYSTEMTIME now = SystemTimeOf(platform().clock.Now());
    char date[kFormattedSize] = {};
    char time[kFormattedSize] = {};
    ::GetDateFormatA(LOCALE_USER_DEFAULT, 0, &now, FormatOrDefault(dateFormat_), date, kFormattedSize);
    ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, FormatOrDefault(timeFormat_), time, kFormattedSize);
    const std::string text = std::string(date) + " " + time;

    const Font font = FontLike(GetFont(), true);
    SavedDCState saved(dc);
    SelectedObject selectedFont(dc, font.get());
    ::SetBkMode(dc, TRANSPARENT);
    RECT textArea = band;
    ::DrawTextA(dc, text.c_str(), -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
