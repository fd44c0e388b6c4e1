// SPDX-License-Identifier: MIT
#include "platform/form/startprogram.h"

#include "platform/win32/formwindow.h"
#include "platform/win32/systemlibrary.h"
#include "platform/win32/widetext.h"
#include "platform/win32/win32regionalsettings.h"

#include <string>

namespace platform {

int runProgram(int&, char**, const ProgramIdentity&, const WindowDescription& layout,
    const FormFactory& createForm)
{
    restrictDllSearch();
    setCurrentRegionalSettings(userRegionalSettings());
    try {
        FormWindow form(layout, createForm);
        return form.run();
    } catch (const WindowNotCreated& failure) {
        // Said, not left waiting invisibly for messages that never come.
        const std::wstring text
            = L"Impossibile aprire la finestra del programma (errore di sistema "
            + std::to_wstring(failure.error) + L").";
        MessageBoxW(nullptr, text.c_str(), wide(layout.caption).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
}

} // namespace platform
