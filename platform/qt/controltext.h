// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace platform {

// The whole text of a text box, or the edit text of a combo box.
QString controlText(const QWidget* control);
void setControlText(QWidget* control, const QString& text);

// Appends an entry at the end of a combo box's list, leaving its edit text as it is.
void appendListEntry(QWidget* comboBox, const QString& entry);

} // namespace platform
