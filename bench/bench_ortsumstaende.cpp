// Speed of the local circumstances: one place and one eclipse, the list of
// a place over every eclipse of the shipped file (computation only, the
// records already read), and reading the file as --ort and --liste do.
#include <benchmark/benchmark.h>

#include "bessel.h"
#include "hilfe/besselsaetze.h"
#include "hilfe/dateien.h"
#include "ortsumstaende.h"

#include <vector>

namespace {

const Ort dallas{32.7763, -96.7969, 0};

const std::vector<Bessel> &alle()
{
    return testhilfe::besselsaetze();
}

const Bessel &april2024()
{
    return testhilfe::besselsatz(2024, 4);
}

void EinOrtEineFinsternis(benchmark::State &state)
{
    const Bessel &b = april2024();
    for (auto _ : state) benchmark::DoNotOptimize(ortsumstaende(b, dallas));
}
BENCHMARK(EinOrtEineFinsternis);

void EinOrtEineFinsternisMitZeilen(benchmark::State &state)
{
    const Bessel &b = april2024();
    for (auto _ : state) benchmark::DoNotOptimize(ortszeilen(b, dallas, ortsumstaende(b, dallas)));
}
BENCHMARK(EinOrtEineFinsternisMitZeilen);

void ListeAllerFinsternisse(benchmark::State &state)
{
    const std::vector<Bessel> &a = alle();
    for (auto _ : state) benchmark::DoNotOptimize(finsternisliste(a, dallas, 1901, 2300));
    state.counters["Finsternisse"] = static_cast<double>(a.size());
}
BENCHMARK(ListeAllerFinsternisse)->Unit(benchmark::kMillisecond);

void DateiLesen(benchmark::State &state)
{
    testhilfe::Verzeichniswechsel hier(UMBRIX_BUILD_DIR);
    std::vector<Bessel> v;
    for (auto _ : state) benchmark::DoNotOptimize(finsternisse_lesen(&v));
}
BENCHMARK(DateiLesen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
