// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

namespace platform {

// A text and the room its control leaves for it, in logical pixels.
struct TextRoom {
    QString text;
    QSize room;
};

// Whether every text fits its room in `font`: its advance within the width, its line height
// within the height.
bool textsFit(const QFont& font, const QList<TextRoom>& texts);

// `font` itself if every text fits its room in it; otherwise the same family at the largest
// smaller size, in half-point steps, at which they all fit (never below `smallestPointSize`).
QFont largestFittingFont(
    const QFont& font, const QList<TextRoom>& texts, qreal smallestPointSize = 6.0);

} // namespace platform
