// The menu "Ort": a place typed in, picked on the globe, or the eclipses
// seen from it; the place's circumstances for the eclipse shown.
#include "ortmenu.h"

#include "bessel.h"
#include "datendatei.h"
#include "ortsmarke.h"
#include "zustand.h"

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

namespace {

const Bessel *finsternis_ = nullptr;  // the eclipse shown; main keeps it for the whole run

const char *const kein_ort = "Noch kein Ort gesetzt:\nOrt - Koordinaten... oder Ort - Zeigen waehlen.";

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
    return ortszeilen(e, gesetzter_ort(), ortsumstaende(e, gesetzter_ort()));
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
    Ort ort;
    if (!ort_aus_text(gelesen.c_str(), &ort, &fehler)) {
        printf("Gespeicherter Ort %s='%s' wird nicht benutzt: %s\n", ortschluessel, gelesen.c_str(), fehler.c_str());
        fflush(stdout);
        return;
    }
    ort_merken(ort);
}

void ort_setzen(const Ort &ort)
{
    ort_merken(ort);
    Setenv(ortschluessel, ort_text(ort).c_str());
    std::string text = zeilen_ausgeben(umstaende());
    if (text.empty()) text = "Ort gesetzt: " + ort_text(ort);
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
    if (!koordinate_lesen(breite, "Breite", 90, &neu.breite, &fehler) ||
        !koordinate_lesen(laenge, "Laenge", 180, &neu.laenge, &fehler)) {
        melden(fehler + "\nDer Ort bleibt, wie er war.");
        return;
    }
    ort_setzen(neu);
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
    std::vector<Listeneintrag> liste = finsternisliste(finsternisse, gesetzter_ort(), INT_MIN, INT_MAX);
    if (liste.empty()) {
        melden("Von " + ort_text(gesetzter_ort()) + " aus ist keine Finsternis der Datei zu sehen.");
        return;
    }
    std::vector<std::string> zeilen = {listenkopf(false)};
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
