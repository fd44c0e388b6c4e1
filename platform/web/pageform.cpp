// SPDX-License-Identifier: MIT
#include "platform/web/pageform.h"

#include "platform/form/eventdispatch.h"
#include "platform/numbers/utf8.h"
#include "platform/web/pagebridge.h"

namespace platform {

namespace {

void run(const std::function<void()>& procedure)
{
    if (const std::u16string_view failure = runProcedure(procedure); !failure.empty())
        page::call("showFailure", 0, utf8FromUtf16(failure));
}

} // namespace

PageForm::PageForm(const FormFactory& createForm)
    : m_events(createForm(*this))
{ }

std::u16string PageForm::text(ControlId control) const
{
    return utf16FromUtf8(page::read("control", int(control.index)));
}

void PageForm::setText(ControlId control, std::u16string_view text)
{
    page::call("setText", int(control.index), utf8FromUtf16(text));
}

void PageForm::appendListEntry(ControlId comboBox, std::u16string_view entry)
{
    page::call("appendListEntry", int(comboBox.index), utf8FromUtf16(entry));
}

void PageForm::load()
{
    run(m_events.load);
}

void PageForm::click(std::size_t button)
{
    for (const auto& [id, procedure] : m_events.clicks) {
        if (id.index == button)
            run(procedure);
    }
}

} // namespace platform
