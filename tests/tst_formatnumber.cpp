// SPDX-License-Identifier: MIT
#include "platform/formatnumber.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <cfloat>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using platform::FormatNumber;

class TestFormatNumber : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formats_data();
    void formats();
    void groupsAsQtDoes_data();
    void groupsAsQtDoes();
    void writesEveryDigitOfHugeValues_data();
    void writesEveryDigitOfHugeValues();
    void cLocaleFromEnvironmentGroupsNothing();
};

void TestFormatNumber::formats_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("rounding: half up") << "C"_ba << 190.5 << u"191"_s;
    QTest::newRow("rounding: half away from zero, even below") << "C"_ba << 2.5 << u"3"_s;
    QTest::newRow("rounding: one half") << "C"_ba << 0.5 << u"1"_s;
    QTest::newRow("rounding: just below one half") << "C"_ba << 0.49999999999999994 << u"0"_s;
    QTest::newRow("rounding: just below a half") << "C"_ba << 2.4999999999999996 << u"2"_s;
    QTest::newRow("rounding: largest half")
        << "C"_ba << 4503599627370495.5 << u"4503599627370496"_s;
    QTest::newRow("rounding: negative half") << "C"_ba << -2.5 << u"-3"_s;
    QTest::newRow("rounding: no decimals") << "C"_ba << 1700.787 << u"1701"_s;
    QTest::newRow("rounding: tiny") << "C"_ba << 5e-324 << u"0"_s;

    QTest::newRow("zero: positive") << "it_IT"_ba << 0.0 << u"0"_s;
    QTest::newRow("zero: negative") << "it_IT"_ba << -0.0 << u"0"_s;
    QTest::newRow("zero: small negative") << "en_US"_ba << -0.4 << u"0"_s;
    QTest::newRow("zero: just above minus half") << "C"_ba << -0.49999999999999994 << u"0"_s;

    QTest::newRow("grouping: it") << "it_IT"_ba << 1701.0 << u"1.701"_s;
    QTest::newRow("grouping: it millions") << "it_IT"_ba << 1234567.0 << u"1.234.567"_s;
    QTest::newRow("grouping: it below a thousand") << "it_IT"_ba << 999.0 << u"999"_s;
    QTest::newRow("grouping: us") << "en_US"_ba << 1701.0 << u"1,701"_s;
    QTest::newRow("grouping: swiss") << "de_CH"_ba << 1701.0 << u"1\u2019701"_s;
    QTest::newRow("grouping: indian") << "en_IN"_ba << 1234567.8 << u"12,34,568"_s;
    QTest::newRow("grouping: indian crore") << "en_IN"_ba << 123456789.0 << u"12,34,56,789"_s;
    // Spanish groups only from five digits on; Qt 6.4 then also leaves a four-digit leading
    // group in longer numbers, which no Spanish reader writes.
    QTest::newRow("grouping: es four digits") << "es_ES"_ba << 1234.0 << u"1234"_s;
    QTest::newRow("grouping: es five digits") << "es_ES"_ba << 12345.0 << u"12.345"_s;
    QTest::newRow("grouping: es long") << "es_ES"_ba << 6626175885159.0 << u"6.626.175.885.159"_s;
    QTest::newRow("grouping: C") << "C"_ba << 1701.0 << u"1701"_s;
    QTest::newRow("grouping: POSIX") << "POSIX"_ba << 1234567.0 << u"1234567"_s;

    QTest::newRow("negative: it") << "it_IT"_ba << -1700.787 << u"-1.701"_s;
    QTest::newRow("negative: us") << "en_US"_ba << -1234567.0 << u"-1,234,567"_s;
}

void TestFormatNumber::formats()
{
    QFETCH(QByteArray, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(FormatNumber(value, settingsFor(locale)), expected);
}

void TestFormatNumber::groupsAsQtDoes_data()
{
    QTest::addColumn<QByteArray>("locale");
    for (const char* name : { "it_IT", "en_US", "de_CH", "en_IN", "fr_FR", "sv_SE", "pt_BR",
             "ja_JP", "fa_IR", "ar_EG" })
        QTest::newRow(name) << QByteArray(name);
}

// Whole numbers within 64 bits, against Qt's own writing of them: the separators, the minus
// sign and the group sizes must be the locale's. Digits stay ASCII.
void TestFormatNumber::groupsAsQtDoes()
{
    QFETCH(QByteArray, locale);
    const QLocale qtLocale(QString::fromLatin1(locale));
    const platform::RegionalSettings settings = settingsFor(locale);
    QRandomGenerator random(1701);

    for (int i = 0; i < 2000; ++i) {
        const int digits = int(random.bounded(1, 16));
        qint64 value = qint64(random.bounded(1, 10));
        for (int d = 1; d < digits; ++d)
            value = value * 10 + qint64(random.bounded(10));
        if (random.bounded(2) == 0)
            value = -value;

        QString expected = qtLocale.toString(value);
        for (QChar& c : expected) {
            if (c.isDigit())
                c = QChar(u'0' + c.digitValue());
        }
        QCOMPARE(FormatNumber(double(value), settings), expected);
    }
}

void TestFormatNumber::writesEveryDigitOfHugeValues_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("1e308") << 1e308;
    QTest::newRow("largest double") << DBL_MAX;
    QTest::newRow("smallest negative") << -DBL_MAX;
    QTest::newRow("2^64") << 18446744073709551616.0;
}

void TestFormatNumber::writesEveryDigitOfHugeValues()
{
    QFETCH(double, value);
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.0f", value);

    QCOMPARE(FormatNumber(value, settingsFor("C")), QString::fromLatin1(exact));

    QString grouped = FormatNumber(value, settingsFor("en_US"));
    const qsizetype digits = QString::fromLatin1(exact).remove(u'-').size();
    QCOMPARE(grouped.count(u','), (digits - 1) / 3);
    QCOMPARE(grouped.remove(u','), QString::fromLatin1(exact));
}

// Qt's system locale under LANG=C groups with ","; the program's C settings must not.
void TestFormatNumber::cLocaleFromEnvironmentGroupsNothing()
{
    qunsetenv("LC_ALL");
    qunsetenv("LC_NUMERIC");
    for (const QByteArray& lang : { "C"_ba, "POSIX"_ba, "C.UTF-8"_ba, ""_ba, "nonsense"_ba }) {
        qputenv("LANG", lang);
        QCOMPARE(
            FormatNumber(1234567.0, platform::RegionalSettings::fromEnvironment()), u"1234567"_s);
    }
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LC_NUMERIC", "it_IT.UTF-8");
    QCOMPARE(FormatNumber(1701.0, platform::RegionalSettings::fromEnvironment()), u"1.701"_s);
    qputenv("LC_ALL", "de_CH.UTF-8");
    QCOMPARE(FormatNumber(1701.0, platform::RegionalSettings::fromEnvironment()), u"1\u2019701"_s);
}

QTEST_GUILESS_MAIN(TestFormatNumber)
#include "tst_formatnumber.moc"
