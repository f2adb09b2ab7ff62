// The calendar window's commands: the day menu's schedule commands, the options
// menu and each of its items (the look's switches among them), the month keys and
// the first-run hint.
#include "CalendarDialog.h"

#include <array>

#include "AboutDialog.h"
#include "AnsiPath.h"
#include "DateKeys.h"
#include "DelayLoaded.h"
#include "MonitorDpi.h"
#include "MonthNavigation.h"
#include "ResourceLanguage.h"
#include "SafeSave.h"
#include "ScheduleEditorDialog.h"
#include "SchedulesNotSaved.h"
#include "UserHandles.h"
#include "Win32Platform.h"
#include "resource.h"

void CalendarDialog::ShowDayMenu(POINT point) {
    const Menu menu = ResourceLanguage::LoadMenuResource(IDR_SCHEDULE_MENU);
    HMENU popup = menu.SubMenu(0);
    if (!popup) return;
    const bool hasSchedule = calendar_.FindSchedule(Win32Platform().dateKeys.Format(calendar_.contextDate)) != nullptr;
    ::EnableMenuItem(popup, ID_EDIT_SCHEDULE, MF_BYCOMMAND | MF_ENABLED);
    ::EnableMenuItem(popup, ID_DELETE_SCHEDULE, MF_BYCOMMAND | (hasSchedule ? MF_ENABLED : MF_GRAYED));
    TrackPopupMenuOf(GetSafeHwnd(), popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point);
}

void CalendarDialog::DeleteSchedule() {
    const std::string key = Win32Platform().dateKeys.Format(calendar_.contextDate);
    // The file as it is now: a change made outside since the last look stays.
    calendar_.LoadSchedules();
    const std::string* found = calendar_.FindSchedule(key);
    if (!found) return;
    const std::string text = *found;
    const std::string question = ResourceLanguage::LoadStringOrEmpty(IDS_DELETE_SCHEDULE) + "\n" + key + " " + text;
    if (ShowMessageBox(question.c_str(), MB_OKCANCEL) != IDOK) return;

    // The note the question named goes, and no other line; the file may have
    // changed while the question was open.
    calendar_.LoadSchedules();
    if (calendar_.EraseSchedules(key, text)) {
        const std::vector<std::string> kept = calendar_.schedules().SectionLines();
        const std::string path = SettingsFilePath();
        const bool saved =
            SaveSafely(path, [this](const std::string& copyPath) { return calendar_.WriteSchedulesSection(copyPath); });
        // The file decides: a write the system reports as done may still not be there.
        calendar_.LoadSchedules();
        if (!saved || calendar_.schedules().SectionLines() != kept) ShowSchedulesNotSaved(*this, path);
    }
    RefreshSchedules();
}

void CalendarDialog::EditSchedule() {
    ScheduleEditorDialog editor(this);
    editor.dateText = Win32Platform().dateKeys.Format(calendar_.contextDate);
    editor.settingsFilePath = SettingsFilePath();
    editor.font = GetDialogFont();
    if (editor.DoModal() == IDOK) RefreshSchedules();
}

void CalendarDialog::ShowOptionsMenu(POINT point) {
    if (point.x == -1 && point.y == -1) {
        point = {ScaledForDpi(5, WindowDpi()), ScaledForDpi(5, WindowDpi())};
        ClientToScreen(point);
    }
    const Menu menu = ResourceLanguage::LoadMenuResource(IDR_OPTIONS_MENU);
    HMENU popup = menu.SubMenu(0);
    if (!popup) return;
    const auto check = [popup](UINT id, bool on) {
        ::CheckMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    const auto enable = [popup](UINT id, bool on) {
        ::EnableMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    // The items show the options as they would be saved now.
    const ConfigSettings config = CurrentConfig();
    enable(ID_BACKGROUND_COLOR, !config.seeThrough);
    check(ID_SEE_THROUGH, config.seeThrough);
    enable(ID_SEE_THROUGH_TITLEBAR, config.seeThrough);
    check(ID_SEE_THROUGH_TITLEBAR, config.seeThroughTitleBar);
    check(ID_ALWAYS_ON_TOP, config.alwaysOnTop);
    check(ID_CLOSE_BY_ESC, config.closeByEsc);
    const UINT todayMode = config.todayLineHidden ? ID_TODAY_HIDE
                           : config.showTime      ? ID_TODAY_TIME_ALSO
                                                  : ID_TODAY_DATE_ONLY;
    ::CheckMenuRadioItem(popup, ID_TODAY_HIDE, ID_TODAY_TIME_ALSO, todayMode, MF_BYCOMMAND);
    check(ID_NO_TODAY_MARK, config.noTodayMark);
    TrackPopupMenuOf(GetSafeHwnd(), popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point);
}

std::optional<COLORREF> CalendarDialog::AskColor(COLORREF initial) {
    std::array<COLORREF, CustomColors::kSlotCount> slots{};
    std::copy(customColors_.slots.begin(), customColors_.slots.end(), slots.begin());
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetSafeHwnd();
    dialog.rgbResult = initial;
    dialog.lpCustColors = slots.data();
    dialog.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ShowColorDialog(dialog)) return std::nullopt;
    std::copy(slots.begin(), slots.end(), customColors_.slots.begin());
    return dialog.rgbResult;
}

void CalendarDialog::ToggleSeeThroughLook() {
    look_.Toggle();
    RequestRegionRebuild();
    StoreState();
}

void CalendarDialog::ToggleSeeThroughTitleBar() {
    look_.ToggleTitleBar();
    RequestRegionRebuild();
    dirty = true;
}

void CalendarDialog::SetBackgroundColor(COLORREF color) { look_.SetBackgroundColor(color); }

void CalendarDialog::ChooseBackgroundColor() {
    const std::optional<COLORREF> color = AskColor(look_.BackgroundColor());
    if (!color) return;
    // In the see-through look the colour shows once the look is switched off.
    SetBackgroundColor(*color);
    StoreState();
}

void CalendarDialog::ChooseScheduleColor() {
    const std::optional<COLORREF> color = AskColor(calendar_.scheduleColor);
    if (!color) return;
    calendar_.scheduleColor = *color;
    // Shown at once: a repaint only where the dialog lay would leave days of both colours.
    calendar_.Invalidate();
    RequestRegionRebuild();
    StoreState();
}

void CalendarDialog::ChooseCalendarFont() {
    const FontChoice choice = ChooseDialogFont();
    if (choice == FontChoice::Refused) {
        ShowMessageBox(ResourceLanguage::LoadStringOrEmpty(IDS_FONT_CANNOT_SHOW_MONTH).c_str(), MB_ICONEXCLAMATION | MB_OK);
    }
    if (choice != FontChoice::Chosen) return;
    FitToCalendar();
    RequestRegionRebuild();
    StoreState();
}

void CalendarDialog::ToggleAlwaysOnTop() {
    ToggleTopmost();
    StoreState();
}

void CalendarDialog::ToggleCloseByEsc() {
    closeByEsc_ = !closeByEsc_;
    StoreState();
}

void CalendarDialog::OpenHelp() {
    // Beside the program, not in whatever folder the program was started from.
    const std::string name = "ReadMe" + ResourceLanguage::LoadStringOrEmpty(IDS_LANGUAGE_CODE) + ".txt";
    ShellOpen(ProgramFolderFile(name).c_str(), SW_SHOWNORMAL);
}

void CalendarDialog::OpenWebPage() {
    ShellOpen(ResourceLanguage::LoadStringOrEmpty(IDS_WEB_PAGE).c_str(), SW_SHOWNORMAL);
}

void CalendarDialog::ShowAbout() {
    // Owned by the calendar, like the editor: above it, and the calendar waits.
    AboutDialog about(this, GetDialogFont());
    about.DoModal();
}

void CalendarDialog::NavigateMonth(UINT command) {
    const COleDateTime today = Today();
    COleDateTime target = today;
    const std::optional<SYSTEMTIME> selected = calendar_.GetCurSel();
    if (command != ID_GOTO_TODAY && selected) {
        const int years = command == ID_PREV_YEAR ? -1 : command == ID_NEXT_YEAR ? 1 : 0;
        const int months = command == ID_PREV_MONTH ? -1 : command == ID_NEXT_MONTH ? 1 : 0;
        target = NavigatedDate({selected->wYear, selected->wMonth, selected->wDay}, years, months, today);
    }
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(target.GetYear());
    date.wMonth = static_cast<WORD>(target.GetMonth());
    date.wDay = static_cast<WORD>(target.GetDay());
    calendar_.SetCurSel(date);
}

void CalendarDialog::ShowFirstRunHint() {
    const std::string hint = ResourceLanguage::LoadStringOrEmpty(IDS_FIRST_RUN_HINT);
    ShowMessageBox(hint.c_str(), MB_ICONINFORMATION | MB_OK);
    // The forced save creates the settings file: the hint shows once per file.
    StoreState();
}
