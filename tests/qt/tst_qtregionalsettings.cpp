// SPDX-License-Identifier: MIT
#include "platform/numbers/formatnumber.h"
#include "platform/numbers/val.h"
#include "platform/qt/qtregionalsettings.h"
#include "shared/samplesettings.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using platform::FormatNumber;
using platform::RegionalSettings;

Q_DECLARE_METATYPE(RegionalSettings)

namespace {

QString format(double value, const RegionalSettings& settings)
{
    return QString::fromStdU16String(FormatNumber(value, settings));
}

// The value as the program writes it with the locale's signs: Qt's separators and group sizes,
// grouped from the first group. Some locales' data leave a four-digit number ungrouped, and
// Qt 6.8 follows them; the program groups it. So the digits are taken from the end of a number
// long enough for every locale to group, and written in ASCII: group sizes count digits, not
// UTF-16 units (Chakma digits lie outside the Basic Multilingual Plane).
QString groupedFromTheFirstGroup(const QLocale& locale, qint64 value)
{
    const qint64 magnitude = value < 0 ? -value : value;
    const QList<uint> padded = locale.toString(1'000'000'000'000'000'000LL + magnitude).toUcs4();
    qsizetype digitsLeft = QString::number(magnitude).size();
    QString written;
    for (auto c = padded.crbegin(); digitsLeft > 0; ++c) {
        const char32_t character = char32_t(*c);
        const int digit = QChar::digitValue(character);
        if (digit >= 0) {
            written.prepend(QChar(u'0' + digit));
            --digitsLeft;
        } else {
            written.prepend(QString::fromUcs4(&character, 1));
        }
    }
    return value < 0 ? locale.negativeSign() + written : written;
}

} // namespace

class TestQtRegionalSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readFromLocaleData_data();
    void readFromLocaleData();
    void groupsWithQtsSeparators_data();
    void groupsWithQtsSeparators();
    void environmentDecides();
};

void TestQtRegionalSettings::readFromLocaleData_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<RegionalSettings>("expected");

    QTest::newRow("C") << "C"_ba << samples::C;
    QTest::newRow("POSIX") << "POSIX"_ba << samples::C;
    QTest::newRow("unknown is C") << "xx_YY"_ba << samples::C;
    QTest::newRow("it_IT") << "it_IT"_ba << samples::Italian;
    QTest::newRow("it_IT with codeset") << "it_IT.UTF-8"_ba << samples::Italian;
    QTest::newRow("en_US") << "en_US"_ba << samples::UsEnglish;
    QTest::newRow("de_CH with modifier") << "de_CH@euro"_ba << samples::SwissGerman;
    QTest::newRow("en_IN") << "en_IN"_ba << samples::Indian;
    QTest::newRow("es_ES") << "es_ES"_ba << samples::Spanish;
    QTest::newRow("fr_FR") << "fr_FR"_ba << samples::French;
}

void TestQtRegionalSettings::readFromLocaleData()
{
    QFETCH(QByteArray, locale);
    QFETCH(RegionalSettings, expected);

    QVERIFY(platform::regionalSettingsOfLocaleName(locale) == expected);
}

void TestQtRegionalSettings::groupsWithQtsSeparators_data()
{
    QTest::addColumn<QByteArray>("locale");
    for (const char* name : { "it_IT", "en_US", "de_CH", "en_IN", "es_ES", "fr_FR", "pl_PL",
             "sv_SE", "pt_BR", "ja_JP", "fa_IR", "ar_EG", "ccp_BD", "ccp_IN" })
        QTest::newRow(name) << QByteArray(name);
}

// Whole numbers within 64 bits: the separators, the minus sign and the group sizes must be the
// locale's as Qt writes them.
void TestQtRegionalSettings::groupsWithQtsSeparators()
{
    QFETCH(QByteArray, locale);
    const QLocale qtLocale(QString::fromLatin1(locale));
    const RegionalSettings settings = platform::regionalSettingsOfLocaleName(locale);
    QRandomGenerator random(1701);

    for (int i = 0; i < 2000; ++i) {
        const int digits = int(random.bounded(1, 16));
        qint64 value = qint64(random.bounded(1, 10));
        for (int d = 1; d < digits; ++d)
            value = value * 10 + qint64(random.bounded(10));
        if (random.bounded(2) == 0)
            value = -value;

        const QString expected = groupedFromTheFirstGroup(qtLocale, value);
        QCOMPARE(format(double(value), settings), expected);
        QCOMPARE(platform::Val(expected.toStdU16String(), settings), double(value));
    }
}

// Qt's system locale under LANG=C groups with ","; the program's C settings must not.
void TestQtRegionalSettings::environmentDecides()
{
    qunsetenv("LC_ALL");
    qunsetenv("LC_NUMERIC");
    for (const QByteArray& lang : { "C"_ba, "POSIX"_ba, "C.UTF-8"_ba, ""_ba, "nonsense"_ba }) {
        qputenv("LANG", lang);
        QCOMPARE(format(1234567.0, platform::userRegionalSettings()), u"1234567"_s);
    }
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LC_NUMERIC", "it_IT.UTF-8");
    QCOMPARE(format(1701.0, platform::userRegionalSettings()), u"1.701"_s);
    qputenv("LC_ALL", "de_CH.UTF-8");
    QCOMPARE(format(1701.0, platform::userRegionalSettings()), u"1\u2019701"_s);
}

QTEST_GUILESS_MAIN(TestQtRegionalSettings)
#include "tst_qtregionalsettings.moc"
