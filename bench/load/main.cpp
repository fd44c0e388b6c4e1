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
    for (int i = 0; i < warmUpClicks; ++i)
        clickload::clickAndCheck(*form, i);

    const std::size_t heap = clickload::heapInUse();
    const qint64 resident = clickload::residentBytes();
    QElapsedTimer timer;
    timer.start();
    for (int i = warmUpClicks; i < warmUpClicks + clicks; ++i) {
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
