// Answering --ort and --liste from the eclipse file, without a display and
// without the viewer's progress lines.
#include "bessel.h"
#include "ortbefehl.h"
#include "ortsumstaende.h"

#include <cstdio>
#include <vector>

namespace {

int fehler(const std::string &text, int status)
{
    std::fprintf(stderr, "umbrix: %s\n", text.c_str());
    return status;
}

// The first record at or after the month, as the viewer's reader chooses.
const Bessel *auswaehlen(const std::vector<Bessel> &alle, int jahr, int monat)
{
    for (const Bessel &b : alle)
        if (!(b.fjahr < jahr || (b.fjahr == jahr && b.fmonat < monat))) return &b;
    return nullptr;
}

}  // namespace

int ortbefehl_ausfuehren(const Ortbefehl &befehl)
{
    if (!befehl.fehler.empty()) return fehler(befehl.fehler, 2);
    std::vector<Bessel> alle;
    if (!finsternisse_lesen(&alle)) return fehler(std::string("Keine Besselelemente gefunden (") + besseldatei + ").", 1);
    const int erstes = alle.front().fjahr, letztes = alle.back().fjahr;
    auto ausserhalb = [&](int jahr) {
        return fehler("Jahr " + std::to_string(jahr) + " ausserhalb der Datei (" + std::to_string(erstes) + " bis " +
                          std::to_string(letztes) + ").",
                      2);
    };
    if (befehl.jahre >= 1 && (befehl.zahl1 < erstes || befehl.zahl1 > letztes)) return ausserhalb(befehl.zahl1);
    if (befehl.art == Ortbefehl::liste && befehl.jahre == 2 && (befehl.zahl2 < erstes || befehl.zahl2 > letztes))
        return ausserhalb(befehl.zahl2);

    if (befehl.art == Ortbefehl::liste) {
        const int von = befehl.jahre >= 1 ? befehl.zahl1 : erstes;
        const int bis = befehl.jahre == 2 ? befehl.zahl2 : letztes;
        for (const Listeneintrag &e : finsternisliste(alle, befehl.platz, von, bis)) std::printf("%s\n", e.zeile.c_str());
        return 0;
    }
    // Without a year the viewer's own default, August 2008.
    const int jahr = befehl.jahre >= 1 ? befehl.zahl1 : 2008;
    const int monat = befehl.jahre == 2 ? befehl.zahl2 : befehl.jahre == 1 ? 0 : 8;
    const Bessel *b = auswaehlen(alle, jahr, monat);
    if (!b)
        return fehler("Keine Finsternis ab " + std::to_string(monat) + "." + std::to_string(jahr) + " in " +
                          besseldatei + ".",
                      2);
    for (const std::string &zeile : ortszeilen(*b, befehl.platz, ortsumstaende(*b, befehl.platz)))
        std::printf("%s\n", zeile.c_str());
    return 0;
}
