// The eclipse file: records of 31 numbers, searched for the first eclipse
// at or after a year and month; then what the elements give for the frames
// of an animation (caption, central shadow) is computed and drawn on a
// private X server, as the program does with them.
#include "programmfenster.h"

#include "betrachter/bessel.h"
#include "betrachter/pfadbild.h"
#include "finsternis/finsternis.h"
#include "xmalwerk1/xmalwerk1.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

namespace {

bool mit_anzeige = false;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    mit_anzeige = fuzzhilfe::programmfenster_oeffnen("fuzz_besseldatei");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t n)
{
    FuzzedDataProvider d(daten, n);
    const int jahr = d.ConsumeIntegral<int>();
    const int monat = d.ConsumeIntegral<int>();
    const std::string inhalt = d.ConsumeRemainingBytesAsString();
    fuzzhilfe::als_datei(besseldatei, reinterpret_cast<const uint8_t *>(inhalt.data()), inhalt.size());

    Bessel b;
    b.dateneinlesen(jahr, monat);
    if (b.lesestand == Bessel::gefunden)
        FUZZ_PRUEFEN(!(b.fjahr < jahr || (b.fjahr == jahr && b.fmonat < monat)));
    if (b.lesestand == Bessel::fehlgeschlagen) FUZZ_PRUEFEN(!b.elemente);

    // The path of the shadow, as a table and on the globe.
    if (b.elemente) {
        const Schattenpfad p = schattenpfad(b.werte);
        for (const std::string &zeile : pfadzeilen(b.werte, p)) FUZZ_PRUEFEN(!zeile.empty());
        pfadbild.setzen(p);
    }

    // The frames of the animation, from -3 h to +3 h.
    int bild = 0;
    for (double t = -3.0; t <= 3.0; t += 0.05, ++bild) {
        char text[80];
        b.beschriftung(t, text, sizeof text);
        FUZZ_PRUEFEN(strlen(text) < sizeof text);
        Kernschatten k = b.kernschatten(t);
        FUZZ_PRUEFEN(k.farbe >= 1 && k.farbe <= 3);
        FUZZ_PRUEFEN(!(k.r < 0.005));
        // Drawing goes through the X requests; the first, middle and last frame are enough.
        if (mit_anzeige && bild % 60 == 0) {
            screenclear(-1);
            b.zeichnen(t);
        }
    }
    if (mit_anzeige) XSync(malwerk_dpy, False);
    return 0;
}
