#pragma once
#include <windows.h>
#include <commdlg.h>

// Calls into the common dialogs and the shell, whose libraries are loaded when a
// call is first made: linked to the program, they and what they import would
// lengthen every start. Each answers failure when its library cannot be loaded.

BOOL ShowFontDialog(CHOOSEFONTA& dialog);
BOOL ShowColorDialog(CHOOSECOLORA& dialog);
// The system's Open and Save As dialogs.
BOOL ShowOpenFileDialog(OPENFILENAMEW& dialog);
BOOL ShowSaveFileDialog(OPENFILENAMEW& dialog);
// ShellExecuteA with the "open" verb and no parameters or folder: its result code,
// above 32 for success; SE_ERR_DLLNOTFOUND without the shell.
INT_PTR ShellOpen(const char* file, int showCommand);
