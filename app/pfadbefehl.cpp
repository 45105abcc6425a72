// umbrix --pfad [JAHR [MONAT]]: the path table of one eclipse, chosen as
// the viewer chooses it, read without the viewer's progress lines.
#include "pfadbefehl.h"

#include "bessel.h"
#include "dezimalzahl.h"
#include "finsterniswahl.h"
#include "ortbefehl.h"
#include "ortsumstaende.h"
#include "schattenpfad.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// A whole number within von..bis.
bool ganze_zahl(const char *text, int von, int bis, int *wert)
{
    int w = 0;
    if (!ganzzahl_lesen(text, &w) || w < von || w > bis) return false;
    *wert = w;
    return true;
}

}  // namespace

Pfadbefehl pfadbefehl_lesen(int argc, char **argv)
{
    Pfadbefehl b;
    if (argc < 2 || std::strcmp(argv[1], "--pfad") != 0) return b;
    b.gegeben = true;
    if (argc > 4) return b.fehler = std::string("--pfad: ueberzaehlige Angabe \"") + argv[4] + "\"", b;
    if (argc > 2) {
        if (!ganze_zahl(argv[2], 1, 9999, &b.jahr))
            return b.fehler = std::string("--pfad: JAHR ist keine ganze Zahl von 1 bis 9999: \"") + argv[2] + "\"", b;
        b.monat = 0;
        b.jahr_gegeben = true;
    }
    if (argc > 3 && !ganze_zahl(argv[3], 1, 12, &b.monat))
        return b.fehler = std::string("--pfad: MONAT ist keine ganze Zahl von 1 bis 12: \"") + argv[3] + "\"", b;
    return b;
}

bool pfadbefehl(int argc, char **argv, int *status)
{
    const Pfadbefehl befehl = pfadbefehl_lesen(argc, argv);
    if (!befehl.gegeben) return false;
    if (!befehl.fehler.empty()) {
        *status = befehl_fehler(befehl.fehler, 2);
        return true;
    }
    std::vector<Bessel> alle;
    std::string grund;
    if (!finsternisdatei_lesen(&alle, &grund)) {
        *status = befehl_fehler(grund, 1);
        return true;
    }
    // A year outside the file is refused, as --ort refuses it.
    const std::string ausserhalb = befehl.jahr_gegeben ? jahr_ausserhalb(alle, befehl.jahr) : "";
    if (!ausserhalb.empty()) {
        *status = befehl_fehler("--pfad: " + ausserhalb, 2);
        return true;
    }
    const Bessel *gewaehlt = finsternis_waehlen(alle, befehl.jahr, befehl.monat);
    if (!gewaehlt) {
        const std::string ab = befehl.monat ? std::to_string(befehl.monat) + "." + std::to_string(befehl.jahr)
                                            : std::to_string(befehl.jahr);
        *status = befehl_fehler("--pfad: keine Finsternis ab " + ab + " in " + besseldatei + ".", 2);
        return true;
    }
    for (const std::string &zeile : pfadzeilen(*gewaehlt, schattenpfad(*gewaehlt))) std::printf("%s\n", zeile.c_str());
    *status = 0;
    return true;
}
