// SPDX-License-Identifier: MIT
// One request in each direction, texts in and texts out, beside a floor that does the least
// such a request must: read three numbers with strtod and write two integers as texts.
#include "core/conversion.h"
#include "platform/qt/qtregionalsettings.h"

#include <QString>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

void useItalianSettings()
{
    platform::setCurrentRegionalSettings(platform::regionalSettingsOfLocaleName("it_IT"));
}

void CmToPixRequest(benchmark::State& state)
{
    useItalianSettings();
    const std::u16string horizontal = u"18", vertical = u"13", resolution = u"240";
    for (auto _ : state) {
        core::ResultTexts results = core::CmToPixRequest(horizontal, vertical, resolution);
        benchmark::DoNotOptimize(results);
    }
}

void PixToCmRequest(benchmark::State& state)
{
    useItalianSettings();
    const std::u16string horizontal = u"3888", vertical = u"2592", resolution = u"240";
    for (auto _ : state) {
        core::ResultTexts results = core::PixToCmRequest(horizontal, vertical, resolution);
        benchmark::DoNotOptimize(results);
    }
}

void Floor(benchmark::State& state)
{
    const char* texts[] = { "3888", "2592", "240" };
    for (auto _ : state) {
        benchmark::DoNotOptimize(texts);
        const double horizontal = std::strtod(texts[0], nullptr);
        const double vertical = std::strtod(texts[1], nullptr);
        const double resolution = std::strtod(texts[2], nullptr);
        QString first = QString::number(qint64(horizontal / resolution));
        QString second = QString::number(qint64(vertical / resolution));
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
    }
}

} // namespace

BENCHMARK(CmToPixRequest);
BENCHMARK(PixToCmRequest);
BENCHMARK(Floor);
BENCHMARK_MAIN();
