// Speed of the local circumstances: one place and one eclipse, the list of
// a place over every eclipse of the shipped file (computation only, the
// records already read), and reading the file as --ort and --liste do.
#include <benchmark/benchmark.h>

#include "hilfe/besselsaetze.h"
#include "finsternis/finsternis.h"

#include <cstdio>
#include <vector>

namespace {

const Ort dallas{32.7763, -96.7969, 0};

const std::vector<Elemente> &alle()
{
    return testhilfe::besselsaetze();
}

const Elemente &april2024()
{
    return testhilfe::besselsatz(2024, 4);
}

void EinOrtEineFinsternis(benchmark::State &state)
{
    const Elemente &b = april2024();
    for (auto _ : state) benchmark::DoNotOptimize(ortsumstaende(b, dallas));
}
BENCHMARK(EinOrtEineFinsternis);

void EinOrtEineFinsternisMitZeilen(benchmark::State &state)
{
    const Elemente &b = april2024();
    for (auto _ : state) benchmark::DoNotOptimize(ortszeilen(b, dallas, ortsumstaende(b, dallas)));
}
BENCHMARK(EinOrtEineFinsternisMitZeilen);

void ListeAllerFinsternisse(benchmark::State &state)
{
    const std::vector<Elemente> &a = alle();
    for (auto _ : state) benchmark::DoNotOptimize(finsternisliste(a, dallas, 1901, 2300));
    state.counters["Finsternisse"] = static_cast<double>(a.size());
}
BENCHMARK(ListeAllerFinsternisse)->Unit(benchmark::kMillisecond);

void DateiLesen(benchmark::State &state)
{
    for (auto _ : state) {
        std::FILE *f = std::fopen(UMBRIX_BUILD_DIR "/Ecad22.prn", "r");
        if (!f) {
            state.SkipWithError("Ecad22.prn fehlt");
            return;
        }
        benchmark::DoNotOptimize(finsternisse_lesen(f, nullptr));
        std::fclose(f);
    }
}
BENCHMARK(DateiLesen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
