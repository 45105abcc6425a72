// Speed of the film: one frame of the eclipse of 8 April 2024 at 640 x 512
// added to an animated GIF (palette lookup, changed rectangle, LZW), and
// the whole film as umbrix --film makes it (121 frames drawn, read back and
// encoded, the file written). Runs on a private Xvfb of its own.
#include <benchmark/benchmark.h>

#include "betrachter/bessel.h"
#include "betrachter/datendatei.h"
#include "betrachter/filmspeichern.h"
#include "betrachter/gifdatei.h"
#include "betrachter/globusfenster.h"
#include "betrachter/pfadbild.h"
#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/xmalwerk1.h"

#include <string>
#include <vector>

namespace {

class Filmfenster {
public:
    Filmfenster()
    {
        aktuellerpfad = const_cast<char *>(UMBRIX_BUILD_DIR);
        server_.als_display_setzen();
        unsichtbares_globusfenster_oeffnen(640, 512);
        bessel.dateneinlesen(2024, 4);
        pfadbild.setzen(bessel.gelesene_elemente());
    }
    ~Filmfenster()
    {
        term_exit();
        aktuellerpfad = nullptr;
    }
    Bessel bessel;

private:
    testhilfe::XvfbServer server_{1280, 1024, 24};
};

// One window for both: the coastlines are loaded once in a process.
Filmfenster &fenster()
{
    static Filmfenster f;
    return f;
}

// Two neighbouring frames, added in turn: each is a changed frame.
void BM_Gifdatei_EinBild(benchmark::State &state)
{
    Filmfenster &f = fenster();
    std::vector<unsigned char> rgb[2];
    int b = 0, h = 0;
    for (int i = 0; i < 2; ++i) {
        bild_zeichnen(f.bessel, 0.05 * i);
        bild_lesen(&rgb[i], &b, &h);
    }
    Gifdatei film(b, h);
    int i = 0;
    for (auto _ : state) film.bild(rgb[i ^= 1], film_verzoegerung);
    state.counters["Bytes/Bild"] = benchmark::Counter(static_cast<double>(film.daten().size()) / film.bilder());
}
BENCHMARK(BM_Gifdatei_EinBild)->Unit(benchmark::kMillisecond);

void BM_Film_Ganz(benchmark::State &state)
{
    Filmfenster &f = fenster();
    testhilfe::Arbeitsverzeichnis d;
    const std::string name = d.datei("film.gif");
    for (auto _ : state) {
        std::string fehler;
        if (!film_speichern(f.bessel, name, &fehler)) state.SkipWithError(fehler.c_str());
    }
    state.counters["Bytes"] = static_cast<double>(testhilfe::datei_lesen(name).size());
}
// Real time: the server draws in a process of its own.
BENCHMARK(BM_Film_Ganz)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
