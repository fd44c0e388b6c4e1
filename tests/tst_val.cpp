// SPDX-License-Identifier: MIT
#include "platform/runtimeerror.h"
#include "platform/val.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <cfloat>
#include <charconv>
#include <string>

using namespace Qt::Literals::StringLiterals;
using platform::Val;

class TestVal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
    void overflowFails_data();
    void overflowFails();
    void agreesWithCorrectRounding_data();
    void agreesWithCorrectRounding();
    void readsOwnFormattedResultsBack();
};

void TestVal::reads_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // Blanks, tabs and line breaks are dropped wherever they stand.
    QTest::newRow("blanks: spaces inside") << "C"_ba << u" 3 888 "_s << 3888.0;
    QTest::newRow("blanks: tab and line break") << "C"_ba << u"\t1\r\n2"_s << 12.0;
    QTest::newRow("blanks: it around comma") << "it_IT"_ba << u" 18 , 5 "_s << 18.5;
    QTest::newRow("blanks: only blanks") << "it_IT"_ba << u" \t "_s << 0.0;

    // Numbers written the way the regional settings write them.
    QTest::newRow("regional: it decimal comma") << "it_IT"_ba << u"18,5"_s << 18.5;
    QTest::newRow("regional: it grouped") << "it_IT"_ba << u"1.701"_s << 1701.0;
    QTest::newRow("regional: it grouped twice") << "it_IT"_ba << u"12.345.678"_s << 12345678.0;
    QTest::newRow("regional: it grouped with decimals") << "it_IT"_ba << u"1.701,25"_s << 1701.25;
    QTest::newRow("regional: it negative") << "it_IT"_ba << u"-1.701"_s << -1701.0;
    QTest::newRow("regional: it plus sign") << "it_IT"_ba << u"+18,5"_s << 18.5;
    QTest::newRow("regional: it leading zero is no group") << "it_IT"_ba << u"0.001"_s << 0.001;
    QTest::newRow("regional: it short group is a point") << "it_IT"_ba << u"1.70"_s << 1.7;
    QTest::newRow("regional: it long group is a point") << "it_IT"_ba << u"1.2345"_s << 1.2345;
    QTest::newRow("regional: it comma without digits") << "it_IT"_ba << u"18,"_s << 18.0;
    QTest::newRow("regional: it leading comma") << "it_IT"_ba << u",5"_s << 0.0;
    QTest::newRow("regional: us grouped") << "en_US"_ba << u"1,701"_s << 1701.0;
    QTest::newRow("regional: us grouped decimals") << "en_US"_ba << u"1,701.5"_s << 1701.5;
    QTest::newRow("regional: us decimal comma stops") << "en_US"_ba << u"18,5"_s << 18.0;
    QTest::newRow("regional: us short group stops") << "en_US"_ba << u"1,70"_s << 1.0;
    QTest::newRow("regional: c comma stops") << "C"_ba << u"1,701"_s << 1.0;
    QTest::newRow("regional: c point is decimal") << "C"_ba << u"1.701"_s << 1.701;
    QTest::newRow("regional: swiss apostrophe") << "de_CH"_ba << u"1\u2019701"_s << 1701.0;
    QTest::newRow("regional: indian groups") << "en_IN"_ba << u"12,34,568"_s << 1234568.0;
    QTest::newRow("regional: indian rejects thousands") << "en_IN"_ba << u"1,234,568"_s << 1.0;
    QTest::newRow("regional: name with codeset") << "it_IT.UTF-8"_ba << u"18,5"_s << 18.5;
    QTest::newRow("regional: unknown name is C") << "xx_YY"_ba << u"18,5"_s << 18.0;

    // The classic rules, up to the first character that cannot continue the number.
    QTest::newRow("classic: trailing letters") << "C"_ba << u"12abc"_s << 12.0;
    QTest::newRow("classic: point under it") << "it_IT"_ba << u"18.5"_s << 18.5;
    QTest::newRow("classic: two points") << "C"_ba << u"1.2.3"_s << 1.2;
    QTest::newRow("classic: empty") << "C"_ba << QString() << 0.0;
    QTest::newRow("classic: letters") << "it_IT"_ba << u"abc"_s << 0.0;
    QTest::newRow("classic: lone minus") << "C"_ba << u"-"_s << 0.0;
    QTest::newRow("classic: lone point") << "C"_ba << u"."_s << 0.0;
    QTest::newRow("classic: two signs") << "C"_ba << u"+-1"_s << 0.0;
    QTest::newRow("classic: point fraction") << "C"_ba << u"-.5"_s << -0.5;
    QTest::newRow("classic: bare exponent") << "C"_ba << u"1e"_s << 1.0;
    QTest::newRow("classic: exponent sign only") << "C"_ba << u"1e+"_s << 1.0;
    QTest::newRow("classic: exponent") << "C"_ba << u"1e3"_s << 1000.0;
    QTest::newRow("classic: signed exponent") << "C"_ba << u"1E+3"_s << 1000.0;
    QTest::newRow("classic: d exponent") << "C"_ba << u"2.5d-1"_s << 0.25;
    QTest::newRow("classic: D exponent") << "it_IT"_ba << u"1D2"_s << 100.0;
    QTest::newRow("classic: it decimal then exponent") << "it_IT"_ba << u"1,5e3"_s << 1.0;
    QTest::newRow("classic: hex") << "C"_ba << u"&H1F"_s << 31.0;
    QTest::newRow("classic: hex lower case") << "C"_ba << u"&hff"_s << 255.0;
    QTest::newRow("classic: hex stops") << "C"_ba << u"&HFG"_s << 15.0;
    QTest::newRow("classic: hex without digits") << "C"_ba << u"&H"_s << 0.0;
    QTest::newRow("classic: hex with sign") << "C"_ba << u"&H-1"_s << 0.0;
    QTest::newRow("classic: hex beyond 64 bits")
        << "C"_ba << u"&H10000000000000001"_s << 18446744073709551616.0;
    QTest::newRow("classic: octal") << "C"_ba << u"&O17"_s << 15.0;
    QTest::newRow("classic: octal stops at 8") << "C"_ba << u"&o778"_s << 63.0;
    QTest::newRow("classic: octal without digits") << "C"_ba << u"&O9"_s << 0.0;
    QTest::newRow("classic: ampersand alone") << "C"_ba << u"&"_s << 0.0;
    QTest::newRow("classic: c hex prefix") << "C"_ba << u"0x1A"_s << 0.0;
    QTest::newRow("classic: fullwidth digits") << "C"_ba << u"\uFF11\uFF12"_s << 0.0;

    // Never a non-finite value; values below the double range are zero.
    QTest::newRow("finite: inf") << "C"_ba << u"inf"_s << 0.0;
    QTest::newRow("finite: nan") << "C"_ba << u"nan"_s << 0.0;
    QTest::newRow("finite: infinity") << "en_US"_ba << u"-Infinity"_s << 0.0;
    QTest::newRow("finite: underflow") << "C"_ba << u"1e-400"_s << 0.0;

    // The correctly rounded double of every digit read.
    QTest::newRow("rounding: tie to even") << "C"_ba << u"9007199254740993"_s << 9007199254740992.0;
    QTest::newRow("rounding: just above tie")
        << "C"_ba << u"9007199254740993.00000000000000000001"_s << 9007199254740994.0;
    QTest::newRow("rounding: largest double") << "C"_ba << u"1.7976931348623157e308"_s << DBL_MAX;
    QTest::newRow("rounding: smallest subnormal")
        << "C"_ba << u"4.9406564584124654e-324"_s << 4.9406564584124654e-324;
    QTest::newRow("rounding: it grouped long")
        << "it_IT"_ba << u"9.007.199.254.740.993"_s << 9007199254740992.0;
}

void TestVal::reads()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);

    COMPARE_EXACTLY(Val(text, settingsFor(locale)), expected);
}

void TestVal::overflowFails_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("exponent") << "C"_ba << u"1e400"_s;
    QTest::newRow("negative exponent form") << "C"_ba << u"-1e400"_s;
    QTest::newRow("just past the largest") << "C"_ba << u"1.7976931348623159e308"_s;
    QTest::newRow("digits") << "C"_ba << QString(u"1"_s + QString(400, u'0'));
    QTest::newRow("grouped digits")
        << "it_IT"_ba << QString(u"1"_s + QString(103, u'.').replace(u"."_s, u".000"_s));
    QTest::newRow("hex") << "C"_ba << QString(u"&H"_s + QString(300, u'F'));
    QTest::newRow("octal") << "C"_ba << QString(u"&O"_s + QString(400, u'7'));
}

void TestVal::overflowFails()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, text);

    try {
        const double value = Val(text, settingsFor(locale));
        QFAIL(qPrintable(u"read %1 instead of failing"_s.arg(value)));
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.kind(), platform::RuntimeError::Kind::Overflow);
    }
}

void TestVal::agreesWithCorrectRounding_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::newRow("C") << "C"_ba;
    QTest::newRow("en_US") << "en_US"_ba;
}

// Random decimal texts in the classic form, against the standard library's correctly rounded
// conversion.
void TestVal::agreesWithCorrectRounding()
{
    QFETCH(QByteArray, locale);
    const platform::RegionalSettings settings = settingsFor(locale);
    QRandomGenerator random(20261208);

    for (int i = 0; i < 20000; ++i) {
        std::string text;
        if (random.bounded(4) == 0)
            text += '-';
        const int integerDigits = int(random.bounded(1, 25));
        for (int d = 0; d < integerDigits; ++d)
            text += char('0' + random.bounded(10));
        if (random.bounded(2) == 0) {
            text += '.';
            const int fractionDigits = int(random.bounded(1, 25));
            for (int d = 0; d < fractionDigits; ++d)
                text += char('0' + random.bounded(10));
        }
        if (random.bounded(3) == 0)
            text += 'e' + std::to_string(int(random.bounded(-280, 280)));

        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const double actual = Val(QString::fromStdString(text), settings);
        if (std::bit_cast<std::uint64_t>(actual) != std::bit_cast<std::uint64_t>(expected))
            QFAIL(qPrintable(
                u"%1 read as %2"_s.arg(QString::fromStdString(text)).arg(actual, 0, 'g', 17)));
    }
}

// Whatever the program writes into a result box reads back as the same whole number.
void TestVal::readsOwnFormattedResultsBack()
{
    for (const QByteArray& locale :
        { "it_IT"_ba, "en_US"_ba, "de_CH"_ba, "en_IN"_ba, "fr_FR"_ba, "C"_ba }) {
        const QLocale qtLocale(QString::fromLatin1(locale));
        const platform::RegionalSettings settings = settingsFor(locale);
        for (const qint64 value : { 0LL, 7LL, 1701LL, -1701LL, 1234568LL, 9007199254740992LL }) {
            const QString written
                = locale == "C" ? QString::number(value) : qtLocale.toString(value);
            QVERIFY2(Val(written, settings) == double(value), qPrintable(written));
        }
    }
}

QTEST_GUILESS_MAIN(TestVal)
#include "tst_val.moc"
