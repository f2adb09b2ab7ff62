#include "CalendarDialog.h"

#include <windowsx.h>

#include <algorithm>

#include "AnsiPath.h"
#include "CWinApp.h"
#include "DateKeys.h"
#include "DeviceContexts.h"
#include "MonitorDpi.h"
#include "MonthFont.h"
#include "ResourceLanguage.h"
#include "ScheduleFileExchange.h"
#include "StartupKeys.h"
#include "VersionInfo.h"
#include "Win32Platform.h"
#include "WindowGeometry.h"
#include "resource.h"

namespace {

bool FileExists(const std::string& path) {
    return !path.empty() && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadTitleTip() {
    const VersionInfo version = VersionInfo::OfProgram();
    return version.ProductName() + " v" + version.FileVersion();
}

}  // namespace

CalendarDialog::CalendarDialog(CWnd* parent)
    : PersistentDialog(IDD_CALENDAR_DIALOG, parent),
      calendar_(Win32Platform()),
      look_(*this, calendar_),
      titleCursor_(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_OPEN_HAND))) {
    if (CWinApp::Current()) sectionName = CWinApp::Current()->GetAppName();
    // A calendar on the desktop is seldom the active window: its tips show regardless.
    ShowToolTipsWhileInactive(true);
    calendar_.showDayMenu = [this](POINT screen) { ShowDayMenu(screen); };
}

CalendarDialog::~CalendarDialog() = default;

void CalendarDialog::DoDataExchange() { BindControl(IDC_CALENDAR, calendar_); }

// The window is made as it is used: without a taskbar button, with the calendar
// clipped out of its background, and with a calendar that has day states, which the
// template's lacks. Making the control again while opening would cost the start a
// second control.
void CalendarDialog::PrepareTemplate(DialogTemplate& dialogTemplate) {
    dialogTemplate.ModifyStyleEx(WS_EX_APPWINDOW, 0);
    dialogTemplate.ModifyStyle(0, WS_CLIPCHILDREN);
    dialogTemplate.ModifyItemStyle(IDC_CALENDAR, 0, MCS_DAYSTATE);
}

bool CalendarDialog::OnInitDialog() {
    calendar_.holidayFile = ProgramFolderFile("Holiday.ini");
    calendar_.settingsFilePath = SettingsFilePath();

    opening_ = true;
    PersistentDialog::OnInitDialog();
    SetFont(GetDialogFont(), true);
    UseIconsOfDpi(WindowDpi());

    calendar_.titleTip = ReadTitleTip();

    if (placementRead) {
        // A window of this kind has no caption to restore it from: whatever show
        // command was stored, it opens in its normal state.
        WINDOWPLACEMENT shown = placement;
        shown.showCmd = SW_SHOWNORMAL;
        SetWindowPlacement(shown);
    }
    if (calendar_.GetStyle() & MCS_DAYSTATE) {
        PrepareCalendar();
    } else {
        RecreateCalendar();
    }
    // Centred with the size the calendar finally has.
    FitToCalendar(!placementRead);
    // A stored place may lie on a monitor that is gone.
    KeepWithinReach();

    if (!FileExists(SettingsFilePath())) SetTimer(kFirstRunHintTimer, kFirstRunHintDelay);
    // Shift and Ctrl held as the window opens bring the first day change within a second.
    StartDayChangeTimer(ShiftAndCtrlHeld());
    SetTimer(kSaveTimer, kSavePeriod);
    accelerators_ = ResourceLanguage::LoadAcceleratorResource(IDR_CALENDAR_ACCEL);
    opening_ = false;
    return true;
}

void CalendarDialog::OnDpiChanged(UINT dpi, const RECT& suggested) {
    FollowDpi(dpi);
    UseIconsOfDpi(dpi);
    // The tip is made again at the next paint, in the status font of the new scale.
    EnableToolTips(false);
    // While opening, the stored placement decides where the window lies.
    if (!opening_) SetWindowPos(nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    FitToCalendar();
    RequestRegionRebuild();
}

void CalendarDialog::UseIconsOfDpi(UINT dpi) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    const auto load = [&](int width, int height) {
        return Icon(static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                    SystemMetricForDpi(width, dpi), SystemMetricForDpi(height, dpi), 0)));
    };
    Icon small = load(SM_CXSMICON, SM_CYSMICON);
    Icon large = load(SM_CXICON, SM_CYICON);
    // The window uses the icons until it is given others: the old ones go after.
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.get()));
    smallIcon_ = std::move(small);
    largeIcon_ = std::move(large);
}

void CalendarDialog::RecreateCalendar() {
    const DWORD style = calendar_.GetStyle() | MCS_DAYSTATE;
    const RECT rect = calendar_.GetClientRect();
    const bool hadFocus = calendar_.GetSafeHwnd() && ::GetFocus() == calendar_.GetSafeHwnd();

    calendar_.DestroyWindow();
    if (!calendar_.Create(style, rect, *this, IDC_CALENDAR)) return;
    PrepareCalendar();
    if (hadFocus) calendar_.SetFocus();
}

void CalendarDialog::PrepareCalendar() {
    shownDay_ = Today().Serial();
    SendMessageToDescendants(WM_SETFONT, reinterpret_cast<WPARAM>(GetDialogFont()), FALSE);
    look_.PrepareCalendar();
    // The control does not ask for the marks of the months it shows when it is created.
    calendar_.RequestDayStates();
}

void CalendarDialog::FitToCalendar(bool centred) {
    const std::optional<RECT> minimum = calendar_.GetMinReqRect();
    if (!minimum) return;
    const int width = minimum->right - minimum->left;
    int height = minimum->bottom - minimum->top;
    calendar_.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // Wine's control keeps the room of a hidden today line in its minimum size. The
    // weeks are found at that size: in a larger control the month lies lower, centred.
    if (calendar_.GetStyle() & MCS_NOTODAY) {
        height = std::min(height, calendar_.WeeksBottom().value_or(height));
        calendar_.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const std::optional<POINT> centre = centred ? CenteredPosition({width, height}) : std::nullopt;
    SetWindowPos(nullptr, centre ? centre->x : 0, centre ? centre->y : 0, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (centre ? 0 : SWP_NOMOVE));
}

void CalendarDialog::OnTimer(UINT_PTR id) {
    switch (id) {
    case kDayChangeTimer:
        // Re-armed for the next midnight at every tick: a timer does not run while
        // the computer sleeps, and a day may have 23 or 25 hours.
        StartDayChangeTimer();
        MoveToNewDay();
        break;
    case kSaveTimer:
        if (dirty) StoreState();
        break;
    case kFirstRunHintTimer:
        KillTimer(kFirstRunHintTimer);
        ShowFirstRunHint();
        break;
    case kMinuteTimer:
        calendar_.DrawTodayLine();
        if (look_.IsOn()) RequestRegionRebuild();
        StartMinuteTimer();
        break;
    default:
        break;
    }
}

void CalendarDialog::KeepWithinReach() {
    // The calendar fills the window: its size holds even where the window's edges wrapped.
    const RECT size = calendar_.GetClientRect();
    ::KeepWithinReach(GetSafeHwnd(), {size.right, size.bottom}, calendar_.TitleBandHeight());
}

bool CalendarDialog::IsUsableFont(HFONT font) {
    // The month in that font, as the calendar itself measures it.
    const HFONT previous = calendar_.GetFont();
    calendar_.SetFont(font, false);
    const std::optional<RECT> month = calendar_.GetMinReqRect();
    calendar_.SetFont(previous, false);

    const std::optional<LOGFONTA> asked = Font::Describe(font);
    const std::optional<RECT> area = WorkAreaNear(GetSafeHwnd());
    ClientDC dc(GetSafeHwnd());
    SelectedObject selected(dc.get(), font);
    if (!month || !area || !asked || !dc || !selected) return false;
    return CanShowMonth(dc.get(), *asked, {month->right - month->left, month->bottom - month->top},
                        {area->right - area->left, area->bottom - area->top});
}

ConfigSettings CalendarDialog::CurrentConfig() const {
    const DWORD calendarStyle = calendar_.GetStyle();
    ConfigSettings config;
    config.alwaysOnTop = IsTopmost();
    config.seeThrough = look_.IsOn();
    config.closeByEsc = closeByEsc_;
    config.backgroundColor = look_.BackgroundColor();
    config.todayLineHidden = (calendarStyle & MCS_NOTODAY) != 0;
    config.noTodayMark = (calendarStyle & MCS_NOTODAYCIRCLE) != 0;
    config.seeThroughTitleBar = look_.TitleBarSeeThrough();
    config.scheduleColor = calendar_.scheduleColor;
    config.showTime = calendar_.showTimeLine;
    return config;
}

// The icon-title font is the default, set before the state is restored: a font
// stored in the settings file wins over it. Restoring once so costs the start no
// second read of the file and no second round of changes to the window.
void CalendarDialog::BeforeRestore() {
    if (::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof logicalFont, &logicalFont, 0)) {
        // The system gives it at its own pixels an inch.
        logicalFont = FontAtDpi(logicalFont, SystemDpi(), WindowDpi());
        if (Font font = Font::Create(logicalFont)) UseOwnFont(std::move(font));
    }
}

int CalendarDialog::LoadSettings() {
    const SettingsFile settings = Settings();
    ConfigSettings config = CurrentConfig();
    settings.ReadConfig(config);
    look_.Restore(config);
    closeByEsc_ = config.closeByEsc;
    calendar_.scheduleColor = config.scheduleColor;
    calendar_.showTimeLine = config.showTime;

    if (!config.alwaysOnTop) ToggleTopmost();
    customColors_ = settings.ReadCustomColors();
    SetTodayMode(config.todayLineHidden);
    calendar_.SetStyleBits(MCS_NOTODAYCIRCLE, config.noTodayMark);
    // The window is visible through its template: the base need not show it.
    return 1;
}

void CalendarDialog::SaveSettings(SettingsFile& settings) {
    settings.WriteConfig(CurrentConfig());
    settings.WriteCustomColors(customColors_);
}

LRESULT CalendarDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE: {
        const LRESULT result = PersistentDialog::WindowProc(message, wParam, lParam);
        look_.FollowActivation(LOWORD(wParam));
        return result;
    }
    case WM_MOVE: {
        const LRESULT result = PersistentDialog::WindowProc(message, wParam, lParam);
        // The new place is saved within a second.
        dirty = true;
        SetTimer(kSaveTimer, kSavePeriodAfterMove);
        return result;
    }
    case WM_TIMER:
        OnTimer(wParam);
        break;
    case WM_ENTERMENULOOP:
        menuOpen_ = true;
        break;
    case WM_EXITMENULOOP:
        // Sent while the menu's caller has yet to return: the new day waits for the queue.
        menuOpen_ = false;
        if (newDayPending_) Post(kNewDayAfterMenu);
        break;
    case kNewDayAfterMenu:
        if (newDayPending_ && !menuOpen_) {
            newDayPending_ = false;
            MoveToNewDay();
        }
        return 0;
    case WM_TIMECHANGE:
        RecheckDay();
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) RecheckDay();
        break;
    case WM_SETCURSOR:
        if (OnSetCursor()) return TRUE;
        break;
    case WM_PARENTNOTIFY:
        // A window came or went on the calendar: the see-through shape follows.
        if (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY) RequestRegionRebuild();
        break;
    case WM_DISPLAYCHANGE:
        KeepWithinReach();
        break;
    case WM_CONTEXTMENU:
        ShowOptionsMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) KeepWithinReach();
        break;
    default:
        break;
    }
    return PersistentDialog::WindowProc(message, wParam, lParam);
}

bool CalendarDialog::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case ID_SEE_THROUGH:
        ToggleSeeThroughLook();
        return true;
    case ID_SEE_THROUGH_TITLEBAR:
        ToggleSeeThroughTitleBar();
        return true;
    case ID_TODAY_HIDE:
    case ID_TODAY_DATE_ONLY:
    case ID_TODAY_TIME_ALSO:
        ChooseTodayMode(id);
        return true;
    case ID_NO_TODAY_MARK:
        ToggleTodayMark();
        return true;
    case ID_DELETE_SCHEDULE:
        DeleteSchedule();
        return true;
    case ID_EDIT_SCHEDULE:
        EditSchedule();
        return true;
    case ID_BACKGROUND_COLOR:
        ChooseBackgroundColor();
        return true;
    case ID_SCHEDULE_COLOR:
        ChooseScheduleColor();
        return true;
    case ID_CHOOSE_FONT:
        ChooseCalendarFont();
        return true;
    case ID_ALWAYS_ON_TOP:
        ToggleAlwaysOnTop();
        return true;
    case ID_CLOSE_BY_ESC:
        ToggleCloseByEsc();
        return true;
    case ID_EXPORT_SCHEDULES:
        ScheduleFileExchange(*this, SettingsFilePath()).Export();
        return true;
    case ID_IMPORT_SCHEDULES:
        if (ScheduleFileExchange(*this, SettingsFilePath()).Import()) RefreshSchedules();
        return true;
    case ID_HELP:
        OpenHelp();
        return true;
    case ID_WEB_PAGE:
        OpenWebPage();
        return true;
    case ID_APP_ABOUT:
        ShowAbout();
        return true;
    case ID_APP_EXIT:
        EndDialog(0);
        return true;
    case ID_PREV_MONTH:
    case ID_NEXT_MONTH:
    case ID_PREV_YEAR:
    case ID_NEXT_YEAR:
    case ID_GOTO_TODAY:
        NavigateMonth(id);
        return true;
    default:
        return PersistentDialog::OnCommand(id, code, control);
    }
}

bool CalendarDialog::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code == MCN_GETDAYSTATE && header.idFrom == IDC_CALENDAR) {
        // The calendar has answered already; the months it shows changed.
        RequestRegionRebuild();
        result = 0;
        return true;
    }
    if (header.code == TTN_NEEDTEXTA) {
        // Without text the tooltip shows nothing; either way the default handling goes on.
        if (const char* text = ToolTipText()) reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = const_cast<char*>(text);
    }
    return false;
}

void CalendarDialog::RequestRegionRebuild() {
    look_.InvalidateRegion();
    // Requests made before the paint handler runs are served by one paint.
    if (!paintPosted_) paintPosted_ = Post(WM_PAINT);
}

void CalendarDialog::RefreshSchedules() {
    RequestRegionRebuild();
    calendar_.RefreshDayStates();
}

bool CalendarDialog::OnPaint() {
    paintPosted_ = false;
    calendar_.FindLayoutAgain();
    look_.BuildRegion();
    DefaultProc(WM_PAINT, 0, 0);
    calendar_.RedrawWindow();
    // Tips are wanted only once the pointer comes: their window is made after the
    // first picture, not before it.
    EnableToolTips();
    return true;
}

bool CalendarDialog::OnSetCursor() {
    POINT point{};
    if (!::GetCursorPos(&point) || !calendar_.GetSafeHwnd()) return false;
    calendar_.ScreenToClient(point);
    // Only the bare title background: the month name, the year and the arrows keep
    // the control's own behaviour.
    if (calendar_.HitTest(point).uHit != MCHT_TITLEBK) return false;
    ::SetCursor(titleCursor_);
    return true;
}

bool CalendarDialog::PreTranslateMessage(MSG& message) {
    const bool keyMessage = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    if (keyMessage && accelerators_.Translate(GetSafeHwnd(), message)) return true;
    if (message.message == WM_KEYDOWN) {
        // Enter never ends the dialog; Esc only when the user chose so.
        if (message.wParam == VK_RETURN) return true;
        if (message.wParam == VK_ESCAPE && !closeByEsc_) return true;
    }
    return PersistentDialog::PreTranslateMessage(message);
}

INT_PTR CalendarDialog::OnToolHitTest(POINT point, TOOLINFOA* tool) const {
    if (PersistentDialog::OnToolHitTest(point, tool) == -1) return -1;
    // Every position is a tool of its own, so the text is asked for whenever the
    // mouse moves.
    return MAKELONG(point.x, point.y);
}

const char* CalendarDialog::ToolTipText() {
    POINT point{};
    ::GetCursorPos(&point);
    calendar_.ScreenToClient(point);
    return calendar_.TipTextAt(point);
}
