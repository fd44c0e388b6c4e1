// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

#include <functional>
#include <memory>

namespace platform {

class FormWindow;

// How desktops, packages and the window system know the program.
struct ProgramIdentity {
    QStringView name; // the executable's name
    QStringView version;
    QStringView desktopFileName; // the desktop entry's id
};

// Creates the form, raises its load event, shows it and delivers events on this thread until
// the form is closed; returns the program's exit status. Where no display can be opened it
// says so on standard error and returns a failure status.
int runProgram(int& argc, char** argv, const ProgramIdentity& identity,
    const std::function<std::unique_ptr<FormWindow>()>& createForm);

template<class Form>
int runProgram(int& argc, char** argv, const ProgramIdentity& identity)
{
    return runProgram(argc, argv, identity, [] { return std::make_unique<Form>(); });
}

// Raises the load event once, then shows the form.
void showForm(FormWindow& form);

} // namespace platform
