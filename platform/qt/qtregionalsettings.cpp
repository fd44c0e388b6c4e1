// SPDX-License-Identifier: MIT
#include "platform/qt/qtregionalsettings.h"

#include "platform/numbers/regionalsamples.h"

namespace platform {

namespace {

// A whole number whose every digit shows where the locale groups: 1111111111111111111, the
// most ones that fit in a quint64.
constexpr quint64 longestRepunit = 1111111111111111111ULL;

} // namespace

RegionalSettings regionalSettingsOf(const QLocale& locale)
{
    RegionalSamples samples;
    samples.decimalSeparator = locale.decimalPoint().toStdU16String();
    samples.minusSign = locale.negativeSign().toStdU16String();
    samples.plusSign = locale.positiveSign().toStdU16String();
    // A separator Qt never writes (the C locale's) is none.
    if (!locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) {
        samples.groupSeparator = locale.groupSeparator().toStdU16String();
        samples.writtenNumber = locale.toString(longestRepunit).toStdU16String();
    }
    return regionalSettingsFrom(samples);
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
