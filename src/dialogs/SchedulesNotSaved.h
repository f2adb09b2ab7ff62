#pragma once
#include <string>

class CWnd;

// Tells the user, over `window`, that the schedules could not be saved in the
// settings file at `path`.
void ShowSchedulesNotSaved(const CWnd& window, const std::string& path);
