#pragma once
#include <cstdint>
#include <memory>

#include "CWinApp.h"
#include "NamedMutex.h"

class OwnerFrame;

// The application: one running copy per program file name, the language chosen at
// start, the settings file beside the program, and the calendar window run modally
// under an invisible owner. Its life is the modal loop of that window.
class CalendarApp : public CWinApp {
public:
    CalendarApp();
    ~CalendarApp() override;

    // Always false: the process ends once the calendar window has closed, or at
    // once for a second copy.
    bool InitInstance() override;

private:
    void ChooseLanguage();
    void LocateSettingsFile();

    NamedMutex instanceGuard_;  // held for the life of the process
    std::uint32_t localeId_ = 0;
    std::unique_ptr<OwnerFrame> ownerFrame_;
};
