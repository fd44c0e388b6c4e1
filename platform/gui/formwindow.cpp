// SPDX-License-Identifier: MIT
#include "platform/gui/formwindow.h"

#include "platform/gui/controltext.h"
#include "platform/gui/eventdispatch.h"
#include "platform/gui/windowbuilder.h"

#include <QAbstractButton>

namespace platform {

FormWindow::FormWindow(const WindowDescription& description, QWidget* parent)
    : QWidget(parent)
{
    m_controls = buildWindow(*this, description);
}

QWidget* FormWindow::control(QStringView name) const
{
    return m_controls.value(name.toString());
}

QString FormWindow::text(QStringView control) const
{
    return controlText(this->control(control));
}

void FormWindow::setText(QStringView control, const QString& text)
{
    setControlText(this->control(control), text);
}

void FormWindow::appendListEntry(QStringView comboBox, const QString& entry)
{
    platform::appendListEntry(control(comboBox), entry);
}

void FormWindow::bindClick(QStringView button, std::function<void()> procedure)
{
    auto* clickable = qobject_cast<QAbstractButton*>(control(button));
    connect(clickable, &QAbstractButton::clicked, this,
        [this, procedure = std::move(procedure)] { deliverEvent(this, procedure); });
}

void FormWindow::raiseLoad()
{
    if (m_loaded)
        return;
    m_loaded = true;
    load();
}

} // namespace platform
