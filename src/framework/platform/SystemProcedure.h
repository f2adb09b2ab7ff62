#pragma once
#include <windows.h>

// A procedure of a system library that is loaded when the procedure is first
// wanted: linked to the program, the library and what it imports would lengthen
// every start. Null when the library or the procedure cannot be found. The library
// stays loaded for the rest of the run.
template <typename Procedure>
Procedure LoadSystemProcedure(const char* library, const char* name) {
    HMODULE module = ::LoadLibraryA(library);
    return module ? reinterpret_cast<Procedure>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}
