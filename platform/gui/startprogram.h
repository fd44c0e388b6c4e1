// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

namespace platform
{

class FormWindow;

// Creates the form, raises its load event, shows it and delivers events on this thread until
// the form is closed; returns the program's exit status. Where no display can be opened it
// says so on standard error and returns a failure status.
int runProgram(
    int& argc, char** argv, const std::function<std::unique_ptr<FormWindow>()>& createForm);

template<class Form> int runProgram(int& argc, char** argv)
{
    return runProgram(argc, argv, [] { return std::make_unique<Form>(); });
}

// Raises the load event once, then shows the form.
void showForm(FormWindow& form);

} // namespace platform
