// SPDX-License-Identifier: MIT
// The load test's clicks, many more of them: after 2000 clicks to warm up, CLICKS more (100,000
// unless given), each checked. Prints the clicks per second and how much the heap and the
// resident memory grew over them, on one line.
#include "qt/clickload.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 100000;
    constexpr int warmUpClicks = 2000;
    const std::unique_ptr<FormWindow> form = startForm("C");
    std::size_t heap = 0;
    qint64 resident = 0;
    QElapsedTimer timer;
    for (int i = 0; i < warmUpClicks + clicks; ++i) {
        if (i == warmUpClicks) {
            heap = clickload::heapInUse();
            resident = clickload::residentBytes();
            timer.start();
        }
        const QString wrong = clickload::clickAndCheck(*form, i);
        if (!wrong.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(wrong));
            return 1;
        }
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%d %.0f %+lld %+lld\n", clicks, clicks / seconds,
        qint64(clickload::heapInUse()) - qint64(heap),
        (clickload::residentBytes() - resident) / 1024);
    return 0;
}
