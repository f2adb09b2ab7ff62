#include "SchedulesNotSaved.h"

#include "CWnd.h"
#include "ResourceLanguage.h"
#include "resource.h"

void ShowSchedulesNotSaved(const CWnd& window, const std::string& path) {
    std::string message = ResourceLanguage::LoadStringOrEmpty(IDS_SCHEDULES_NOT_SAVED);
    if (const std::size_t at = message.find("%s"); at != std::string::npos) message.replace(at, 2, path);
    window.ShowMessageBox(message.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
