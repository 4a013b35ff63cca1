// One longitude from the compiled-in series: Eros's and its rate at moments
// spread over 1900-2100, as the result and the wheel ask for them. The mark
// is absolute, not a ratio: a longitude is asked for a handful of times a
// result, and what matters is that it stays well below a microsecond.
#include "astro/Longitude.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr double MarkNs = 1000; // per longitude

const std::vector<double> &moments()
{
    static const std::vector<double> minutes = [] {
        std::mt19937_64 random(34);
        std::uniform_real_distribution<double> moment(double(astro::series::FirstMinute),
                                                      double(astro::series::LastMinute));
        std::vector<double> v(4096);
        for (double &m : v)
            m = moment(random);
        return v;
    }();
    return minutes;
}

double worstNs = 0;

template <std::optional<double> (*F)(double)>
void BM_Longitude(benchmark::State &state)
{
    const std::vector<double> &minutes = moments();
    for (auto _ : state) {
        for (double m : minutes)
            benchmark::DoNotOptimize(F(m));
    }
    state.counters["ns_per_longitude"] = benchmark::Counter(
        static_cast<double>(state.iterations() * minutes.size()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Longitude<astro::ErosLongitude>)->Name("ErosLongitude");
BENCHMARK(BM_Longitude<astro::ErosLongitudeRate>)->Name("ErosLongitudeRate");
BENCHMARK(BM_Longitude<astro::SunLongitude>)->Name("SunLongitude");

// Reads every run's per-longitude time for the mark.
class MarkReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const auto it = run.counters.find("ns_per_longitude");
            if (it != run.counters.end())
                worstNs = std::max(worstNs, 1e9 * double(it->second));
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

// Exit status: 0 the mark met, 3 a longitude slower than it.
int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MarkReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool met = worstNs <= MarkNs;
    std::printf("slowest longitude %.0f ns, mark <= %.0f ns: %s\n", worstNs, MarkNs, met ? "met" : "MISSED");
    return met ? 0 : 3;
}
