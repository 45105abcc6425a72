// Speed of the drawing layer: polylines through the pen plotter and the
// direct path into a 1280 x 1024 back buffer, and the cost of colour and
// pattern changes, and a PNG file of the picture. Runs on a private Xvfb of
// its own.
#include <benchmark/benchmark.h>

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/xmalwerk1.h"
#include "xmalwerk1/core/intern.h"

#include <cmath>
#include <vector>

namespace {

// Coastline-like polyline: many short segments around a circle.
std::vector<double> xs, ys;

void punkte_machen(int n)
{
    xs.resize(static_cast<size_t>(n));
    ys.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        double w = 2 * M_PI * i / n;
        xs[i] = 640 + 450 * std::cos(w) + 3 * std::sin(37 * w);
        ys[i] = 512 + 450 * std::sin(w) + 3 * std::cos(41 * w);
    }
}

// Second argument: the pen pattern; 0 keeps the GC's initial zero-width
// line, which the server draws fastest.
void BM_q2plot_Linienzug(benchmark::State &state)
{
    int n = static_cast<int>(state.range(0));
    int muster = static_cast<int>(state.range(1));
    if (muster) {
        setpattern(muster ^ 1);
        setpattern(muster);
    }
    punkte_machen(n);
    for (auto _ : state) {
        q2plot(xs[0], ys[0], 3);
        for (int i = 1; i < n; ++i) q2plot(xs[i], ys[i], 2);
        mal_flush();
        XSync(dpy, False);  // the server's drawing counts too
    }
    state.SetItemsProcessed(state.iterations() * n);
    setpattern(0x40);
}
// Real time: the server draws in a process of its own.
BENCHMARK(BM_q2plot_Linienzug)
    ->Args({1000, 0})
    ->Args({20000, 0})
    ->Args({20000, 0x40})
    ->Args({20000, 0x161})
    ->UseRealTime();

void BM_mal_line_Direkt(benchmark::State &state)
{
    int n = static_cast<int>(state.range(0));
    punkte_machen(n);
    for (auto _ : state) {
        mal_line(n, xs.data(), ys.data());
        XSync(dpy, False);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_mal_line_Direkt)->Arg(20000)->UseRealTime();

void BM_color_Wechsel(benchmark::State &state)
{
    int farbe = 2;
    for (auto _ : state) {
        color(farbe);
        farbe ^= 1;  // 2, 3, 2, ...
    }
    XSync(dpy, False);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_color_Wechsel);

void BM_setpattern_Wechsel(benchmark::State &state)
{
    int muster = 0x61;
    for (auto _ : state) {
        setpattern(muster);
        muster ^= 0x102;  // thin dotted, thick short dash, ...
    }
    XSync(dpy, False);
    setpattern(0x40);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_setpattern_Wechsel);

// The whole 1280 x 1024 drawing area read back and written as a PNG file.
void BM_png_speichern(benchmark::State &state)
{
    testhilfe::Arbeitsverzeichnis d;
    const std::string datei = d.datei("b.png");
    punkte_machen(20000);
    mal_line(20000, xs.data(), ys.data());
    for (auto _ : state) png_speichern(datei.c_str());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_png_speichern)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    testhilfe::XvfbServer server(1600, 1200, 24);
    server.als_display_setzen();
    setsize(1280, 1024, 24);
    qinital(1, 0, 0, 1279, 1023);
    farbtabelle_erstellen();
    dpuffer = XCreatePixmap(dpy, win10, static_cast<unsigned>(winbreite), static_cast<unsigned>(winhoehe),
                            static_cast<unsigned>(dept));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XFreePixmap(dpy, dpuffer);
    dpuffer = 0;
    term_exit();
    return 0;
}
