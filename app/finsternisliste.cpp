// Every eclipse of the eclipse file, and those of them seen from a place.
#include "bessel.h"
#include "besselsatz.h"
#include "erdkarte.h"
#include "ortsumstaende.h"

#include <cstdio>

bool finsternisse_lesen(std::vector<Bessel> *alle, std::string *fehler)
{
    alle->clear();
    if (fehler) fehler->clear();
    FILE *f = fopen2(const_cast<char *>(besseldatei), const_cast<char *>("r"));
    if (!f) return false;
    Bessel satz;
    Satzende ende;
    while ((ende = bessel_satz_lesen(f, satz)) == Satzende::ganz) {
        satz.elemente = true;
        satz.lesestand = Bessel::gefunden;
        alle->push_back(satz);
    }
    std::fclose(f);
    if (fehler && ende == Satzende::kaputt) *fehler = fehlerhafte_daten(static_cast<int>(alle->size()));
    return !alle->empty();
}

bool finsternisdatei_lesen(std::vector<Bessel> *alle, std::string *fehler)
{
    const bool gelesen = finsternisse_lesen(alle, fehler);
    if (!gelesen && fehler->empty()) *fehler = std::string("Keine Besselelemente gefunden (") + besseldatei + ").";
    return gelesen && fehler->empty();
}

std::vector<Listeneintrag> finsternisliste(const std::vector<Bessel> &alle, const Ort &ort, int von, int bis)
{
    std::vector<Listeneintrag> liste;
    for (size_t i = 0; i < alle.size(); ++i) {
        const Bessel &b = alle[i];
        if (b.fjahr < von || b.fjahr > bis) continue;
        const Ortsumstaende u = ortsumstaende(b, ort);
        if (sichtbar(u)) liste.push_back({b.fjahr, b.fmonat, b.ftag, static_cast<int>(i), listenzeile(u)});
    }
    return liste;
}

std::vector<Listeneintrag> finsternisliste(const Ort &ort, int von, int bis)
{
    std::vector<Bessel> alle;
    finsternisse_lesen(&alle);
    return finsternisliste(alle, ort, von, bis);
}
