// SPDX-License-Identifier: MIT
#include "platform/qt/textfit.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace platform {

bool textsFit(const QFont& font, const QList<TextRoom>& texts)
{
    const QFontMetrics metrics(font);
    for (const TextRoom& text : texts) {
        if (metrics.horizontalAdvance(text.text) > text.room.width()
            || metrics.height() > text.room.height())
            return false;
    }
    return true;
}

QFont largestFittingFont(const QFont& font, const QList<TextRoom>& texts, qreal smallestPointSize)
{
    if (font.pointSizeF() <= 0 || textsFit(font, texts))
        return font;

    // Text grows about in proportion to the point size: start from the size that proportion
    // gives, so that only a step or two is measured, each a font loaded.
    const QFontMetricsF metrics(font);
    qreal scale = 1.0;
    for (const TextRoom& text : texts) {
        const qreal width = metrics.horizontalAdvance(text.text);
        if (width > 0)
            scale = std::min(scale, text.room.width() / width);
        scale = std::min(scale, text.room.height() / metrics.height());
    }
    const qreal largest = font.pointSizeF() - 0.5;
    QFont candidate = font;
    const auto fitsAt = [&](qreal size) {
        candidate.setPointSizeF(size);
        return textsFit(candidate, texts);
    };
    qreal size = std::max(
        smallestPointSize, std::floor(std::min(font.pointSizeF() * scale, largest) * 2) / 2);
    while (size > smallestPointSize && !fitsAt(size))
        size -= 0.5;
    // Hinting rounds widths, so the proportion can also be too cautious.
    while (size + 0.5 <= largest && fitsAt(size + 0.5))
        size += 0.5;
    candidate.setPointSizeF(size);
    return candidate;
}

} // namespace platform
