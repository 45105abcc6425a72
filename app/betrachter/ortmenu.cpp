// The menu "Ort": a place typed in, picked on the globe, or the eclipses
// seen from it; the place's circumstances for the eclipse shown.
#include "ortmenu.h"

#include "bessel.h"
#include "datendatei.h"
#include "ortsmarke.h"
#include "zustand.h"

#include "ortszeit/ortszeit.h"

#include "xmalwerk1/xmalwerk1.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

const char *const ortschluessel = "UMBRIXORT";
const char *const menutext_koordinaten = "%AKKoordinaten...";
const char *const menutext_zeigen = "%AOZeigen";
const char *const menutext_finsternisse = "%ALFinsternisse hier...";
const char *const menutext_suchen = "%ASSuchen...";

namespace {

const Bessel *finsternis_ = nullptr;  // the eclipse shown; main keeps it for the whole run

const char *const kein_ort =
    "Noch kein Ort gesetzt:\nOrt - Koordinaten..., Ort - Suchen... oder Ort - Zeigen waehlen.";

// A message in the box, and on standard output for a terminal or a script.
void melden(const std::string &text)
{
    printf("%s\n", text.c_str());
    fflush(stdout);
    janeinrequester(const_cast<char *>(text.c_str()), nullptr, nullptr);
}

std::vector<std::string> umstaende()
{
    if (!ort_gesetzt() || !finsternis_ || !finsternis_->elemente) return {};
    const Elemente &e = finsternis_->werte;
    const Ortsangabe &o = gesetzte_ortsangabe();
    return ortszeilen(e, o.ort, ortsumstaende(e, o.ort), o.zone, o.name.empty() ? "" : ortsangabe_zeile(o));
}

std::string zeilen_ausgeben(const std::vector<std::string> &zeilen)
{
    std::string text;
    for (const std::string &z : zeilen) {
        printf("%s\n", z.c_str());
        if (!text.empty()) text += '\n';
        text += z;
    }
    fflush(stdout);
    return text;
}

// The line of the eclipse shown, or, when that cannot be seen from the
// place, the line nearest to it in time; -1 without an eclipse shown.
int gezeigte_zeile(const std::vector<Listeneintrag> &liste, const std::vector<Elemente> &finsternisse)
{
    if (!finsternis_ || !finsternis_->elemente) return -1;
    int naechste = -1;
    double abstand = 0;
    for (size_t i = 0; i < liste.size(); ++i) {
        const int satz = liste[i].satz;
        if (satz == finsternis_->satznummer) return static_cast<int>(i);
        if (satz < 0 || static_cast<size_t>(satz) >= finsternisse.size()) continue;
        const double d = std::fabs(finsternisse[static_cast<size_t>(satz)].jd - finsternis_->werte.jd);
        if (naechste < 0 || d < abstand) {
            naechste = static_cast<int>(i);
            abstand = d;
        }
    }
    return naechste;
}

// A place typed as coordinates takes the time zone of the nearest town.
Ortsangabe mit_zone(const Ort &ort)
{
    Ortsangabe o, naechster;
    o.ort = ort;
    if (naechster_ort(ort, &naechster)) o.zone = naechster.zone;
    return o;
}

// Lines of words separated by blanks as a table: each word padded to the
// widest of its column, so that the heading stands over its columns.
std::vector<std::string> in_spalten(const std::vector<std::string> &zeilen)
{
    std::vector<std::vector<std::string>> woerter;
    std::vector<size_t> breite;
    for (const std::string &z : zeilen) {
        woerter.emplace_back();
        size_t anfang = z.find_first_not_of(' ');
        while (anfang != std::string::npos) {
            const size_t ende = std::min(z.find(' ', anfang), z.size());
            woerter.back().push_back(z.substr(anfang, ende - anfang));
            if (breite.size() < woerter.back().size()) breite.push_back(0);
            breite[woerter.back().size() - 1] = std::max(breite[woerter.back().size() - 1], ende - anfang);
            anfang = z.find_first_not_of(' ', ende);
        }
    }
    std::vector<std::string> tabelle;
    for (const std::vector<std::string> &w : woerter) {
        std::string zeile;
        for (size_t i = 0; i < w.size(); ++i) {
            zeile += w[i];
            if (i + 1 < w.size()) zeile += std::string(breite[i] - w[i].size() + 1, ' ');
        }
        tabelle.push_back(zeile);
    }
    return tabelle;
}

}  // namespace

void ort_laden()
{
    const char *wert = Getenv(ortschluessel);
    if (!wert) return;
    std::string gelesen = wert;  // Getenv's buffer is reused by the next call
    std::string fehler;
    Ortsangabe ort;
    if (!ortsangabe_aus_text(gelesen.c_str(), &ort, &fehler)) {
        printf("Gespeicherter Ort %s='%s' wird nicht benutzt: %s\n", ortschluessel, gelesen.c_str(), fehler.c_str());
        fflush(stdout);
        return;
    }
    ort_merken(ort.name.empty() ? mit_zone(ort.ort) : ort);
}

void ort_setzen(const Ort &ort)
{
    ort_setzen(mit_zone(ort));
}

void ort_setzen(const Ortsangabe &ort)
{
    ort_merken(ort);
    Setenv(ortschluessel, ortsangabe_text(ort).c_str());
    std::string text = zeilen_ausgeben(umstaende());
    if (text.empty()) text = "Ort gesetzt: " + (ort.name.empty() ? ort_text(ort.ort) : ortsangabe_zeile(ort));
    janeinrequester(const_cast<char *>(text.c_str()), nullptr, nullptr);
}

void ort_zur_finsternis(const Bessel &b)
{
    finsternis_ = &b;
    zeilen_ausgeben(umstaende());
}

void m_ort_koordinaten(long)
{
    // The form copies a field's whole buffer into a text variable.
    char breite[400] = "", laenge[400] = "";
    if (ort_gesetzt()) {
        snprintf(breite, sizeof breite, "%.10g", gesetzter_ort().breite);
        snprintf(laenge, sizeof laenge, "%.10g", gesetzter_ort().laenge);
    }
    if (!requester_input(2, "Breite (Grad, Nord +)", "%s", "%s", breite, "Laenge (Grad, Ost +)", "%s", "%s",
                         laenge))
        return;
    Ort neu;
    std::string fehler;
    Ortsangabe benannt;
    const bool leer = std::string(breite).find_first_not_of(" \t") == std::string::npos;
    if (!leer && !zahlartig(breite) && std::string(laenge).find_first_not_of(" \t") == std::string::npos) {
        // A name in the first field, as the command line takes one.
        if (!ort_finden(breite, &benannt, &fehler)) {
            melden(fehler + "\nDer Ort bleibt, wie er war.");
            return;
        }
        ort_setzen(benannt);
        return;
    }
    if (!koordinate_lesen(breite, "Breite", 90, &neu.breite, &fehler) ||
        !koordinate_lesen(laenge, "Laenge", 180, &neu.laenge, &fehler)) {
        melden(fehler + "\nDer Ort bleibt, wie er war.");
        return;
    }
    ort_setzen(neu);
}

void m_ort_suchen(long)
{
    char name[400] = "";
    if (!gesetzte_ortsangabe().name.empty()) snprintf(name, sizeof name, "%s", gesetzte_ortsangabe().name.c_str());
    if (!requester_input(1, "Ortsname (Name, Staat oder Land)", "%s", "%s", name)) return;
    std::string fehler;
    const std::vector<Ortsangabe> orte = orte_suchen(name, &fehler);
    if (orte.empty()) {
        melden(fehler + "\nDer Ort bleibt, wie er war.");
        return;
    }
    std::vector<std::string> zeilen;
    for (Ortsangabe o : orte) {
        o.weitere = 0;
        zeilen.push_back(ortsangabe_zeile(o) + "  " + std::to_string(o.einwohner) + " Einwohner");
    }
    std::vector<const char *> texte;
    for (const std::string &z : zeilen) texte.push_back(z.c_str());
    const int i = requester_liste("Orte dieses Namens", texte.data(), static_cast<int>(texte.size()), 0);
    if (i < 0 || i >= static_cast<int>(orte.size())) return;
    ort_setzen(orte[static_cast<size_t>(i)]);
}

void m_ort_zeigen(long)
{
    double x = 0, y = 0, drehung = 0, neigung = 0;
    // The globe as it stands on the screen: nothing is drawn while the
    // crosshair waits.
    gezeigte_drehung(&drehung, &neigung);
    mal_grein(&x, &y);
    // The close request ends the crosshair without a pick: nothing to set,
    // and nothing may hold up the end.
    if (schliessen_angefordert()) return;
    Ort neu;
    if (!ort_aus_bildpunkt(x, y, drehung, neigung, &neu)) {
        melden("Dieser Punkt liegt nicht auf der Erde; der Ort bleibt, wie er war.");
        return;
    }
    ort_setzen(neu);
}

void m_ort_finsternisse(long)
{
    if (!ort_gesetzt()) {
        melden(kein_ort);
        return;
    }
    std::vector<Besselsatz> saetze;
    besseldatei_lesen(&saetze, nullptr);
    const std::vector<Elemente> finsternisse = elemente_aus_saetzen(saetze);
    if (finsternisse.empty()) {
        melden(std::string("Keine Besselelemente in ") + besseldatei + ".");
        return;
    }
    const std::string &zone = gesetzte_ortsangabe().zone;
    std::vector<Listeneintrag> liste = finsternisliste(finsternisse, gesetzter_ort(), INT_MIN, INT_MAX, zone);
    if (liste.empty()) {
        melden("Von " + ort_text(gesetzter_ort()) + " aus ist keine Finsternis der Datei zu sehen.");
        return;
    }
    std::vector<std::string> zeilen = {listenkopf(!zone.empty())};
    for (const Listeneintrag &e : liste) zeilen.push_back(e.zeile);
    zeilen = in_spalten(zeilen);
    std::vector<const char *> texte;
    for (size_t j = 1; j < zeilen.size(); ++j) texte.push_back(zeilen[j].c_str());
    int i = requester_liste("Finsternisse hier", texte.data(), static_cast<int>(texte.size()),
                            gezeigte_zeile(liste, finsternisse), zeilen[0].c_str());
    if (i < 0 || i >= static_cast<int>(liste.size())) return;
    // By its record: a month can hold two eclipses. Shown alone, as Jahr...
    // shows one.
    anfrage = Anfrage();
    anfrage.art = Anfrage::satz;
    anfrage.nummer = liste[static_cast<size_t>(i)].satz;
}
