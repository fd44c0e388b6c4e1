// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace platform {

// A push button that is never a default one, pressed by Space or by Enter while it has the
// focus, as buttons are on Windows, in GTK and on the web. (Qt's own takes Enter only as the
// default button of a dialog.)
class CommandButton : public QPushButton {
public:
    CommandButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace platform
