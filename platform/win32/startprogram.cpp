// SPDX-License-Identifier: MIT
#include "platform/startprogram.h"

#include "platform/win32/formwindow.h"
#include "platform/win32/win32regionalsettings.h"

namespace platform {

int runProgram(int&, char**, const ProgramIdentity&, const WindowDescription& layout,
    const FormFactory& createForm)
{
    setCurrentRegionalSettings(userRegionalSettings());
    FormWindow form(layout, createForm);
    return form.run();
}

} // namespace platform
