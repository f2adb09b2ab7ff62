#include "HolidayCalendarCtrl.h"

#include <algorithm>

#include "DateKeys.h"
#include "DeviceContexts.h"
#include "GdiObjects.h"
#include "Platform.h"
#include "WindowGeometry.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kTint = RGB(192, 192, 192);

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

// With the null pen, Rectangle changes the pixels l..r-2 by t..b-2 in the given mix.
void Fill(HDC dc, const RECT& rect, HBRUSH brush, int mix) {
    ::SetROP2(dc, mix);
    SelectedObject selected(dc, brush);
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

bool IsTitleArea(UINT hit) {
    switch (hit) {
    case MCHT_TITLEBK:
    case MCHT_TITLEMONTH:
    case MCHT_TITLEYEAR:
    case MCHT_TITLEBTNNEXT:
    case MCHT_TITLEBTNPREV:
        return true;
    default:
        return false;
    }
}

}  // namespace

HolidayCalendarCtrl::HolidayCalendarCtrl(Platform& platform) : HolidayCalendarModel(platform) {}

void HolidayCalendarCtrl::RequestDayStates() {
    if (!GetSafeHwnd() || !(GetStyle() & MCS_DAYSTATE)) return;
    const MonthRange range = GetMonthRange(GMR_DAYSTATE);
    if (range.months <= 0) return;
    std::vector<MONTHDAYSTATE> unanswered(static_cast<std::size_t>(range.months));
    NMDAYSTATE request{};
    request.nmhdr.hwndFrom = GetSafeHwnd();
    request.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    request.nmhdr.code = MCN_GETDAYSTATE;
    request.stStart = range.first;
    request.stStart.wDay = 1;
    request.cDayState = range.months;
    request.prgDayState = unanswered.data();
    ::SendMessageA(GetParent(), WM_NOTIFY, request.nmhdr.idFrom, reinterpret_cast<LPARAM>(&request));
    static_assert(sizeof(MONTHDAYSTATE) == sizeof(std::uint32_t));
    SetControlDayStates(request.cDayState, reinterpret_cast<const std::uint32_t*>(request.prgDayState));
}

void HolidayCalendarCtrl::RequestDayStatesIfMonthsChanged() {
    if (!GetSafeHwnd() || !(GetStyle() & MCS_DAYSTATE)) return;
    const MonthRange range = GetMonthRange(GMR_DAYSTATE);
    const DayStateRequest& answered = lastRequest();
    if (range.months == answered.count && range.first.wYear == answered.startYear &&
        range.first.wMonth == answered.startMonth) {
        return;
    }
    RequestDayStates();
}

void HolidayCalendarCtrl::SetControlDayStates(int count, const std::uint32_t* states) {
    if (!GetSafeHwnd()) return;
    SetDayState(count, reinterpret_cast<const MONTHDAYSTATE*>(states));
    // Wine's control takes the new marks without repainting.
    Invalidate(false);
}

bool HolidayCalendarCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY || !lParam) return false;
    auto& header = *reinterpret_cast<NMHDR*>(lParam);
    if (header.code != MCN_GETDAYSTATE) return false;
    return OnGetDayState(reinterpret_cast<NMDAYSTATE&>(header), result);
}

bool HolidayCalendarCtrl::OnGetDayState(NMDAYSTATE& request, LRESULT& result) {
    DayStateRequest answered{request.stStart.wYear, request.stStart.wMonth, request.cDayState, nullptr};
    long answer = 0;
    const bool handled = HolidayCalendarModel::OnGetDayState(answered, &answer);
    request.prgDayState = reinterpret_cast<MONTHDAYSTATE*>(answered.answer);
    result = answer;
    return handled;
}

SIZE HolidayCalendarCtrl::CentringOffset() const {
    const RECT client = GetClientRect();
    const RECT minimum = GetMinReqRect().value_or(RECT{});
    return {(Width(client) - Width(minimum)) / 2, (Height(client) - Height(minimum)) / 2};
}

CellGeometry HolidayCalendarCtrl::BaseGeometry() const {
    const RECT minimum = GetMinReqRect().value_or(RECT{});
    return {.xOffset = CentringOffset().cx,
            .cellWidth = Width(minimum) / GridShape::kColumns,
            .gridTop = layout.gridTop,
            .rowPitch = layout.RowPitch()};
}

void HolidayCalendarCtrl::ScanLayout(int x, int top) {
    // Asked once: under Wine every asking is a system call, and nothing can take the
    // capture while the scan runs.
    const bool tracking = ::GetCapture() == GetSafeHwnd();
    layout.Scan(x, top, GetClientRect().bottom, [this, tracking](int probeX, int probeY) {
        const UINT hit = HitTest({probeX, probeY}).uHit;
        if (tracking) {
            // While the control tracks the mouse it is asked about the cursor too; only
            // the probe's answer counts.
            POINT cursor{};
            if (::GetCursorPos(&cursor) && ScreenToClient(cursor)) static_cast<void>(HitTest(cursor));
        }
        return static_cast<std::uint32_t>(hit);
    });
}

void HolidayCalendarCtrl::RebuildCellLists() {
    grid.SetRange(lastRequest(), GetFirstDayOfWeek());
    // The answer holds one word per requested month and the spare one after them.
    markedCells = grid.MarkedCells(dayStates(), lastRequest().count + 1);
    scheduleCells = grid.ScheduleCells(schedules(), platform().dateKeys);
}

void HolidayCalendarCtrl::RefreshLayout() {
    if (!layout.IsPending()) return;
    const SIZE offset = CentringOffset();
    ScanLayout(GetClientRect().right / 2 + offset.cx, offset.cy);
    RebuildCellLists();
}

std::optional<int> HolidayCalendarCtrl::WeeksBottom() {
    FindLayoutAgain();
    RefreshLayout();
    if (layout.IsPending()) return std::nullopt;
    return layout.WeeksBottom();
}

bool HolidayCalendarCtrl::OnPaint() {
    DefaultProc(WM_PAINT, 0, 0);
    const RECT client = GetClientRect();
    const std::optional<RECT> minimum = GetMinReqRect();
    if (!minimum) return true;
    // The marks fit one month only.
    if (Width(client) >= 2 * Width(*minimum) || Height(client) >= 2 * Height(*minimum)) return true;
    if (GetStyle() & MCS_DAYSTATE) layout.Invalidate();
    RefreshLayout();
    if (layout.IsPending()) return true;

    const CellGeometry cells = BaseGeometry();
    const int left = cells.xOffset;
    const int width = cells.cellWidth;
    const int headerBottom = layout.headerTop + layout.headerHeight;
    ClientDC dc(GetSafeHwnd());
    if (!dc) return true;
    SavedDCState saved(dc.get());
    SelectedObject pen(dc.get(), ::GetStockObject(NULL_PEN));
    const auto header = [&](int weekday) {
        const int column = grid.ColumnOf(weekday);
        return RECT{left + column * width, layout.headerTop, left + (column + 1) * width, headerBottom};
    };
    PaintMarks(dc.get(), cells, header(CalendarGrid::kSaturday), header(CalendarGrid::kSunday));
    return true;
}

void HolidayCalendarCtrl::PaintMarks(HDC dc, const CellGeometry& cells, const RECT& saturdayHeader,
                                     const RECT& sundayHeader) const {
    SelectedObject nullBrush(dc, ::GetStockObject(NULL_BRUSH));
    const Brush red = Brush::Solid(kRed);
    const Brush blue = Brush::Solid(kBlue);
    const Brush schedule = Brush::Solid(scheduleColor);
    const Brush tint = tintCells ? Brush::Solid(kTint) : Brush();
    // A mark is mixed in, not painted: digits take the colour, a white background
    // stays white unless the tint (AND grey) darkens it first.
    const auto mark = [dc, &tint](const RECT& rect, const Brush& colour) {
        if (tint) Fill(dc, rect, tint.get(), R2_MASKPEN);
        Fill(dc, rect, colour.get(), R2_MERGEPEN);
    };
    const auto cellRect = [&cells](int cell) { return ToRect(cells.CellRect(cell)); };

    const auto markColumn = [&](int weekday, const RECT& header, const Brush& colour) {
        mark(header, colour);
        const int column = grid.ColumnOf(weekday);
        for (int row = 0; row < GridShape::kRows; ++row) mark(cellRect(row * GridShape::kColumns + column), colour);
    };
    markColumn(CalendarGrid::kSaturday, saturdayHeader, blue);
    markColumn(CalendarGrid::kSunday, sundayHeader, red);
    for (int cell : markedCells) {
        if (std::find(scheduleCells.begin(), scheduleCells.end(), cell) == scheduleCells.end()) {
            mark(cellRect(cell), red);
        }
    }
    for (int cell : scheduleCells) mark(cellRect(cell), schedule);
}

int HolidayCalendarCtrl::CellFromPoint(int x, int y) const { return BaseGeometry().CellFromPoint(x, y); }

RECT HolidayCalendarCtrl::CellRectFromPoint(int x, int y) const {
    return ToRect(BaseGeometry().CellRectFromPoint(x, y));
}

COleDateTime HolidayCalendarCtrl::DateFromPoint(int x, int y) const {
    if (!HasAnsweredRequest()) return COleDateTime::Invalid();
    // The month on view now, which the grid of the last layout may not know yet.
    CalendarGrid shown;
    shown.SetRange(lastRequest(), GetFirstDayOfWeek());
    return shown.DateOfCell(CellFromPoint(x, y));
}

const char* HolidayCalendarCtrl::TipTextAt(POINT point) {
    if (CellFromPoint(point.x, point.y) == -1) return IsTitleArea(HitTest(point).uHit) ? titleTip.c_str() : nullptr;
    const std::string key = platform().dateKeys.Format(DateFromPoint(point.x, point.y));
    const std::string* label = FindDayLabel(key);
    if (!label) return nullptr;
    dayTip_ = key + ' ' + *label;
    return dayTip_.c_str();
}
