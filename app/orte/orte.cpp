// Looking places up by name in the table of the gazetteer's cities, the
// nearest city to coordinates, and the texts of a place.
#include "orte.h"

#include "ortsverzeichnis.h"

#include "finsternis/finsternis.h"

#include <glib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const size_t laengster_name = 200;

std::string ohne_raender(const std::string &text)
{
    const size_t anfang = text.find_first_not_of(" \t");
    if (anfang == std::string::npos) return "";
    return text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
}

// What is wrong with the text as a name; empty when nothing is.
std::string namensfehler(const std::string &text)
{
    if (text.empty()) return "Ortsname fehlt.";
    if (text.size() > laengster_name)
        return "Ortsname zu lang (" + std::to_string(text.size()) + " Zeichen, hoechstens " +
               std::to_string(laengster_name) + ").";
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return "Ortsname mit Steuerzeichen.";
    if (!g_utf8_validate(text.c_str(), static_cast<gssize>(text.size()), nullptr))
        return "Ortsname ist kein UTF-8-Text.";
    double zahl = 0;
    if (dezimalzahl_lesen(text.c_str(), &zahl)) return "\"" + text + "\" ist eine Zahl, kein Ortsname.";
    const std::string gefaltet = falten(text);
    bool buchstabe = false;
    for (const char c : gefaltet) buchstabe = buchstabe || !(c == ' ' || (c >= '0' && c <= '9'));
    if (!buchstabe) return "\"" + text + "\" ist kein Ortsname.";
    return "";
}

bool gleich(std::string_view schluessel, const std::string &gefaltet)
{
    return !gefaltet.empty() && schluessel == gefaltet;
}

// A state or country after the name: its name in either language, or the
// country's two letters.
bool liegt_in(const Verzeichniseintrag &e, const std::string &zusatz)
{
    for (const std::string_view s : {e.staat, e.land, e.staat_englisch, e.land_englisch, e.landeskennung})
        if (falten(s) == zusatz) return true;
    return false;
}

bool namensgleich(const Verzeichniseintrag &e, const std::string &name)
{
    return gleich(e.schluessel, name) || gleich(e.schluessel_englisch, name);
}

Ortsangabe angabe(const Verzeichniseintrag &e)
{
    Ortsangabe o;
    o.ort.breite = e.breite;
    o.ort.laenge = e.laenge;
    o.name = e.name;
    o.staat = e.staat;
    o.land = e.land;
    o.zone = e.zone;
    o.einwohner = e.einwohner;
    return o;
}

bool mehr_einwohner(const Verzeichniseintrag &a, const Verzeichniseintrag &b)
{
    return a.einwohner > b.einwohner;
}

// The name and the states or countries after its commas, folded.
std::vector<std::string> teile(const std::string &text)
{
    std::vector<std::string> t;
    size_t anfang = 0;
    for (;;) {
        const size_t komma = text.find(',', anfang);
        t.push_back(falten(std::string_view(text).substr(anfang, komma - anfang)));
        if (komma == std::string::npos) return t;
        anfang = komma + 1;
    }
}

std::vector<Verzeichniseintrag> treffer(const std::string &text, std::string *fehler, size_t *namensgleiche)
{
    std::vector<Verzeichniseintrag> gefunden;
    const std::string name = ohne_raender(text);
    *fehler = namensfehler(name);
    if (!fehler->empty()) return gefunden;
    const std::vector<std::string> t = teile(name);
    *namensgleiche = 0;
    std::string_view rest = ortsverzeichnis(), zeile, schluessel, englisch;
    while (naechste_zeile(&rest, &zeile)) {
        schluessel_lesen(zeile, &schluessel, &englisch);
        Verzeichniseintrag e;
        if (!(gleich(schluessel, t[0]) || gleich(englisch, t[0])) || !eintrag_lesen(zeile, &e)) continue;
        ++*namensgleiche;
        bool passt = true;
        for (size_t i = 1; i < t.size() && passt; ++i) passt = t[i].empty() || liegt_in(e, t[i]);
        if (passt) gefunden.push_back(e);
    }
    std::stable_sort(gefunden.begin(), gefunden.end(), mehr_einwohner);
    return gefunden;
}

size_t gemeinsamer_anfang(std::string_view a, const std::string &b)
{
    size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
    return n;
}

// Up to five names that begin as the name does, over the longest beginning
// (three characters at least) that some city shares; where the name is
// found but not in the state or country given, its places as "Name, Staat".
std::string aehnliche(const std::string &text)
{
    const std::string name = teile(ohne_raender(text))[0];
    std::vector<std::pair<size_t, std::string_view>> kandidaten;
    size_t bester = std::min<size_t>(3, name.size());
    if (bester == 0) return "";
    std::string_view rest = ortsverzeichnis(), zeile, schluessel, englisch;
    while (naechste_zeile(&rest, &zeile)) {
        schluessel_lesen(zeile, &schluessel, &englisch);
        const size_t n = std::max(gemeinsamer_anfang(schluessel, name), gemeinsamer_anfang(englisch, name));
        if (n >= bester) {
            bester = n;
            kandidaten.emplace_back(n, zeile);
        }
    }
    std::vector<Verzeichniseintrag> beste;
    for (const auto &k : kandidaten) {
        Verzeichniseintrag e;
        if (k.first == bester && eintrag_lesen(k.second, &e)) beste.push_back(e);
    }
    std::stable_sort(beste.begin(), beste.end(), mehr_einwohner);
    std::vector<std::string> namen;
    for (const Verzeichniseintrag &e : beste) {
        std::string n(e.name);
        if (namensgleich(e, name)) n += ", " + std::string(e.staat.empty() ? e.land : e.staat);
        if (std::find(namen.begin(), namen.end(), n) == namen.end()) namen.push_back(n);
        if (namen.size() == 5) break;
    }
    std::string liste;
    for (const std::string &n : namen) liste += (liste.empty() ? "" : "; ") + n;
    return liste;
}

}  // namespace

std::vector<Ortsangabe> orte_suchen(const std::string &text, std::string *fehler)
{
    size_t namensgleiche = 0;
    std::vector<Ortsangabe> orte;
    for (const Verzeichniseintrag &e : treffer(text, fehler, &namensgleiche)) {
        orte.push_back(angabe(e));
        orte.back().weitere = static_cast<int>(namensgleiche) - 1;
    }
    if (orte.empty() && fehler->empty()) {
        const std::string liste = aehnliche(text);
        *fehler = "Kein Ort namens \"" + ohne_raender(text) + "\" gefunden" +
                  (liste.empty() ? "." : "; aehnlich: " + liste);
    }
    return orte;
}

bool ort_finden(const std::string &text, Ortsangabe *ort, std::string *fehler)
{
    const std::vector<Ortsangabe> orte = orte_suchen(text, fehler);
    if (orte.empty()) return false;
    *ort = orte.front();
    return true;
}

bool zahlartig(const char *text)
{
    while (*text == ' ' || *text == '\t') ++text;
    return (*text >= '0' && *text <= '9') || *text == '+' || *text == '-' || *text == '.';
}

bool naechster_ort(const Ort &ort, Ortsangabe *naechster)
{
    const double erdradius_km = 6371.0;
    Verzeichniseintrag bester, e;
    bool gefunden = false;
    double kleinster = 0;
    const double b1 = ort.breite * grad_in_rad, l1 = ort.laenge * grad_in_rad;
    std::string_view rest = ortsverzeichnis(), zeile;
    while (naechste_zeile(&rest, &zeile)) {
        // A degree of latitude is 111 km: further off in latitude is too far.
        if (!eintrag_lesen(zeile, &e) || std::fabs(e.breite - ort.breite) > 1) continue;
        const double b2 = e.breite * grad_in_rad;
        const double sb = std::sin((b2 - b1) / 2), sl = std::sin((e.laenge * grad_in_rad - l1) / 2);
        const double h = sb * sb + std::cos(b1) * std::cos(b2) * sl * sl;  // haversine
        if (!gefunden || h < kleinster) {
            bester = e;
            kleinster = h;
            gefunden = true;
        }
    }
    if (!gefunden || 2 * erdradius_km * std::asin(std::sqrt(std::min(1.0, kleinster))) > 100) return false;
    *naechster = angabe(bester);
    return true;
}

std::string ortsangabe_zeile(const Ortsangabe &o)
{
    std::string text = o.name;
    for (const std::string *teil : {&o.staat, &o.land})
        if (!teil->empty()) text += ", " + *teil;
    char zahlen[96];
    std::snprintf(zahlen, sizeof zahlen, " (%.4f %.4f", o.ort.breite, o.ort.laenge);
    text += zahlen;
    if (o.ort.hoehe != 0) {
        std::snprintf(zahlen, sizeof zahlen, ", %.0f m", o.ort.hoehe);
        text += zahlen;
    }
    text += (o.zone.empty() ? "" : ", " + o.zone) + ")";
    if (o.weitere == 1) text += "; 1 weiterer Ort dieses Namens";
    if (o.weitere > 1) text += "; " + std::to_string(o.weitere) + " weitere Orte dieses Namens";
    return text;
}

std::string ortsangabe_text(const Ortsangabe &o)
{
    const std::string koordinaten = ort_text(o.ort);
    // A place typed as coordinates stays as it always was kept; its zone is
    // the nearest town's again when it is read.
    if (o.name.empty()) return koordinaten;
    std::string text = koordinaten + "\t" + o.zone + "\t" + o.name + "\t" + o.staat + "\t" + o.land + "\t" +
                       std::to_string(o.weitere);
    // The store keeps 199 characters: a name too long for it is left out.
    if (text.size() > 199) text = koordinaten + "\t" + o.zone;
    if (text.size() > 199) text = koordinaten;
    return text;
}

bool ortsangabe_aus_text(const char *text, Ortsangabe *o, std::string *fehler)
{
    std::vector<std::string> t;
    const std::string ganz = text ? text : "";
    size_t anfang = 0;
    for (;;) {
        const size_t tab = ganz.find('\t', anfang);
        t.push_back(ganz.substr(anfang, tab - anfang));
        if (tab == std::string::npos) break;
        anfang = tab + 1;
    }
    Ortsangabe neu;
    if (!ort_aus_text(t[0].c_str(), &neu.ort, fehler)) return false;
    if (t.size() > 6) {
        *fehler = "mehr Felder als Ort, Zone, Name, Staat, Land und Zahl der weiteren";
        return false;
    }
    t.resize(6);
    neu.zone = t[1];
    neu.name = t[2];
    neu.staat = t[3];
    neu.land = t[4];
    int weitere = 0;
    if (!t[5].empty() && (!ganzzahl_lesen(t[5].c_str(), &weitere) || weitere < 0)) {
        *fehler = "Zahl der weiteren Orte ist keine Zahl: \"" + t[5] + "\"";
        return false;
    }
    neu.weitere = weitere;
    *o = neu;
    return true;
}
