// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <span>

namespace platform {

// Positions and sizes in twips: 1/1440 inch, 15 to a logical pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind { Label, TextBox, ComboBox, CommandButton };

struct FontDescription {
    QStringView family;
    int pointSize = 0;
    bool bold = false;
};

// The window itself, or one page of the tab control.
inline constexpr int OnWindow = -1;

struct ControlDescription {
    QStringView name;
    ControlKind kind = ControlKind::Label;
    int tab = OnWindow; // positions on a tab are measured from the tab control's corner
    TwipsRect geometry;
    QStringView text;
    int focusOrder = 0;
    QStringView captionOf = {}; // for a label: the control it names, also for screen readers
    QStringView accessibleDescription = {};
    const FontDescription* font = nullptr; // the window's font when null
};

struct TabControlDescription {
    QStringView name;
    TwipsRect geometry;
    std::span<const QStringView> captions;
    std::span<const QStringView> spokenCaptions; // what a screen reader says for each tab
    int initialTab = 0;
    int focusOrder = 0;
};

struct WindowDescription {
    QStringView caption;
    int clientWidth = 0; // twips
    int clientHeight = 0; // twips
    QStringView iconResource;
    TabControlDescription tabControl;
    std::span<const ControlDescription> controls;
};

} // namespace platform
