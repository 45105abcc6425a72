// Speed of the file requester's listing: from reading a directory of many
// entries to the list drawn in a window, and the sort on its own beside a
// plain bubble sort of the same lines. Runs on a private Xvfb of its own.
#include <benchmark/benchmark.h>

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

std::unique_ptr<testhilfe::Arbeitsverzeichnis> wurzel;
std::map<int, std::string> verzeichnisse;  // entry count -> directory
Window fenster = 0;
GC gc = nullptr;

// A directory of n entries, one in fifty a subdirectory, made in a shuffled
// order with names of different lengths.
const std::string &verzeichnis(int n)
{
    auto it = verzeichnisse.find(n);
    if (it != verzeichnisse.end()) return it->second;
    std::string pfad = wurzel->datei("n" + std::to_string(n));
    mkdir(pfad.c_str(), 0755);
    std::vector<int> nummern(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) nummern[static_cast<size_t>(i)] = i;
    std::shuffle(nummern.begin(), nummern.end(), std::mt19937(42));
    for (int i : nummern) {
        char name[64];
        snprintf(name, sizeof name, "%s%d%s", i % 3 ? "messung_" : "Bild", i, i % 7 ? ".dat" : ".c");
        std::string voll = pfad + "/" + name;
        if (i % 50 == 0) {
            mkdir(voll.c_str(), 0755);
        } else {
            int fd = open(voll.c_str(), O_CREAT | O_WRONLY, 0644);
            if (fd >= 0) close(fd);
        }
    }
    return verzeichnisse[n] = pfad;
}

// The listing text of a directory of n entries, lines in directory order.
std::string unsortierte_liste(int n)
{
    std::vector<std::string> zeilen;
    std::mt19937 zufall(7);
    for (int i = 0; i < n; ++i) {
        char z[160];
        snprintf(z, sizeof z, "%-80.80s %s %9d", ("datei" + std::to_string(zufall() % 100000)).c_str(),
                 i % 50 == 0 ? "(dir)" : "     ", static_cast<int>(zufall() % 100000));
        zeilen.push_back(z);
    }
    std::string t;
    for (const std::string &z : zeilen) t += (t.empty() ? "" : "\n") + z;
    return t;
}

// A list gadget of 10 rows, 40 columns wide, as the file requester makes it.
NewGadget *listengadget()
{
    static NewGadget g;
    if (!g.liste) {
        const int cw = reqpixprobuchst_x, ch = reqpixprobuchst_y;
        g = NewGadget{36, 10, static_cast<short>(41 * cw), static_cast<short>(10 * (ch * 5 / 4) + (ch / 3) * 2),
                      "", 0, 17, nullptr, nullptr};
        machgadget(&g, 10);
    }
    return &g;
}

void BM_Dateiliste_bis_Bild(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string &pfad = verzeichnis(n);
    NewGadget *g = listengadget();
    for (auto _ : state) {
        char *text = getfileliste(pfad.c_str(), nullptr, 40);
        fileliste_ins_gadget_kopieren(text, g->liste);
        delete[] text;
        ngxdrawauswahlbox(fenster, gc, g);
        XSync(requester_dpy, False);  // the server's drawing counts too
    }
    if (g->liste->anzahl != n) state.SkipWithError("wrong entry count");
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_Dateiliste_bis_Bild)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_getfileliste_mit_Filter(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string &pfad = verzeichnis(n);
    for (auto _ : state) {
        char *text = getfileliste(pfad.c_str(), "*.c", 40);
        benchmark::DoNotOptimize(text);
        delete[] text;
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_getfileliste_mit_Filter)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_sortieren(benchmark::State &state)
{
    const std::string t = unsortierte_liste(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        char *s = sortieren(newstring(t.c_str()));
        benchmark::DoNotOptimize(s);
        delete[] s;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_sortieren)->Arg(1000)->Arg(4000)->Arg(20000)->Unit(benchmark::kMillisecond);

// For comparison: the bubble sort of the same lines (adjacent swaps from the
// end towards the front, pass after pass), with the same comparison.
void BM_Blasensortierung(benchmark::State &state)
{
    const std::string t = unsortierte_liste(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<char> kopie(t.begin(), t.end());
        kopie.push_back('\0');
        std::vector<const char *> zeilen{kopie.data()};
        for (char &c : kopie)
            if (c == '\n') zeilen.push_back(&c + 1);
        for (size_t i = 0; i + 1 < zeilen.size(); ++i)
            for (size_t j = zeilen.size() - 1; j > i; --j)
                if (namenvergleich(zeilen[j - 1], zeilen[j]) > 0) std::swap(zeilen[j - 1], zeilen[j]);
        benchmark::DoNotOptimize(zeilen.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Blasensortierung)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char **argv)
{
    testhilfe::XvfbServer server(1280, 1024, 24);
    server.als_display_setzen();
    requester_font_anfordern(0);
    if (!requester_bereit()) return 1;
    Display *d = requester_dpy;
    const int s = DefaultScreen(d);
    reqhigrund = WhitePixel(d, s);
    reqfogrund = BlackPixel(d, s);
    fenster = XCreateSimpleWindow(d, RootWindow(d, s), 0, 0, 800, 400, 0, reqfogrund, reqhigrund);
    XMapWindow(d, fenster);
    XGCValues v;
    v.foreground = reqfogrund;
    v.background = reqhigrund;
    v.font = requ_fontstruct->fid;
    gc = XCreateGC(d, fenster, GCForeground | GCBackground | GCFont, &v);
    XSync(d, False);
    wurzel = std::make_unique<testhilfe::Arbeitsverzeichnis>();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    wurzel.reset();
    XFreeGC(d, gc);
    XDestroyWindow(d, fenster);
    XCloseDisplay(d);
    return 0;
}
