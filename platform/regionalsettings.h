// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace platform {

// How the user's regional settings write numbers: the separators, the signs and the
// sizes of the digit groups, all taken from the locale's own data.
struct RegionalSettings {
    QString decimalSeparator;
    QString groupSeparator;
    QString minusSign;
    QString plusSign;
    int leastGroupSize = 0; // digits in the rightmost group; 0 means digits are never grouped
    int higherGroupSize = 0; // digits in each group to the left of it
    int minimumGroupedDigits = 0; // shorter numbers are written without separators

    bool groupsDigits() const { return leastGroupSize > 0; }

    static RegionalSettings fromLocale(const QLocale& locale);

    // A POSIX locale name ("it_IT.UTF-8", "de_CH@euro", "C"); unknown names mean C.
    static RegionalSettings fromLocaleName(const QByteArray& name);

    // LC_ALL, then LC_NUMERIC, then LANG; the first one set decides.
    static RegionalSettings fromEnvironment();
};

// The settings the number operations use unless they are given others: read from the
// environment on first use.
const RegionalSettings& currentRegionalSettings();
void setCurrentRegionalSettings(const RegionalSettings& settings);

} // namespace platform
