// umbrix --pfad [JAHR [MONAT [TAG]]]: the path table of one eclipse, chosen
// as the viewer chooses it (or by its day), read without the viewer's
// progress lines.
#include "pfadbefehl.h"

#include "befehle.h"

#include <cstdio>
#include <cstring>
#include <vector>

Pfadbefehl pfadbefehl_lesen(int argc, char **argv)
{
    Pfadbefehl b;
    if (argc < 2 || std::strcmp(argv[1], "--pfad") != 0) return b;
    b.gegeben = true;
    if (argc > 5) return b.fehler = std::string("--pfad: ueberzaehlige Angabe \"") + argv[5] + "\"", b;
    if (argc > 2) {
        if (!ganze_zahl(argv[2], erstes_jahr, letztes_jahr, &b.jahr))
            return b.fehler = "--pfad: JAHR ist keine ganze Zahl von " + std::to_string(erstes_jahr) + " bis " +
                              std::to_string(letztes_jahr) + ": \"" + argv[2] + "\"",
                   b;
        b.monat = 0;
        b.jahr_gegeben = true;
    }
    if (argc > 3 && !ganze_zahl(argv[3], 1, 12, &b.monat))
        return b.fehler = std::string("--pfad: MONAT ist keine ganze Zahl von 1 bis 12: \"") + argv[3] + "\"", b;
    if (argc > 4 && !ganze_zahl(argv[4], 1, 31, &b.tag))
        return b.fehler = std::string("--pfad: TAG ist keine ganze Zahl von 1 bis 31: \"") + argv[4] + "\"", b;
    return b;
}

int pfadbefehl(int argc, char **argv)
{
    const Pfadbefehl befehl = pfadbefehl_lesen(argc, argv);
    if (!befehl.fehler.empty()) return befehl_fehler(befehl.fehler, 2);
    std::vector<Elemente> alle;
    std::string grund;
    if (!finsternisdatei_lesen(&alle, &grund)) return befehl_fehler(grund, 1);
    // A year outside the file is refused, as --ort refuses it.
    const std::string ausserhalb = befehl.jahr_gegeben ? jahr_ausserhalb(alle, befehl.jahr) : "";
    if (!ausserhalb.empty()) return befehl_fehler("--pfad: " + ausserhalb, 2);
    const int i = befehl.tag ? finsternis_am(alle, befehl.jahr, befehl.monat, befehl.tag)
                             : finsternis_waehlen(alle, befehl.jahr, befehl.monat);
    if (i < 0 && befehl.tag)
        return befehl_fehler(keine_finsternis_am(alle, befehl.jahr, befehl.monat, befehl.tag, besseldatei), 2);
    if (i < 0) {
        const std::string ab = befehl.monat ? std::to_string(befehl.monat) + "." + std::to_string(befehl.jahr)
                                            : std::to_string(befehl.jahr);
        return befehl_fehler("--pfad: keine Finsternis ab " + ab + " in " + besseldatei + ".", 2);
    }
    const Elemente &e = alle[static_cast<size_t>(i)];
    const Schattenpfad pfad = schattenpfad(e);
    std::printf("%s\n", pfadkopf(e).c_str());
    for (const std::string &zeile : pfadzeilen(e, pfad)) std::printf("%s\n", zeile.c_str());
    return 0;
}
