#include "astro/Answer.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Every date from 1900 to 2100, as the main window hands them over with no
// time or place: the answer path's everyday work.
const std::vector<astro::Birth> &allDates()
{
    static const std::vector<astro::Birth> births = [] {
        std::vector<astro::Birth> v;
        for (int year = astro::EarliestYear; year <= astro::LatestYear; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= astro::DaysInMonth(year, month); ++day) {
                    astro::Birth b;
                    b.year = year;
                    b.month = month;
                    b.day = day;
                    b.dateOnly = true;
                    v.push_back(b);
                }
            }
        }
        return v;
    }();
    return births;
}

void BM_AnswerAllDates(benchmark::State &state)
{
    const std::vector<astro::Birth> &births = allDates();
    for (auto _ : state) {
        for (const astro::Birth &b : births)
            benchmark::DoNotOptimize(astro::AnswerFor(b));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(births.size()));
    state.counters["ns_per_answer"] = benchmark::Counter(
        static_cast<double>(state.iterations() * births.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_AnswerAllDates)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
