#include "CalendarApp.h"

#include "CalendarDialog.h"
#include "OwnerFrame.h"
#include "AnsiPath.h"
#include "ResourceLanguage.h"
#include "StartupKeys.h"
#include "resource.h"

namespace {

constexpr LCID kEnglishUnitedStates = 0x0409;

}  // namespace

CalendarApp::CalendarApp() = default;

CalendarApp::~CalendarApp() = default;

bool CalendarApp::InitInstance() {
    instanceGuard_ = NamedMutex::Create(GetExeName());
    if (instanceGuard_.AlreadyExisted()) return false;

    ChooseLanguage();
    SetAppName(ResourceLanguage::LoadStringOrEmpty(IDS_APP_NAME));
    LocateSettingsFile();

    ownerFrame_ = std::make_unique<OwnerFrame>();
    if (ownerFrame_->LoadFrame(IDR_MAINFRAME, 0)) SetMainWnd(ownerFrame_.get());

    CalendarDialog dialog(ownerFrame_.get());
    dialog.SetCalendarLocale(localeId_);
    ownerFrame_->CloseInstead(&dialog);
    dialog.DoModal();
    ownerFrame_->CloseInstead(nullptr);
    return false;
}

void CalendarApp::ChooseLanguage() {
    localeId_ = ShiftAndCtrlHeld() ? kEnglishUnitedStates : ::GetUserDefaultLCID();
    ::SetThreadLocale(localeId_);
    // Windows Vista and later no longer pick resources by the thread locale.
    ResourceLanguage::Choose(LANGIDFROMLCID(localeId_));
}

void CalendarApp::LocateSettingsFile() {
    SetProfileName(ProgramFolderFile(ResourceLanguage::LoadStringOrEmpty(IDS_SETTINGS_NAME) + ".ini"));
}
