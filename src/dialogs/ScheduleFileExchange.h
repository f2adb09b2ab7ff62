#pragma once
#include <string>

class CWnd;

// The options menu's commands that bring the notes to and from iCalendar files:
// each asks for the file with the system's dialog, does its work on the settings
// file as it is now, and says what it did.
class ScheduleFileExchange {
public:
    ScheduleFileExchange(const CWnd& owner, std::string settingsFilePath);

    // Writes every note to a file chosen with the Save As dialog.
    void Export() const;
    // Joins the events of a file chosen with the Open dialog into the notes, in one
    // safe write of the settings file. True when the notes changed.
    bool Import() const;

private:
    // The message box, with the file's name for %s.
    void Tell(const std::string& message, const std::wstring& file, unsigned icon) const;

    const CWnd& owner_;
    std::string settingsFilePath_;
};
