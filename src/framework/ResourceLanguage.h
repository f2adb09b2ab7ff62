#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "DialogTemplate.h"
#include "UserHandles.h"

// The language of the program's resources, chosen once at start. Windows Vista and
// later no longer pick resources by the thread locale, so everything language-bound
// (dialogs, menus, strings, accelerators) is looked up here: in the chosen language,
// else in English (0x0409), else in whatever language the module has.
namespace ResourceLanguage {

// Also makes it the thread's user-interface language where the system has one.
void Choose(LANGID language);

// The chosen language; before a choice, the language of the user's default locale.
LANGID Chosen();

// A copy of the template; empty when there is none.
DialogTemplate LoadDialogTemplate(UINT id);

Menu LoadMenuResource(UINT id);

// In the ANSI code page; none when no language has a non-empty string of that id.
std::optional<std::string> LoadStringResource(UINT id);
// The same, empty where there is none.
inline std::string LoadStringOrEmpty(UINT id) { return LoadStringResource(id).value_or(std::string()); }
// The same in UTF-16, for the calls that take it; empty where there is none.
std::wstring LoadWideStringOrEmpty(UINT id);

AcceleratorTable LoadAcceleratorResource(UINT id);

}  // namespace ResourceLanguage
