#pragma once
#include <windows.h>

#include <string>
#include <utility>

class CWnd;

// The application object: exactly one, global, constructed before WinMain. WinMain
// (in this framework) runs InitInstance; when it returns false the main window is
// destroyed and the process ends with ExitInstance's code, otherwise a message loop
// runs until WM_QUIT.
class CWinApp {
public:
    // Without a name the application is named after its executable.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The application object, or null before it is constructed.
    static CWinApp* Current();

    // The full path of the program file, spelled for the ANSI calls (AnsiPathFor).
    static std::string GetModulePath();

    const std::string& GetAppName() const { return appName_; }
    void SetAppName(std::string name) { appName_ = std::move(name); }
    // The program file's name without directory and extension.
    const std::string& GetExeName() const { return exeName_; }
    // The settings file: by default the executable's name with ".ini", beside the
    // program file.
    const std::string& GetProfileName() const { return profileName_; }
    void SetProfileName(std::string path) { profileName_ = std::move(path); }

    CWnd* GetMainWnd() const { return mainWnd_; }
    void SetMainWnd(CWnd* window) { mainWnd_ = window; }

    virtual bool InitInstance();
    // The process's exit code; the base returns the code of WM_QUIT, if one came.
    virtual int ExitInstance();

    // What WinMain runs.
    int RunApplication();

private:
    int Run();

    std::string appName_;
    std::string exeName_;
    std::string profileName_;
    CWnd* mainWnd_ = nullptr;
    int quitCode_ = 0;
};
