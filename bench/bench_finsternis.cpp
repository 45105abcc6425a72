// Speed of the eclipse viewer: one animation frame at 1280 x 1024 with the
// shipped coastlines (and its parts), outlined and shaded, loading the coastline file, and
// reading the last eclipse of the shipped eclipse file. Runs on a private
// Xvfb of its own; the data files are those beside the program.
#include <benchmark/benchmark.h>

#include "bench_programmfenster.h"
#include "betrachter/bessel.h"
#include "betrachter/erdkarte.h"
#include "betrachter/schattenbild.h"
#include "betrachter/zustand.h"
#include "xmalwerk1/xmalwerk1.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

Bessel bessel;

// The readers print a line each time; the benchmark's own report must not
// drown in them.
class OhneAusgabe {
public:
    OhneAusgabe()
    {
        fflush(stdout);
        alt_ = dup(1);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~OhneAusgabe()
    {
        fflush(stdout);
        dup2(alt_, 1);
        close(alt_);
    }

private:
    int alt_;
};

double naechstes_t(double t)
{
    t += 0.05;
    return t > 3.0 ? -3.0 : t;
}

// What main does per frame after the pacing call.
void BM_Bild(benchmark::State &state)
{
    double t = -3.0;
    for (auto _ : state) {
        changebuffer(0, 1);
        screenclear(-1);
        bessel.zeichnen(t);
        t = naechstes_t(t);
    }
}
BENCHMARK(BM_Bild)->UseRealTime()->Repetitions(9)->DisplayAggregatesOnly(true);

// The same frame shaded: land, sea and the shadow as one image of the
// globe, the outlines on top.
void BM_Bild_schattiert(benchmark::State &state)
{
    double t = -3.0;
    for (auto _ : state) {
        changebuffer(0, 1);
        screenclear(-1);
        bessel.zeichnen(t, true);
        t = naechstes_t(t);
    }
}
BENCHMARK(BM_Bild_schattiert)->UseRealTime()->Repetitions(9)->DisplayAggregatesOnly(true);

// The parts: the two copies (with the wait for the server) ...
void BM_Bild_nurKopien(benchmark::State &state)
{
    for (auto _ : state) {
        changebuffer(0, 1);
        screenclear(-1);
    }
}
BENCHMARK(BM_Bild_nurKopien)->UseRealTime()->Repetitions(5)->DisplayAggregatesOnly(true);

// ... and the coastlines alone, turned and handed to the pen plotter.
void BM_Kuestenlinien(benchmark::State &state)
{
    double t = -3.0;
    for (auto _ : state) {
        erdkarte.zeichnen(muvont(bessel.mu, t) * 0.017453292519943295, dvont(bessel.d, t) * 0.017453292519943295);
        PLOT_FLUSH();
        t = naechstes_t(t);
    }
    XSync(malwerk_dpy, False);
    state.SetItemsProcessed(state.iterations() * erdkarte.npunkte);
}
BENCHMARK(BM_Kuestenlinien)->UseRealTime();

void BM_karte_laden(benchmark::State &state)
{
    int segmente = 0;
    for (auto _ : state) {
        erdkarte.nlinien = erdkarte.npunkte = 0;
        segmente = karte_laden(const_cast<char *>("gmtkuesten.dat"));
    }
    state.counters["Segmente"] = segmente;
    state.counters["Punkte"] = erdkarte.npunkte;
}
BENCHMARK(BM_karte_laden)->Unit(benchmark::kMillisecond);

void BM_dateneinlesen_letzte(benchmark::State &state)
{
    Bessel b;
    int jahr, monat;
    {
        OhneAusgabe still;
        b.dateneinlesen(99999, 1);  // past the end: the file's last eclipse
        jahr = b.fjahr;
        monat = b.fmonat;
        for (auto _ : state) b.dateneinlesen(jahr, monat);
    }
    state.counters["Jahr"] = jahr;
    if (b.lesestand != Bessel::gefunden) state.SkipWithError("Ecad22.prn fehlt oder ist leer");
}
BENCHMARK(BM_dateneinlesen_letzte)->Unit(benchmark::kMillisecond);

// Vorige from the file's last eclipse: the reader goes through the file to
// the record before it.
void BM_satzeinlesen_vorletzte(benchmark::State &state)
{
    Bessel b;
    bool ok = true;
    {
        OhneAusgabe still;
        b.dateneinlesen(99999, 1);
        int nummer = b.satznummer - 1;
        for (auto _ : state) ok = b.satzeinlesen(nummer) && ok;
    }
    state.counters["Satz"] = b.satznummer;
    if (!ok) state.SkipWithError("Ecad22.prn fehlt oder ist zu kurz");
}
BENCHMARK(BM_satzeinlesen_vorletzte)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    Programmfenster fenster;
    {
        OhneAusgabe still;
        karte_laden(const_cast<char *>("gmtkuesten.dat"));
        landmaske_laden("gmtland.dat");
        bessel.dateneinlesen(2008, 8);
        bessel.zeichnen(0);  // the kind of the eclipse is told once
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
