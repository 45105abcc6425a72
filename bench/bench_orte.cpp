// Speed of places by name: umbrix --suche and --ort NAME as whole processes
// (the gazetteer's table read from the cache; and once made anew), against
// --ort with coordinates; and, in one process, a lookup by name and the
// nearest town once the table is read.
#include <benchmark/benchmark.h>

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "orte/orte.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<testhilfe::Arbeitsverzeichnis> cache;

void prozess(benchmark::State &state, const std::vector<std::string> &argumente, bool neu)
{
    std::vector<std::string> a = argumente;
    a.insert(a.begin(), UMBRIX_BINARY);
    for (auto _ : state) {
        std::unique_ptr<testhilfe::Arbeitsverzeichnis> leer;
        if (neu) {
            state.PauseTiming();
            leer = std::make_unique<testhilfe::Arbeitsverzeichnis>();
            state.ResumeTiming();
        }
        testhilfe::Kindprozess k(a, {"DISPLAY", "XDG_CACHE_HOME=" + (neu ? leer : cache)->pfad()}, UMBRIX_BUILD_DIR);
        if (k.warten(60) != 0) state.SkipWithError(k.ausgabe().c_str());
    }
}

void BM_Prozess_suche_Dallas(benchmark::State &state)
{
    prozess(state, {"--suche", "Dallas"}, false);
}
BENCHMARK(BM_Prozess_suche_Dallas)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Prozess_ort_Dallas(benchmark::State &state)
{
    prozess(state, {"--ort", "Dallas", "2024", "4"}, false);
}
BENCHMARK(BM_Prozess_ort_Dallas)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Prozess_ort_Koordinaten(benchmark::State &state)
{
    prozess(state, {"--ort", "32.7831", "-96.8067", "2024", "4"}, false);
}
BENCHMARK(BM_Prozess_ort_Koordinaten)->Unit(benchmark::kMillisecond)->UseRealTime();

// The table made from libgeonames, as on the first use.
void BM_Prozess_suche_ohne_Cache(benchmark::State &state)
{
    prozess(state, {"--suche", "Dallas"}, true);
}
BENCHMARK(BM_Prozess_suche_ohne_Cache)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ort_finden(benchmark::State &state)
{
    Ortsangabe o;
    std::string fehler;
    for (auto _ : state) benchmark::DoNotOptimize(ort_finden("Springfield, Illinois", &o, &fehler));
}
BENCHMARK(BM_ort_finden)->Unit(benchmark::kMillisecond);

void BM_naechster_ort(benchmark::State &state)
{
    Ortsangabe o;
    for (auto _ : state) benchmark::DoNotOptimize(naechster_ort(Ort{25.7, 32.6, 0}, &o));
}
BENCHMARK(BM_naechster_ort)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    cache = std::make_unique<testhilfe::Arbeitsverzeichnis>();
    setenv("XDG_CACHE_HOME", cache->pfad().c_str(), 1);
    // The table made once, so that the processes read it from the cache.
    Ortsangabe o;
    std::string fehler;
    if (!ort_finden("Dallas", &o, &fehler)) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    cache.reset();
    return 0;
}
