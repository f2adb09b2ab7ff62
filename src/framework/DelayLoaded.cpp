#include "DelayLoaded.h"

#include <shellapi.h>

namespace {

// The procedure of a system library, loaded on first use and kept for the run.
template <typename Procedure>
Procedure LoadProcedure(const char* library, const char* name) {
    HMODULE module = ::LoadLibraryA(library);
    return module ? reinterpret_cast<Procedure>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace

BOOL ShowFontDialog(CHOOSEFONTA& dialog) {
    static const auto chooseFont = LoadProcedure<BOOL(WINAPI*)(CHOOSEFONTA*)>("comdlg32.dll", "ChooseFontA");
    return chooseFont && chooseFont(&dialog);
}

BOOL ShowColorDialog(CHOOSECOLORA& dialog) {
    static const auto chooseColor = LoadProcedure<BOOL(WINAPI*)(CHOOSECOLORA*)>("comdlg32.dll", "ChooseColorA");
    return chooseColor && chooseColor(&dialog);
}

INT_PTR ShellOpen(const char* file, int showCommand) {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    static const auto shellExecute = LoadProcedure<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (!shellExecute) return SE_ERR_DLLNOTFOUND;
    return reinterpret_cast<INT_PTR>(shellExecute(nullptr, "open", file, nullptr, nullptr, showCommand));
}
