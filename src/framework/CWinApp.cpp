#include "CWinApp.h"

#include "AnsiPath.h"
#include "CWnd.h"

namespace {

CWinApp* application = nullptr;

std::string FileNameWithoutExtension(const std::string& path) {
    const size_t nameStart = path.find_last_of("\\/:") + 1;
    std::string name = path.substr(nameStart);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string DirectoryOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/") + 1); }

}  // namespace

CWinApp::CWinApp(const char* appName) {
    const std::string modulePath = GetModulePath();
    exeName_ = FileNameWithoutExtension(modulePath);
    appName_ = appName ? appName : exeName_;
    profileName_ = DirectoryOf(modulePath) + exeName_ + ".ini";
    application = this;
}

CWinApp::~CWinApp() {
    if (application == this) application = nullptr;
}

CWinApp* CWinApp::Current() { return application; }

std::string CWinApp::GetModulePath() { return AnsiPathFor(ProgramFilePath()); }

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() { return quitCode_; }

int CWinApp::RunApplication() {
    if (!InitInstance()) {
        if (mainWnd_ && mainWnd_->GetSafeHwnd()) mainWnd_->DestroyWindow();
        return ExitInstance();
    }
    return Run();
}

int CWinApp::Run() {
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (CWnd::WalkPreTranslateTree(message, nullptr)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    quitCode_ = static_cast<int>(message.wParam);
    return ExitInstance();
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    return app ? app->RunApplication() : 1;
}
