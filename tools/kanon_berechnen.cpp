// Computes the eclipse file of every solar eclipse in a span of years from
// the ephemerides (VSOP87, ELP 2000-82B):
//
//   kanon_berechnen VON BIS [DATEI]
//
// writes the records in the layout of data/README.md to DATEI (or standard
// output) and the count to standard error.
#include "finsternis/elementberechnung.h"
#include "finsternis/finsternissuche.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    char *ende1 = nullptr, *ende2 = nullptr;
    const long von = argc >= 3 ? std::strtol(argv[1], &ende1, 10) : 0;
    const long bis = argc >= 3 ? std::strtol(argv[2], &ende2, 10) : 0;
    if (argc < 3 || argc > 4 || *ende1 != '\0' || *ende2 != '\0' || von > bis || von < -4000 || bis > 10000) {
        std::fprintf(stderr, "kanon_berechnen: Aufruf: kanon_berechnen VON BIS [DATEI]\n");
        return 2;
    }
    std::FILE *aus = argc == 4 ? std::fopen(argv[3], "w") : stdout;
    if (aus == nullptr) {
        std::fprintf(stderr, "kanon_berechnen: %s kann nicht geschrieben werden\n", argv[3]);
        return 2;
    }
    long anzahl = 0;
    finsternisse_suchen(static_cast<int>(von), static_cast<int>(bis), [&](const Elemente &e) {
        const std::string text = besselsatz_text(besselsatz_aus_elementen(e));
        std::fputs(text.c_str(), aus);
        if (++anzahl % 500 == 0) std::fprintf(stderr, "%ld ... %d\n", anzahl, e.katalogdatum.jahr);
    });
    if (aus != stdout && std::fclose(aus) != 0) {
        std::fprintf(stderr, "kanon_berechnen: %s kann nicht geschrieben werden\n", argv[3]);
        return 2;
    }
    std::fprintf(stderr, "%ld Finsternisse %ld bis %ld\n", anzahl, von, bis);
    return 0;
}
