// Speed of the elements computed from the ephemerides: one evaluation of
// the Moon (ELP 2000-82B, every term) and of the Sun (VSOP87), and the
// elements of one eclipse on demand (at most 50 ms asked), now and some
// three thousand years ago.
#include <benchmark/benchmark.h>

#include "finsternis/elementberechnung.h"
#include "finsternis/ephemeride.h"

namespace {

// One evaluation of a theory, at a moment moved on each time.
void BM_Ephemeride(benchmark::State &state, Ekliptikal (*ort)(double))
{
    double jd = 2460409.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ort(jd));
        jd += 1e-3;
    }
}
BENCHMARK_CAPTURE(BM_Ephemeride, mond, mond_ekliptikal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ephemeride, sonne, sonne_ekliptikal)->Unit(benchmark::kMillisecond);

// Arguments: greatest eclipse (Julian date, TD, rounded) and Delta T.
void BM_FinsternisBerechnen(benchmark::State &state)
{
    const double jd = static_cast<double>(state.range(0)) + 0.26, delta_t = static_cast<double>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(finsternis_berechnen(jd, delta_t));
}
// 2024 April 8 and -1028 October 12 (Julian calendar).
BENCHMARK(BM_FinsternisBerechnen)->Args({2460409, 74})->Args({1345865, 25806})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
