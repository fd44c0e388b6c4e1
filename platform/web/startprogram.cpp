// SPDX-License-Identifier: MIT
#include "platform/form/startprogram.h"

#include "platform/web/browserregionalsettings.h"
#include "platform/web/pagebridge.h"
#include "platform/web/pageform.h"

#include <emscripten/emscripten.h>

#include <memory>

namespace platform {

namespace {

// The page's one form; it lives as long as the page.
std::unique_ptr<PageForm> form;

} // namespace

// The page has loaded the module: the window's load procedure runs over the page's elements,
// and then the program waits for the page's clicks, as long as the page is open.
int runProgram(
    int&, char**, const ProgramIdentity&, const WindowDescription&, const FormFactory& createForm)
{
    setCurrentRegionalSettings(browserRegionalSettings());
    form = std::make_unique<PageForm>(createForm);
    form->load();
    page::call("ready");
    return 0;
}

} // namespace platform

// A click on a button, by its index in the window's description: page.js calls it.
extern "C" EMSCRIPTEN_KEEPALIVE void click(int button)
{
    if (platform::form)
        platform::form->click(std::size_t(button));
}
