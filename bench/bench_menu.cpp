// Cost of the menus' polling: one idle pass of waitmenu(0) with the example
// menu laid out, and maustasten taking a run of queued motion events as one.
// Runs on a private Xvfb of its own.
#include <benchmark/benchmark.h>

#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/menu/menu_intern.h"
#include "xmalwerk1/xmalwerk1.h"

namespace {

void leer(long) {}

void BM_waitmenu_LeererDurchlauf(benchmark::State &state)
{
    for (auto _ : state) benchmark::DoNotOptimize(waitmenu(0));
}
BENCHMARK(BM_waitmenu_LeererDurchlauf)->UseRealTime();

// N motion events of the application window wait in the queue; one call
// handles the last of them.
void BM_maustasten_Bewegungsfolge(benchmark::State &state)
{
    int n = static_cast<int>(state.range(0));
    XEvent e{};
    e.xmotion.type = MotionNotify;
    e.xmotion.display = dpy;
    e.xmotion.window = win10;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < n; ++i) {
            e.xmotion.x = i % 500;
            e.xmotion.y = 100;
            XPutBackEvent(dpy, &e);
        }
        state.ResumeTiming();
        maustasten();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_maustasten_Bewegungsfolge)->Arg(10)->Arg(1000)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    testhilfe::XvfbServer server(1280, 1024, 24);
    server.als_display_setzen();
    setmenu(2, "File", "Hilfe");
    setmenu(2, "Next", "Hilfe...", leer, leer);
    setmenu(1, "Jahr...", leer);
    setmenu(1, "Exit", leer);
    setsize(1000, 800, 24);
    qinital(1, 0, 0, 1, 1);
    for (int i = 0; i < 20; ++i) {
        waitmenu(0);
        Delay(1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    term_exit();
    return 0;
}
