// Speed of the place's clock: one UT instant in a zone of the system's
// time zone database, and the lines of --ort with it for a near miss,
// whose closing line seeks the nearest limit of totality.
#include <benchmark/benchmark.h>

#include "hilfe/besselsaetze.h"
#include "ortszeit/ortszeit.h"

namespace {

void EinZeitpunktInEinerZone(benchmark::State &state)
{
    Uhrzone z;
    long long s = 1712601637;  // 8.4.2024 18:40:37 UT
    for (auto _ : state) benchmark::DoNotOptimize(zonenzeit("America/Chicago", s++, &z));
}
BENCHMARK(EinZeitpunktInEinerZone);

void OrtszeilenMitZoneUndPfadnaehe(benchmark::State &state)
{
    const Elemente &e = testhilfe::besselsatz(2026, 8);
    const Ort madrid{40.4168, -3.7038, 0};
    for (auto _ : state) benchmark::DoNotOptimize(ortszeilen(e, madrid, ortsumstaende(e, madrid), "Europe/Madrid"));
}
BENCHMARK(OrtszeilenMitZoneUndPfadnaehe)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
