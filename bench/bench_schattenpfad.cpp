// Speed of the path of the shadow: computing it for one eclipse (every
// minute, limits and durations included), and a frame of the viewer with
// the path drawn beside one without, at 1280 x 1024 on a private Xvfb.
#include <benchmark/benchmark.h>

#include "bench_programmfenster.h"
#include "betrachter/bessel.h"
#include "betrachter/erdkarte.h"
#include "finsternis/finsternis.h"
#include "betrachter/pfadbild.h"
#include "finsternis/finsternis.h"
#include "betrachter/zustand.h"
#include "xmalwerk1/xmalwerk1.h"

#include <vector>

namespace {

std::vector<Besselsatz> finsternisse;

const Besselsatz *finsternis(int jahr, int monat)
{
    for (const Besselsatz &b : finsternisse)
        if (b.fjahr == jahr && b.fmonat == monat) return &b;
    return nullptr;
}

// Arguments: year and month of the eclipse.
void BM_Schattenpfad(benchmark::State &state)
{
    const Besselsatz *satz = finsternis(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (!satz) {
        state.SkipWithError("Finsternis fehlt in Ecad22.prn");
        return;
    }
    const Elemente e = elemente_aus_satz(*satz);
    const Elemente *b = &e;
    size_t punkte = 0;
    for (auto _ : state) {
        Schattenpfad p = schattenpfad(*b);
        punkte = p.punkte.size() + p.halbschatten.size();
        benchmark::DoNotOptimize(p);
    }
    state.counters["Minuten"] = static_cast<double>(punkte);
}
BENCHMARK(BM_Schattenpfad)
    ->Args({2024, 4})   // total, 3 h 20 min of central line
    ->Args({2023, 10})  // annular
    ->Args({2022, 10})  // partial
    ->Unit(benchmark::kMillisecond);

Bessel bessel;

// What main does per frame after the pacing call; argument 1: with the
// path. Repetitions alternate between the two.
void BM_Bild(benchmark::State &state)
{
    pfadbild.an = state.range(0) == 1;
    double t = -3.0;
    for (auto _ : state) {
        changebuffer(0, 1);
        screenclear(-1);
        bessel.zeichnen(t);
        t = t + 0.05 > 3.0 ? -3.0 : t + 0.05;
    }
}
BENCHMARK(BM_Bild)->Arg(0)->Arg(1)->UseRealTime()->Repetitions(9)->DisplayAggregatesOnly(true);

// The path alone, without the copies of the frame.
void BM_Pfad_zeichnen(benchmark::State &state)
{
    pfadbild.an = true;
    double t = -3.0;
    for (auto _ : state) {
        pfadbild.zeichnen(muvont(bessel.mu, t) * 0.017453292519943295, dvont(bessel.d, t) * 0.017453292519943295);
        PLOT_FLUSH();
        t = t + 0.05 > 3.0 ? -3.0 : t + 0.05;
    }
    XSync(malwerk_dpy, False);
}
BENCHMARK(BM_Pfad_zeichnen)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    Programmfenster fenster;
    std::string fehler;
    besselsaetze_einlesen(&finsternisse, &fehler);
    karte_laden(const_cast<char *>("gmtkuesten.dat"));
    if (const Besselsatz *b = finsternis(2024, 4)) bessel.uebernehmen(*b, 0);
    pfadbild.setzen(bessel.gelesene_elemente());
    bessel.zeichnen(0);  // the kind of the eclipse is told once
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
