// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/formcontrols.h"
#include "platform/form/startprogram.h"

#include <QWidget>
#include <vector>

namespace platform {

// A top-level window built from its description, over which a form's procedures run: they
// reach its controls by their place in the description. It raises its load event once,
// before it is first shown.
class FormWindow : public QWidget, public FormControls {
    Q_OBJECT

public:
    FormWindow(const WindowDescription& description, const FormFactory& createForm,
        QWidget* parent = nullptr);

    QWidget* control(ControlId id) const { return m_controls.at(id.index); }

    std::u16string text(ControlId control) const override;
    void setText(ControlId control, std::u16string_view text) override;
    void appendListEntry(ControlId comboBox, std::u16string_view entry) override;

    void raiseLoad();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QWidget*> m_controls;
    FormEvents m_events;
    bool m_loaded = false;
    bool m_painted = false;
};

// Raises the load event once, then shows the form.
void showForm(FormWindow& form);

} // namespace platform
