#include "astro/modPlanetSign.h"

#include <QDate>
#include <QString>

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

struct DateTexts {
    QString year;
    QString month;
    QString day;
};

// Every real date of the table, as the three lists would hand them over.
const std::vector<DateTexts> &allDates()
{
    static const std::vector<DateTexts> dates = [] {
        static const std::array<const char *, 12> months = {"January", "February", "March",     "April",
                                                            "May",     "June",     "July",      "August",
                                                            "September", "October", "November", "December"};
        std::vector<DateTexts> v;
        for (QDate d(1940, 1, 1); d <= QDate(1990, 12, 31); d = d.addDays(1))
            v.push_back({QString::number(d.year()), QString::fromLatin1(months[d.month() - 1]),
                         QString::number(d.day())});
        return v;
    }();
    return dates;
}

void BM_LookupAllDates(benchmark::State &state)
{
    const std::vector<DateTexts> &dates = allDates();
    for (auto _ : state) {
        for (const DateTexts &d : dates)
            benchmark::DoNotOptimize(astro::LookupSign(d.year, d.month, d.day));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(dates.size()));
    state.counters["ns_per_lookup"] = benchmark::Counter(
        static_cast<double>(state.iterations() * dates.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LookupAllDates)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
