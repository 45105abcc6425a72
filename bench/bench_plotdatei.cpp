// Speed of the plot-file recorder: one picture of 16000 points (the size of
// the coastline map) written to a file in each of the four formats. No X
// connection is needed.
#include <benchmark/benchmark.h>

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

void aufzeichnen(benchmark::State &state, int iff, int post, int svg = 0)
{
    testhilfe::Arbeitsverzeichnis d;
    testhilfe::Verzeichniswechsel wd(d.pfad());
    testhilfe::bild_ohne_fenster(-2, -1.5, 2, 1.5, 1280, 1024);
    malwerk_iffflag = iff;
    malwerk_postflag = post;
    malwerk_svgflag = svg;
    const int n = static_cast<int>(state.range(0));
    std::vector<double> xs(n), ys(n);
    for (int i = 0; i < n; ++i) {
        double w = 2 * M_PI * i / n;
        xs[i] = 1.4 * std::cos(w) + 0.01 * std::sin(37 * w);
        ys[i] = 1.4 * std::sin(w) + 0.01 * std::cos(41 * w);
    }
    // Keep the axis report of the TELL-A-GRAF header off the benchmark's
    // own output.
    fflush(stdout);
    int alt = dup(1);
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    close(null);
    for (auto _ : state) {
        bildopen(iff ? "b.iff" : post ? "b.eps" : svg ? "b.svg" : "b.tag");
        for (int i = 0; i < n; ++i) bildplot(xs[i], ys[i], i % 400 == 0 ? 3 : 2);
        bildclose();
        if (!iff && !post && !svg) remove("b.tag");  // appended otherwise
    }
    fflush(stdout);
    dup2(alt, 1);
    close(alt);
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_Iff(benchmark::State &state) { aufzeichnen(state, 1, 0); }
void BM_PostScript(benchmark::State &state) { aufzeichnen(state, 0, 1); }
void BM_TellAGraf(benchmark::State &state) { aufzeichnen(state, 0, 0); }
void BM_Svg(benchmark::State &state) { aufzeichnen(state, 0, 0, 1); }

}  // namespace

BENCHMARK(BM_Iff)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostScript)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TellAGraf)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Svg)->Arg(16000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
