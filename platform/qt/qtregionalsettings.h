// SPDX-License-Identifier: MIT
#pragma once

#include "platform/numbers/regionalsettings.h"

#include <QByteArrayView>
#include <QLocale>

namespace platform {

// The regional settings of a Qt locale, all taken from the locale's own data.
RegionalSettings regionalSettingsOf(const QLocale& locale);

// Of a POSIX locale name ("it_IT.UTF-8", "de_CH@euro", "C"); unknown names mean C.
RegionalSettings regionalSettingsOfLocaleName(QByteArrayView name);

// The user's: LC_ALL, then LC_NUMERIC, then LANG; the first one set decides.
RegionalSettings userRegionalSettings();

} // namespace platform
