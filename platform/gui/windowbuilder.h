// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace platform {

struct WindowDescription;

// Builds a fixed-size window and every control of its description: kinds, names, geometry,
// texts, fonts, tabs and focus order. Returns the controls by name, the tab control included.
QHash<QString, QWidget*> buildWindow(QWidget& window, const WindowDescription& description);

} // namespace platform
