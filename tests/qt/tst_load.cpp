// SPDX-License-Identifier: MIT
#include "formfixture.h"

#include <cmath>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

qint64 residentBytes()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace

class TestLoad : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void manyClicksKeepMemoryAndResults();
};

// Clicks "CALCOLA" on alternating tabs with new inputs each time: every result must be right,
// and memory must not grow once the program has warmed up.
void TestLoad::manyClicksKeepMemoryAndResults()
{
    const int clicks = qEnvironmentVariableIsSet("LOAD_CLICKS")
        ? qEnvironmentVariableIntValue("LOAD_CLICKS")
        : 100000;
    const std::unique_ptr<FormWindow> form = startForm("C");
    const QList<int> resolutions { 72, 90, 150, 240, 300 };
    qint64 warmedUp = 0;

    for (int i = 0; i < clicks; ++i) {
        const int tab = i % 2;
        showTab(*form, tab);
        const double horizontal = (i % 7919) + 0.25 * (i % 4);
        const double vertical = i % 613;
        const int resolution = resolutions[i % resolutions.size()];
        const QStringList inputs = tab == 0 ? QStringList { u"Text1"_s, u"Text2"_s, u"Combo1"_s }
                                            : QStringList { u"Text8"_s, u"Text7"_s, u"Combo2"_s };
        setTextOf(*form, inputs[0], QString::number(horizontal));
        setTextOf(*form, inputs[1], QString::number(vertical));
        setTextOf(*form, inputs[2], QString::number(resolution));
        click(*form, tab == 0 ? u"Command1"_s : u"Command2"_s);
        // What the program's event loop does between two clicks: repaint and tidy up.
        QCoreApplication::processEvents();

        const auto expected = [&](double value) {
            const double result = tab == 0 ? value / 2.54 * resolution : value * 2.54 / resolution;
            return QString::number(std::llround(result));
        };
        const QString horizontalResult = textOf(*form, tab == 0 ? u"Text3"_s : u"Text6"_s);
        const QString verticalResult = textOf(*form, tab == 0 ? u"Text4"_s : u"Text5"_s);
        if (horizontalResult != expected(horizontal) || verticalResult != expected(vertical))
            QFAIL(
                qPrintable(u"click %1: %2 and %3"_s.arg(i).arg(horizontalResult, verticalResult)));
        if (i == 999)
            warmedUp = residentBytes();
    }

    QVERIFY(failureReports(*form).isEmpty());
    const qint64 growth = residentBytes() - warmedUp;
    qInfo("resident memory after 1000 clicks: %lld KiB; after %d: %+lld KiB", warmedUp / 1024,
        clicks, growth / 1024);
    if (underAddressSanitizer)
        QSKIP("AddressSanitizer holds freed memory in quarantine: no memory bound to check");
    QVERIFY2(growth <= 1024 * 1024, qPrintable(u"grew by %1 KiB"_s.arg(growth / 1024)));
}

QTEST_MAIN(TestLoad)
#include "tst_load.moc"
