// The coastline file: GMT multi-segment text, comments, Shore and other
// segment headers, points read line by line into the fixed storage of the
// map; the storage may already be partly filled, so that its limits are
// reached with small inputs. The map is then drawn as for a frame.
#include "programmfenster.h"

#include "betrachter/erdkarte.h"
#include "xmalwerk1/xmalwerk1.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

bool mit_anzeige = false;

// Storage as after loading vorbelegt_linien lines of vorbelegt_punkte points.
void vorbelegen(int linien, int punkte)
{
    erdkarte.nlinien = linien;
    erdkarte.npunkte = punkte;
    for (int i = 0; i < linien; ++i)
        erdkarte.linienende[i] = static_cast<int>(static_cast<long long>(i + 1) * punkte / linien);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    mit_anzeige = fuzzhilfe::programmfenster_oeffnen("fuzz_kuestendatei");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t n)
{
    FuzzedDataProvider d(daten, n);
    // Mostly an empty map, as at the program's start.
    int linien = 0, punkte = 0;
    if (d.ConsumeIntegralInRange<int>(0, 3) == 0) {
        linien = d.ConsumeIntegralInRange<int>(0, Erdedetails::maxlinien);
        if (linien > 0) punkte = d.ConsumeIntegralInRange<int>(linien, Erdedetails::maxpunkte - 1);
    }
    const double drehung = d.ConsumeFloatingPoint<double>();
    const double neigung = d.ConsumeFloatingPoint<double>();
    const std::string inhalt = d.ConsumeRemainingBytesAsString();
    fuzzhilfe::als_datei("gmtkuesten.dat", reinterpret_cast<const uint8_t *>(inhalt.data()), inhalt.size());

    vorbelegen(linien, punkte);
    char name[] = "gmtkuesten.dat";
    const int segmente = karte_laden(name);
    FUZZ_PRUEFEN(segmente >= 0);
    // Within the limits, lines stored whole, in order, each with a point.
    FUZZ_PRUEFEN(erdkarte.nlinien >= linien && erdkarte.nlinien <= Erdedetails::maxlinien);
    FUZZ_PRUEFEN(erdkarte.npunkte >= punkte && erdkarte.npunkte <= Erdedetails::maxpunkte - 1);
    FUZZ_PRUEFEN(erdkarte.nlinien - linien <= segmente);
    int vorher = punkte;
    for (int j = linien; j < erdkarte.nlinien; ++j) {
        FUZZ_PRUEFEN(erdkarte.linienende[j] > vorher);
        FUZZ_PRUEFEN(erdkarte.linienende[j] - vorher <= 1000);  // a segment keeps its first 1000 points
        vorher = erdkarte.linienende[j];
    }
    FUZZ_PRUEFEN(vorher == erdkarte.npunkte);

    if (mit_anzeige && erdkarte.nlinien > linien) {
        screenclear(-1);
        erdkarte.zeichnen(drehung, neigung);
        PLOT_FLUSH();
        XSync(malwerk_dpy, False);
    }
    return 0;
}
