// SPDX-License-Identifier: MIT
#include "platform/qt/commandbutton.h"

#include <QKeyEvent>

namespace platform {

CommandButton::CommandButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setAutoDefault(false);
    setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace platform
