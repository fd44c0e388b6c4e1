// SPDX-License-Identifier: MIT
#pragma once

#include "platform/regionalsettings.h"

#include <QByteArray>
#include <QString>
#include <QTest>
#include <bit>
#include <cstdint>

// Doubles compare bit for bit here: QCOMPARE on doubles is fuzzy.
#define COMPARE_EXACTLY(actual, expected)                                                          \
    do {                                                                                           \
        const double actualValue = (actual);                                                       \
        const double expectedValue = (expected);                                                   \
        if (std::bit_cast<std::uint64_t>(actualValue)                                              \
            != std::bit_cast<std::uint64_t>(expectedValue))                                        \
            QFAIL(qPrintable(QStringLiteral("got %1, expected %2")                                 \
                                 .arg(actualValue, 0, 'g', 17)                                     \
                                 .arg(expectedValue, 0, 'g', 17)));                                \
    } while (false)

inline platform::RegionalSettings settingsFor(const QByteArray& localeName)
{
    return platform::RegionalSettings::fromLocaleName(localeName);
}
