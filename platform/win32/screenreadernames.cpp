// SPDX-License-Identifier: MIT
#include "platform/win32/screenreadernames.h"

#include "platform/form/formbehaviour.h"
#include "platform/win32/widetext.h"

#include <initguid.h>
#include <oleacc.h>

namespace platform {

namespace {

// The system's annotation service, or none where it cannot be had: the controls then keep
// what the system says of them by itself.
IAccPropServices* propertyServices()
{
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
            IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return nullptr;
    return services;
}

void annotate(IAccPropServices& services, HWND control, DWORD child, const MSAAPROPID& property,
    std::u16string_view text)
{
    if (!text.empty())
        services.SetHwndPropStr(control, DWORD(OBJID_CLIENT), child, property, wide(text).c_str());
}

} // namespace

void annotateForScreenReaders(
    const WindowDescription& window, HWND tabControl, const std::vector<HWND>& controls)
{
    IAccPropServices* services = propertyServices();
    if (!services)
        return;
    // A tab keeps its caption as its name, which a speech-input user says; the spoken words
    // are its description.
    for (std::size_t i = 0; i < window.tabControl.spokenCaptions.size(); ++i)
        annotate(*services, tabControl, DWORD(i + 1), PROPID_ACC_DESCRIPTION,
            window.tabControl.spokenCaptions[i]);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDescription& control = window.controls[i];
        if (const std::optional<ControlId> label = labelOf(window, ControlId { i }))
            annotate(*services, controls[i], CHILDID_SELF, PROPID_ACC_NAME,
                window.controls[label->index].text);
        annotate(*services, controls[i], CHILDID_SELF, PROPID_ACC_DESCRIPTION,
            control.accessibleDescription);
    }
    services->Release();
}

void clearScreenReaderNames(
    const WindowDescription& window, HWND tabControl, const std::vector<HWND>& controls)
{
    IAccPropServices* services = propertyServices();
    if (!services)
        return;
    MSAAPROPID properties[] { PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION };
    for (std::size_t i = 0; i < window.tabControl.spokenCaptions.size(); ++i)
        services->ClearHwndProps(tabControl, DWORD(OBJID_CLIENT), DWORD(i + 1), properties, 2);
    for (const HWND control : controls)
        services->ClearHwndProps(control, DWORD(OBJID_CLIENT), CHILDID_SELF, properties, 2);
    services->Release();
}

} // namespace platform
