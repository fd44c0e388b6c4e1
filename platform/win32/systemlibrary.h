// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

// Where the program loads DLLs from: System32 alone. A program that is run from a Downloads
// folder or a USB stick must never load a DLL someone put beside it.
namespace platform {

// Takes the program's own folder and the current folder out of the search for every DLL loaded
// by name from now on. Called before anything else runs.
void restrictDllSearch();

// A DLL of the system, loaded from System32 and nowhere else; nullptr where it is missing.
HMODULE loadSystemLibrary(const wchar_t* name);

// A function of a loaded DLL by name, or nullptr: for what older Windows versions lack.
template<class Function>
Function* functionOf(HMODULE module, const char* name)
{
    if (!module)
        return nullptr;
    // FARPROC goes through the generic function pointer type to any other function type.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace platform
