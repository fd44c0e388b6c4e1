// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/startprogram.h"
#include "window/form1layout.h"

#include <array>

struct FieldMapping;

// The program's one window and its three event procedures.
class Form1 {
public:
    explicit Form1(platform::FormControls& controls)
        : m_controls(controls)
    { }

    void LoadDpiLists();
    void ComputeCmToPix();
    void ComputePixToCm();

    static constexpr const platform::WindowDescription& Layout = form1::Layout;
    static constexpr auto LoadEvent = &Form1::LoadDpiLists;
    static constexpr std::array<platform::ClickBinding<Form1>, 2> ClickEvents { {
        { form1::button(u"Command1"), &Form1::ComputeCmToPix },
        { form1::button(u"Command2"), &Form1::ComputePixToCm },
    } };

private:
    void compute(const FieldMapping& fields);

    platform::FormControls& m_controls;
};
