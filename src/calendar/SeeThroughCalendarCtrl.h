#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "HolidayCalendarCtrl.h"

// The calendar the main window creates: the colour marks fitted to a control of
// exactly one month, the selection cell of another month painted as an ordinary
// day, today kept selected while the current month shows, and a bold today line
// with date and time. Its painting keeps background pixels exactly white, so the
// see-through look can cut them away.
class SeeThroughCalendarCtrl : public HolidayCalendarCtrl {
public:
    explicit SeeThroughCalendarCtrl(Platform& platform);

    // Paints the band below the six weeks and today's date and time into it.
    void DrawTodayLine();

    // The whole picture as the screen shows it, marks and today line included, into
    // `dc`: a snapshot that never has to appear on screen.
    void PrintPicture(HDC dc);


    // Rows from the top whose hit test is the title.
    int TitleBandHeight() const;
    // What a user must be able to reach whatever its colour, in client coordinates:
    // the whole face of both arrow buttons and the control's own child windows (the
    // year's edit box and spin buttons while they show).
    std::vector<RECT> SolidAreas() const;

    COleDateTime contextDate;   // the day last right-clicked
    // The owner's menu for contextDate at a screen point, shown while the day is
    // highlighted; it returns once the menu has closed.
    std::function<void(POINT screen)> showDayMenu;
    bool showTimeLine = true;   // the today line shows date and time

protected:
    bool OnPaint() override;
    // The mouse: the title drags the window or asks for the options menu, a day
    // opens the day menu; a day is never selected with the mouse.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Keeps today selected while the current month shows, then answers the request.
    bool OnGetDayState(NMDAYSTATE& request, LRESULT& result) override;
    void SetControlDayStates(int count, const std::uint32_t* states) override;

private:
    // Cells of exactly one month filling the client area from its left edge.
    CellGeometry OwnGeometry() const;
    // The cell of the platform selection to paint over, when another month shows.
    void RefreshSelection();
    void RepaintSelectionCell(HDC dc, int cell, const std::string& text, bool bold, HBRUSH brush);
    // Whether the control itself must not see the press.
    bool OnLeftButtonDown(POINT point);
    bool OnRightButtonDown(POINT point);
    void OnRightClickDay(POINT point, const RECT& cell);
    // The day highlight: drawn twice, the cell is as it was.
    void InvertCell(HDC dc, const RECT& cell) const;
    // What this class adds to the platform's picture, into `dc`.
    void PaintOverlay(HDC dc);
    // The weekday names, their rule, the selection and today's mark, which the control
    // draws in the title's background colour, in the title's text colour instead
    // when that background is the month's own and would hide them.
    void ShowTitleColouredMarks(HDC dc);
    // The extent of the title button under `hit` on the title's row y; empty when none.
    RECT TitleButtonRect(UINT hit, int y) const;
    void DrawTodayLine(HDC dc);

    // The marks the platform gets: none on the days of the months shown only in
    // part. It draws those in bold light grey, in some fonts so faint that the
    // tint leaves no digit; the overlay colours them all the same.
    const MONTHDAYSTATE* PlatformDayStates(int count, const std::uint32_t* states);

    std::vector<MONTHDAYSTATE> platformDayStates_;
    std::string dateFormat_;
    std::string timeFormat_;  // without seconds
    int selectionCell_ = -1;
    int selectionDay_ = 0;
    bool selectionBold_ = false;
    bool controlSawRightPress_ = false;  // the right button's press went on to the control
};
