// SPDX-License-Identifier: MIT
#include "platform/qt/textfit.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

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
    if (font.pointSizeF() <= 0 || texts.isEmpty())
        return font;

    // One measurement at the font's own size tells whether everything fits, how far the
    // tightest text must shrink (text grows about in proportion to the point size), and which
    // texts are tightest: measured first at other sizes, they fail a size that is too large
    // at once.
    const QFontMetrics metrics(font);
    QList<std::pair<qreal, TextRoom>> byNeed;
    for (const TextRoom& text : texts) {
        const int width = metrics.horizontalAdvance(text.text);
        const qreal widthScale = width > 0 ? qreal(text.room.width()) / width : 1.0;
        byNeed.append({ std::min(widthScale, qreal(text.room.height()) / metrics.height()), text });
    }
    std::ranges::sort(byNeed, {}, &std::pair<qreal, TextRoom>::first);
    const qreal scale = byNeed.front().first;
    if (scale >= 1.0)
        return font;
    const auto textsToMeasureAt = [&](qreal size) {
        // A text with a quarter of its room to spare at the smaller size fits there too:
        // hinting moves widths by far less. Only the others are measured, tightest first.
        QList<TextRoom> tight;
        for (const auto& [need, text] : std::as_const(byNeed)) {
            if (need * font.pointSizeF() / size < 1.25)
                tight.append(text);
        }
        return tight;
    };

    // Each size is a font loaded: none is measured twice.
    const qreal largest = font.pointSizeF() - 0.5;
    QFont candidate = font;
    // A font within half a point of the smallest size has no smaller step to try.
    if (largest < smallestPointSize) {
        candidate.setPointSizeF(std::min(font.pointSizeF(), smallestPointSize));
        return candidate;
    }
    std::map<qreal, bool> measured;
    const auto fitsAt = [&](qreal size) {
        const auto known = measured.find(size);
        if (known != measured.end())
            return known->second;
        candidate.setPointSizeF(size);
        return measured[size] = textsFit(candidate, textsToMeasureAt(size));
    };
    qreal size
        = std::clamp(std::round(font.pointSizeF() * scale * 2) / 2, smallestPointSize, largest);
    while (size > smallestPointSize && !fitsAt(size))
        size -= 0.5;
    // Hinting rounds widths, so the proportion can also be too cautious.
    while (size + 0.5 <= largest && fitsAt(size + 0.5))
        size += 0.5;
    candidate.setPointSizeF(size);
    return candidate;
}

} // namespace platform
