// SPDX-License-Identifier: MIT
#pragma once
// Many clicks on "CALCOLA", on alternating tabs with new inputs each time, and the memory the
// program holds meanwhile: shared by the load test and the load benchmark.
#include "formfixture.h"

#include <cmath>
#include <cstddef>
#include <malloc.h>
#include <unistd.h>

namespace clickload {

// The bytes malloc has handed out and not had back. Exact to the byte, where the resident size
// moves by whole pages and with what the allocator keeps cached.
inline std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

inline qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// Click number `number`: its tab, three inputs and CALCOLA, then what the program's event loop
// does between two clicks. Returns what was wrong with the results, or nothing.
inline QString clickAndCheck(const FormWindow& form, int number)
{
    using namespace Qt::Literals::StringLiterals;
    static const QList<int> resolutions { 72, 90, 150, 240, 300 };
    const int tab = number % 2;
    showTab(form, tab);
    const double horizontal = (number % 7919) + 0.25 * (number % 4);
    const double vertical = number % 613;
    const int resolution = resolutions[number % resolutions.size()];
    const QStringList inputs = tab == 0 ? QStringList { u"Text1"_s, u"Text2"_s, u"Combo1"_s }
                                        : QStringList { u"Text8"_s, u"Text7"_s, u"Combo2"_s };
    setTextOf(form, inputs[0], QString::number(horizontal));
    setTextOf(form, inputs[1], QString::number(vertical));
    setTextOf(form, inputs[2], QString::number(resolution));
    click(form, tab == 0 ? u"Command1"_s : u"Command2"_s);
    QCoreApplication::processEvents();

    const auto expected = [&](double value) {
        const double result = tab == 0 ? value / 2.54 * resolution : value * 2.54 / resolution;
        return QString::number(std::llround(result));
    };
    const QString horizontalResult = textOf(form, tab == 0 ? u"Text3"_s : u"Text6"_s);
    const QString verticalResult = textOf(form, tab == 0 ? u"Text4"_s : u"Text5"_s);
    if (horizontalResult == expected(horizontal) && verticalResult == expected(vertical))
        return {};
    return u"click %1: %2 and %3"_s.arg(number).arg(horizontalResult, verticalResult);
}

} // namespace clickload
