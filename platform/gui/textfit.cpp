// SPDX-License-Identifier: MIT
#include "platform/gui/textfit.h"

#include <QFontMetrics>
#include <cmath>

namespace platform {

namespace {

bool allFit(const QFont& font, const QList<TextRoom>& texts)
{
    const QFontMetrics metrics(font);
    for (const TextRoom& text : texts) {
        if (metrics.horizontalAdvance(text.text) > text.room.width()
            || metrics.height() > text.room.height())
            return false;
    }
    return true;
}

} // namespace

QFont largestFittingFont(const QFont& font, const QList<TextRoom>& texts, qreal smallestPointSize)
{
    if (allFit(font, texts) || font.pointSizeF() <= 0)
        return font;
    QFont candidate = font;
    for (qreal size = std::floor(font.pointSizeF() * 2 - 1) / 2; size > smallestPointSize;
         size -= 0.5) {
        candidate.setPointSizeF(size);
        if (allFit(candidate, texts))
            return candidate;
    }
    candidate.setPointSizeF(smallestPointSize);
    return candidate;
}

} // namespace platform
