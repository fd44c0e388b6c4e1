// SPDX-License-Identifier: MIT
#include "platform/regionalsettings.h"

#include <QStringList>
#include <optional>

namespace platform {

namespace {

constexpr int longestRepunit = 19; // the most ones that fit in a quint64

quint64 repunit(int digits)
{
    quint64 value = 0;
    for (int i = 0; i < digits; ++i)
        value = value * 10 + 1;
    return value;
}

std::optional<RegionalSettings>& storedSettings()
{
    static std::optional<RegionalSettings> settings;
    return settings;
}

} // namespace

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale)
{
    RegionalSettings settings;
    settings.decimalSeparator = locale.decimalPoint();
    settings.groupSeparator = locale.groupSeparator();
    settings.minusSign = locale.negativeSign();
    settings.plusSign = locale.positiveSign();

    if (locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)
        || settings.groupSeparator.isEmpty())
        return settings;

    // Qt keeps the group sizes to itself; they show in how it writes numbers.
    const QStringList groups
        = locale.toString(repunit(longestRepunit)).split(settings.groupSeparator);
    if (groups.size() < 2)
        return settings;
    settings.leastGroupSize = int(groups.last().size());
    settings.higherGroupSize
        = groups.size() > 2 ? int(groups[groups.size() - 2].size()) : settings.leastGroupSize;
    for (int digits = 1; digits <= longestRepunit; ++digits) {
        if (locale.toString(repunit(digits)).contains(settings.groupSeparator)) {
            settings.minimumGroupedDigits = digits;
            break;
        }
    }
    return settings;
}

RegionalSettings RegionalSettings::fromLocaleName(const QByteArray& name)
{
    QByteArray bare = name;
    const qsizetype suffix = bare.indexOf('.') >= 0 ? bare.indexOf('.') : bare.indexOf('@');
    if (suffix >= 0)
        bare.truncate(suffix);

    const QLocale locale(QString::fromLatin1(bare));
    if (bare.isEmpty() || bare == "C" || bare == "POSIX" || locale.language() == QLocale::C)
        return fromLocale(QLocale::c());
    return fromLocale(locale);
}

RegionalSettings RegionalSettings::fromEnvironment()
{
    for (const char* variable : { "LC_ALL", "LC_NUMERIC", "LANG" }) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return fromLocaleName(value);
    }
    return fromLocale(QLocale::c());
}

const RegionalSettings& currentRegionalSettings()
{
    if (!storedSettings())
        storedSettings() = RegionalSettings::fromEnvironment();
    return *storedSettings();
}

void setCurrentRegionalSettings(const RegionalSettings& settings)
{
    storedSettings() = settings;
}

} // namespace platform
