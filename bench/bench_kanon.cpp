// Speed of the catalogue over five millennia: `umbrix --kanon` as a whole
// process over a file of 11898 eclipses (budget 2 s), and the eclipses
// seen from one place over the same (what --liste computes; budget
// 100 ms). The file repeats the canon's sample (data/canon/kanon-stichprobe.prn),
// each record 199 or 198 times a minute apart, as many as the canon has
// eclipses from -1999 to 3000.
#include <benchmark/benchmark.h>

#include "finsternis/finsternis.h"
#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int alle_finsternisse = 11898;

std::string fuenf_jahrtausende()
{
    std::istringstream ein(testhilfe::datei_lesen(UMBRIX_SOURCE_DIR "/data/canon/kanon-stichprobe.prn"));
    std::vector<std::vector<std::string>> saetze;
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (saetze.empty() || saetze.back().size() == 10) saetze.emplace_back();
        saetze.back().push_back(zeile);
    }
    std::string text;
    const int je = alle_finsternisse / static_cast<int>(saetze.size());
    const int mehr = alle_finsternisse % static_cast<int>(saetze.size());
    for (size_t i = 0; i < saetze.size(); ++i) {
        std::istringstream dritte(saetze[i][2]);
        double jd;
        std::string rest;
        dritte >> jd;
        std::getline(dritte, rest);
        for (int k = 0; k < je + (static_cast<int>(i) < mehr); ++k) {
            char neu[64];
            std::snprintf(neu, sizeof neu, "%.10f", jd + k / 1440.0);
            for (size_t z = 0; z < 10; ++z) text += (z == 2 ? neu + rest : saetze[i][z]) + "\n";
        }
    }
    return text;
}

testhilfe::Arbeitsverzeichnis &verzeichnis()
{
    static testhilfe::Arbeitsverzeichnis v;
    static bool geschrieben = false;
    if (!geschrieben) testhilfe::datei_schreiben(v.datei("Ecad22.prn"), fuenf_jahrtausende());
    geschrieben = true;
    return v;
}

void BM_KanonProzess(benchmark::State &state)
{
    const std::string pfad = verzeichnis().pfad();
    for (auto _ : state) {
        testhilfe::Kindprozess k({UMBRIX_BINARY, "--kanon"}, {"DISPLAY"}, pfad);
        if (k.warten(60) != 0 || std::count(k.ausgabe().begin(), k.ausgabe().end(), '\n') != alle_finsternisse + 1)
            state.SkipWithError("umbrix --kanon ohne alle Zeilen");
    }
}
BENCHMARK(BM_KanonProzess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ListeFuenfJahrtausende(benchmark::State &state)
{
    std::FILE *f = std::fopen(verzeichnis().datei("Ecad22.prn").c_str(), "r");
    std::string fehler;
    const std::vector<Elemente> alle = finsternisse_lesen(f, &fehler);
    std::fclose(f);
    if (alle.size() != alle_finsternisse) state.SkipWithError(("nicht alle Finsternisse: " + fehler).c_str());
    Ort ort;
    ort.breite = 37.97;  // Athens
    ort.laenge = 23.72;
    size_t gesehen = 0;
    for (auto _ : state) gesehen = finsternisliste(alle, ort, erstes_jahr, letztes_jahr).size();
    state.counters["gesehen"] = static_cast<double>(gesehen);
}
BENCHMARK(BM_ListeFuenfJahrtausende)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
