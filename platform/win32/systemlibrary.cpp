// SPDX-License-Identifier: MIT
#include "platform/win32/systemlibrary.h"

#include <string>

namespace platform {

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, as Windows 8 and Windows 7 with update KB2533623 know it.
constexpr DWORD searchSystem32 = 0x00000800;

} // namespace

void restrictDllSearch()
{
    static auto* const setDefaultDirectories = functionOf<BOOL WINAPI(DWORD)>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDirectories)
        setDefaultDirectories(searchSystem32);
    // Where the function above is missing, this at least takes the current folder out.
    SetDllDirectoryW(L"");
}

HMODULE loadSystemLibrary(const wchar_t* name)
{
    if (HMODULE module = LoadLibraryExW(name, nullptr, searchSystem32))
        return module;
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return nullptr;
    // A Windows 7 without the update refuses the flag: the full path names System32 instead.
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), UINT(path.size()));
    if (length == 0 || length >= path.size())
        return nullptr;
    path.resize(length);
    path += L'\\';
    path += name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace platform
