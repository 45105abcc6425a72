// umbrix --kanon [VON [BIS]]: the catalogue of the eclipse file, one line
// per eclipse whose greatest eclipse (TD) falls in the years VON to BIS.
#include "befehle.h"

#include <cstdio>

int kanonbefehl(int argc, char **argv)
{
    const char *namen[] = {"VON", "BIS"};
    int jahre[] = {erstes_jahr, letztes_jahr};
    if (argc > 4) return befehl_fehler(std::string("--kanon: ueberzaehlige Angabe \"") + argv[4] + "\"", 2);
    for (int i = 2; i < argc; ++i)
        if (!ganze_zahl(argv[i], erstes_jahr, letztes_jahr, &jahre[i - 2]))
            return befehl_fehler(std::string("--kanon: ") + namen[i - 2] + " ist keine ganze Zahl von " +
                                     std::to_string(erstes_jahr) + " bis " + std::to_string(letztes_jahr) + ": \"" +
                                     argv[i] + "\"",
                                 2);
    if (jahre[1] < jahre[0])
        return befehl_fehler(std::string("--kanon: BIS liegt vor VON: ") + argv[2] + " " + argv[3], 2);
    std::vector<Elemente> alle;
    std::string grund;
    if (!finsternisdatei_lesen(&alle, &grund)) return befehl_fehler(grund, 1);
    for (int i = 2; i < argc; ++i) {
        const std::string ausserhalb = jahr_ausserhalb(alle, jahre[i - 2], argv[i]);
        if (!ausserhalb.empty()) return befehl_fehler("--kanon: " + ausserhalb, 2);
    }
    std::printf("%s\n", kanonkopf);
    for (const Elemente &e : alle)
        if (e.katalogdatum.jahr >= jahre[0] && e.katalogdatum.jahr <= jahre[1])
            std::printf("%s\n", kanonzeile(e, kanonwerte(e)).c_str());
    return 0;
}
