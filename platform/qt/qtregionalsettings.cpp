// SPDX-License-Identifier: MIT
#include "platform/qt/qtregionalsettings.h"

#include <QStringList>

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

// Digits outside the Basic Multilingual Plane take two UTF-16 units each.
int codePoints(const QString& text)
{
    return int(text.toUcs4().size());
}

} // namespace

RegionalSettings regionalSettingsOf(const QLocale& locale)
{
    RegionalSettings settings;
    settings.decimalSeparator = locale.decimalPoint().toStdU16String();
    settings.minusSign = locale.negativeSign().toStdU16String();
    settings.plusSign = locale.positiveSign().toStdU16String();

    // Qt keeps the group sizes to itself; they show in how it writes numbers. A separator it
    // never writes (the C locale's) is none.
    const QString separator = locale.groupSeparator();
    if (locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) || separator.isEmpty())
        return settings;
    const QStringList groups = locale.toString(repunit(longestRepunit)).split(separator);
    if (groups.size() < 2)
        return settings;
    settings.groupSeparator = separator.toStdU16String();
    const int least = codePoints(groups.last());
    const int higher = groups.size() > 2 ? codePoints(groups[groups.size() - 2]) : least;
    settings.groupSizes
        = least == higher ? std::vector<int> { least } : std::vector<int> { least, higher };
    for (int digits = 1; digits <= longestRepunit; ++digits) {
        if (locale.toString(repunit(digits)).contains(separator)) {
            settings.minimumGroupedDigits = digits;
            break;
        }
    }
    return settings;
}

RegionalSettings regionalSettingsOfLocaleName(QByteArrayView name)
{
    QByteArrayView bare = name;
    const qsizetype suffix = bare.indexOf('.') >= 0 ? bare.indexOf('.') : bare.indexOf('@');
    if (suffix >= 0)
        bare.truncate(suffix);

    const QLocale locale(QString::fromLatin1(bare));
    if (bare.isEmpty() || bare == "C" || bare == "POSIX" || locale.language() == QLocale::C)
        return regionalSettingsOf(QLocale::c());
    return regionalSettingsOf(locale);
}

RegionalSettings userRegionalSettings()
{
    for (const char* variable : { "LC_ALL", "LC_NUMERIC", "LANG" }) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return regionalSettingsOfLocaleName(value);
    }
    return regionalSettingsOf(QLocale::c());
}

} // namespace platform
