// SPDX-License-Identifier: MIT
#pragma once

#include "platform/gui/formwindow.h"

struct FieldMapping;

// The program's one window and its three event procedures.
class Form1 : public platform::FormWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    void LoadDpiLists();
    void ComputeCmToPix();
    void ComputePixToCm();

protected:
    void load() override;

private:
    void compute(const FieldMapping& fields);
};
