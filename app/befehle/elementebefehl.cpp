// umbrix --elemente JAHR MONAT [TAG]: the polynomial elements of one
// eclipse as the canon gives them, in TD and referred to the ephemeris
// meridian, one item a line.
#include "befehle.h"

#include <cstdio>

namespace {

void koeffizienten(const char *name, const double *c, int anzahl)
{
    std::printf("%s:", name);
    for (int i = 0; i < anzahl; ++i) std::printf(" %.7f", c[i]);
    std::printf("\n");
}

}  // namespace

int elementebefehl(int argc, char **argv)
{
    if (argc < 4) return befehl_fehler(anwendungszeile("--elemente"), 2);
    if (argc > 5) return befehl_fehler(std::string("--elemente: ueberzaehlige Angabe \"") + argv[5] + "\"", 2);
    int jahr = 0, monat = 0, tag = 0;
    if (!ganze_zahl(argv[2], erstes_jahr, letztes_jahr, &jahr))
        return befehl_fehler("--elemente: JAHR ist keine ganze Zahl von " + std::to_string(erstes_jahr) + " bis " +
                                 std::to_string(letztes_jahr) + ": \"" + argv[2] + "\"",
                             2);
    if (!ganze_zahl(argv[3], 1, 12, &monat))
        return befehl_fehler(std::string("--elemente: MONAT ist keine ganze Zahl von 1 bis 12: \"") + argv[3] + "\"", 2);
    if (argc > 4 && !ganze_zahl(argv[4], 1, 31, &tag))
        return befehl_fehler(std::string("--elemente: TAG ist keine ganze Zahl von 1 bis 31: \"") + argv[4] + "\"", 2);
    std::vector<Elemente> alle;
    std::string grund;
    if (!finsternisdatei_lesen(&alle, &grund)) return befehl_fehler(grund, 1);
    const std::string ausserhalb = jahr_ausserhalb(alle, jahr, argv[2]);
    if (!ausserhalb.empty()) return befehl_fehler("--elemente: " + ausserhalb, 2);
    const int i = tag ? finsternis_am(alle, jahr, monat, tag) : finsternis_waehlen(alle, jahr, monat);
    if (i < 0 && tag) return befehl_fehler(keine_finsternis_am(alle, jahr, monat, tag, besseldatei), 2);
    if (i < 0)
        return befehl_fehler("--elemente: keine Finsternis ab " + std::to_string(monat) + "." + std::to_string(jahr) +
                                 " in " + besseldatei + ".",
                             2);
    const Elemente &e = alle[static_cast<size_t>(i)];
    long t0_tag;
    const long long t0 = tagessekunden(e.jd + e.delta_t / 86400, &t0_tag);
    int j, m, t;
    ecad::datum_aus_tagesnummer(t0_tag, j, m, t);
    std::printf("Finsternis: %s\n", katalogdatum_text(j, m, t).c_str());
    std::printf("t0: %.3f TD\n", t0 / 3600.0);
    std::printf("Delta T: %.1f s\n", e.delta_t);
    koeffizienten("x", e.x, 4);
    koeffizienten("y", e.y, 4);
    koeffizienten("d", e.d, 3);
    koeffizienten("l1", e.l1, 3);
    koeffizienten("l2", e.l2, 3);
    const double mu[] = {mu0_ephemeridisch(e), e.mu[1]};
    koeffizienten("mu", mu, 2);
    std::printf("tan f1: %.7f\n", e.tanf1);
    std::printf("tan f2: %.7f\n", e.tanf2);
    return 0;
}
