// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/formcontrols.h"

#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// How desktops, packages and the window system know the program.
struct ProgramIdentity {
    std::u16string_view name; // the executable's name
    std::u16string_view version;
    std::u16string_view desktopFileName; // the desktop entry's id
};

// A button click and the procedure of `Form` that it runs.
template<class Form>
struct ClickBinding {
    ControlId button;
    void (Form::*procedure)();
};

// A form's procedures bound to the events of its window.
struct FormEvents {
    std::function<void()> load;
    std::vector<std::pair<ControlId, std::function<void()>>> clicks;
};

// Creates the program's form over the controls of a window just built, and binds its events.
using FormFactory = std::function<FormEvents(FormControls&)>;

// A form class names its window (`Layout`), its load procedure (`LoadEvent`) and its click
// procedures (`ClickEvents`); the form lives as long as its events.
template<class Form>
FormEvents bindForm(FormControls& controls)
{
    const auto form = std::make_shared<Form>(controls);
    FormEvents events;
    events.load = [form] { (form.get()->*Form::LoadEvent)(); };
    for (const ClickBinding<Form>& binding : Form::ClickEvents)
        events.clicks.emplace_back(
            binding.button, [form, procedure = binding.procedure] { (form.get()->*procedure)(); });
    return events;
}

// Sets the user's regional settings, creates the window, raises its load event, shows it and
// delivers events on this thread until the window is closed; returns the program's exit
// status. Each front end has its own.
int runProgram(int& argc, char** argv, const ProgramIdentity& identity,
    const WindowDescription& layout, const FormFactory& createForm);

template<class Form>
int runProgram(int& argc, char** argv, const ProgramIdentity& identity)
{
    return runProgram(argc, argv, identity, Form::Layout, bindForm<Form>);
}

} // namespace platform
