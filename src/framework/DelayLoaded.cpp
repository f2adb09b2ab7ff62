#include "DelayLoaded.h"

#include <shellapi.h>

#include "SystemProcedure.h"

BOOL ShowFontDialog(CHOOSEFONTA& dialog) {
    static const auto chooseFont = LoadSystemProcedure<BOOL(WINAPI*)(CHOOSEFONTA*)>("comdlg32.dll", "ChooseFontA");
    return chooseFont && chooseFont(&dialog);
}

BOOL ShowColorDialog(CHOOSECOLORA& dialog) {
    static const auto chooseColor = LoadSystemProcedure<BOOL(WINAPI*)(CHOOSECOLORA*)>("comdlg32.dll", "ChooseColorA");
    return chooseColor && chooseColor(&dialog);
}

BOOL ShowOpenFileDialog(OPENFILENAMEW& dialog) {
    static const auto open = LoadSystemProcedure<BOOL(WINAPI*)(OPENFILENAMEW*)>("comdlg32.dll", "GetOpenFileNameW");
    return open && open(&dialog);
}

BOOL ShowSaveFileDialog(OPENFILENAMEW& dialog) {
    static const auto save = LoadSystemProcedure<BOOL(WINAPI*)(OPENFILENAMEW*)>("comdlg32.dll", "GetSaveFileNameW");
    return save && save(&dialog);
}

INT_PTR ShellOpen(const char* file, int showCommand) {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    static const auto shellExecute = LoadSystemProcedure<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (!shellExecute) return SE_ERR_DLLNOTFOUND;
    return reinterpret_cast<INT_PTR>(shellExecute(nullptr, "open", file, nullptr, nullptr, showCommand));
}
