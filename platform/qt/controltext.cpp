// SPDX-License-Identifier: MIT
#include "platform/qt/controltext.h"

#include <QComboBox>
#include <QLineEdit>

namespace platform {

QString controlText(const QWidget* control)
{
    if (const auto* comboBox = qobject_cast<const QComboBox*>(control))
        return comboBox->currentText();
    if (const auto* textBox = qobject_cast<const QLineEdit*>(control))
        return textBox->text();
    return {};
}

void setControlText(QWidget* control, const QString& text)
{
    if (auto* comboBox = qobject_cast<QComboBox*>(control))
        comboBox->setEditText(text);
    else if (auto* textBox = qobject_cast<QLineEdit*>(control))
        textBox->setText(text);
}

void appendListEntry(QWidget* comboBox, const QString& entry)
{
    auto* combo = qobject_cast<QComboBox*>(comboBox);
    if (!combo)
        return;
    const QString editText = combo->currentText();
    combo->addItem(entry);
    // Qt makes the first entry of an empty list current and shows it in the edit part; the
    // edit text must stay as it was, with no entry current until the user picks one.
    combo->setCurrentIndex(-1);
    combo->setEditText(editText);
}

} // namespace platform
