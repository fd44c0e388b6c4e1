// SPDX-License-Identifier: MIT
#include "core/conversion.h"
#include "testsupport.h"

using namespace Qt::Literals::StringLiterals;
using Kind = platform::RuntimeError::Kind;

Q_DECLARE_METATYPE(Kind)

namespace {
enum class Direction { CmToPix, PixToCm };

core::ResultTexts run(Direction direction, const QString& h, const QString& v, const QString& d)
{
    return direction == Direction::CmToPix ? core::CmToPixRequest(h, v, d)
                                           : core::PixToCmRequest(h, v, d);
}
} // namespace

Q_DECLARE_METATYPE(Direction)

class TestConversion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void converts_data();
    void converts();
    void fails_data();
    void fails();
    void keepsEveryResultADouble();
};

void TestConversion::converts_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("expectedHorizontal");
    QTest::addColumn<QString>("expectedVertical");

    const auto cm = Direction::CmToPix;
    const auto px = Direction::PixToCm;

    QTest::newRow("defaults: cm it")
        << "it_IT"_ba << cm << u"18"_s << u"13"_s << u"240"_s << u"1.701"_s << u"1.228"_s;
    QTest::newRow("defaults: cm us")
        << "en_US"_ba << cm << u"18"_s << u"13"_s << u"240"_s << u"1,701"_s << u"1,228"_s;
    QTest::newRow("defaults: cm C")
        << "C"_ba << cm << u"18"_s << u"13"_s << u"240"_s << u"1701"_s << u"1228"_s;
    QTest::newRow("defaults: px it")
        << "it_IT"_ba << px << u"3888"_s << u"2592"_s << u"240"_s << u"41"_s << u"27"_s;
    QTest::newRow("picked: px 300")
        << "it_IT"_ba << px << u"3888"_s << u"2592"_s << u"300"_s << u"33"_s << u"22"_s;

    QTest::newRow("zero dpi: cm") << "it_IT"_ba << cm << u"18"_s << u"13"_s << u"0"_s << u"0"_s
                                  << u"0"_s;
    QTest::newRow("empty dpi: cm")
        << "it_IT"_ba << cm << u"18"_s << u"13"_s << QString() << u"0"_s << u"0"_s;
    QTest::newRow("below a half: px")
        << "it_IT"_ba << px << u"10"_s << u"1"_s << u"300"_s << u"0"_s << u"0"_s;
    QTest::newRow("negative: cm it")
        << "it_IT"_ba << cm << u"-18"_s << u"13"_s << u"240"_s << u"-1.701"_s << u"1.228"_s;
    QTest::newRow("negative dpi: px")
        << "en_US"_ba << px << u"3888"_s << u"2592"_s << u"-240"_s << u"-41"_s << u"-27"_s;
    QTest::newRow("regional input: it")
        << "it_IT"_ba << cm << u"18,5"_s << u"1.300"_s << u"240"_s << u"1.748"_s << u"122.835"_s;
    QTest::newRow("huge but finite: cm") << "C"_ba << cm << u"1e300"_s << u"1"_s << u"1"_s
                                         << QString::number(1e300 / 2.54, 'f', 0) << u"0"_s;

    // Exact halves that any other order of the operations would round the other way.
    QTest::newRow("order: cm divide first")
        << "C"_ba << cm << u"0.09"_s << u"0.21"_s << u"889"_s << u"32"_s << u"73"_s;
    QTest::newRow("order: cm not x*d/2.54")
        << "C"_ba << cm << u"0.21"_s << u"0.25"_s << u"127"_s << u"10"_s << u"12"_s;
    QTest::newRow("order: cm no d/2.54 factor")
        << "C"_ba << cm << u"0.21"_s << u"0.21"_s << u"381"_s << u"31"_s << u"31"_s;
    QTest::newRow("order: px multiply first")
        << "C"_ba << px << u"1075"_s << u"9775"_s << u"127"_s << u"22"_s << u"196"_s;
    QTest::newRow("order: px no 2.54/d factor")
        << "C"_ba << px << u"1725"_s << u"3450"_s << u"69"_s << u"64"_s << u"127"_s;
}

void TestConversion::converts()
{
    QFETCH(QByteArray, locale);
    QFETCH(Direction, direction);
    QFETCH(QString, horizontal);
    QFETCH(QString, vertical);
    QFETCH(QString, resolution);
    QFETCH(QString, expectedHorizontal);
    QFETCH(QString, expectedVertical);

    platform::setCurrentRegionalSettings(settingsFor(locale));
    const core::ResultTexts result = run(direction, horizontal, vertical, resolution);
    QCOMPARE(result.horizontal, expectedHorizontal);
    QCOMPARE(result.vertical, expectedVertical);
}

void TestConversion::fails_data()
{
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<Kind>("kind");

    const auto cm = Direction::CmToPix;
    const auto px = Direction::PixToCm;

    QTest::newRow("zero dpi: px") << px << u"3888"_s << u"2592"_s << u"0"_s << Kind::DivisionByZero;
    QTest::newRow("text dpi: px") << px << u"3888"_s << u"2592"_s << u"trecento"_s
                                  << Kind::DivisionByZero;
    QTest::newRow("zero by zero: px") << px << u"0"_s << u"0"_s << u"0"_s << Kind::DivisionByZero;
    QTest::newRow("vertical overflows: cm")
        << cm << u"18"_s << u"1e308"_s << u"240"_s << Kind::Overflow;
    QTest::newRow("vertical overflows: px")
        << px << u"3888"_s << u"1e308"_s << u"240"_s << Kind::Overflow;
    QTest::newRow("quotient overflows: px")
        << px << u"1e300"_s << u"1"_s << u"1e-10"_s << Kind::Overflow;
    QTest::newRow("unreadable size: cm")
        << cm << u"1e400"_s << u"13"_s << u"240"_s << Kind::Overflow;
    QTest::newRow("read before dividing: px")
        << px << u"3888"_s << u"1e400"_s << u"0"_s << Kind::Overflow;
}

void TestConversion::fails()
{
    QFETCH(Direction, direction);
    QFETCH(QString, horizontal);
    QFETCH(QString, vertical);
    QFETCH(QString, resolution);
    QFETCH(Kind, kind);

    platform::setCurrentRegionalSettings(settingsFor("it_IT"));
    try {
        const core::ResultTexts result = run(direction, horizontal, vertical, resolution);
        QFAIL(qPrintable(
            u"gave %1 and %2 instead of failing"_s.arg(result.horizontal, result.vertical)));
    } catch (const core::ConversionFailure& failure) {
        QCOMPARE(failure.kind(), kind);
    }
}

// Pixel counts stay doubles until they are written: nothing is truncated on the way.
void TestConversion::keepsEveryResultADouble()
{
    COMPARE_EXACTLY(core::CmToPixels(18.0, 240.0), 18.0 / 2.54 * 240.0);
    COMPARE_EXACTLY(core::PixelsToCm(2592.0, 300.0), 2592.0 * 2.54 / 300.0);
    COMPARE_EXACTLY(core::CmToPixels(1.27, 1.0), 0.5);
    QCOMPARE(core::FormatWhole(core::CmToPixels(1.27, 1.0)), u"1"_s);
}

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
