// umbrix --film DATEI.gif [JAHR [MONAT]] [--groesse BxH]: the six hours of
// the eclipse's animation as an animated GIF. The arguments and the eclipse
// are checked first; then the frames are drawn without showing a window (a
// display is still needed) and the file is written whole or not at all.
#include "befehle.h"
#include "bildbefehl.h"

#include "betrachter/betrachter.h"
#include "betrachter/bildspeichern.h"
#include "betrachter/filmspeichern.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A side of the film, in pixels: from a picture whose caption still fits
// to one that the server and the file's readers hold without trouble.
const int kleinste_seite = 64, groesste_seite = 2048;

struct Filmauftrag {
    std::string datei;
    int jahr = 2008, monat = 8;  // the eclipse as "umbrix JAHR MONAT" selects it
    int breite = 640, hoehe = 512;
};

// "BxH", each side within the bounds.
bool groesse_lesen(const char *text, Filmauftrag *a, std::string *fehler)
{
    const char *x = strchr(text, 'x');
    const std::string b(text, x ? x : text);
    int breite, hoehe;
    if (x && ganzzahl_lesen(b.c_str(), &breite) && ganzzahl_lesen(x + 1, &hoehe) && isdigit(*text) &&
        isdigit(x[1]) && breite >= kleinste_seite && breite <= groesste_seite && hoehe >= kleinste_seite &&
        hoehe <= groesste_seite) {
        a->breite = breite;
        a->hoehe = hoehe;
        return true;
    }
    *fehler = std::string("Keine Groesse (BxH, jede Seite ") + std::to_string(kleinste_seite) + " bis " +
              std::to_string(groesste_seite) + " Pixel): '" + text + "'.";
    return false;
}

bool filmauftrag_lesen(int argc, char **argv, Filmauftrag *a, std::string *fehler)
{
    std::vector<const char *> zahlen;
    for (int i = 2; i < argc; ++i) {
        if (strcmp(argv[i], "--groesse") == 0) {
            if (i + 1 == argc) {
                *fehler = std::string("Keine Groesse nach --groesse; ") + anwendungszeile("--film");
                return false;
            }
            if (!groesse_lesen(argv[++i], a, fehler)) return false;
        } else if (i > 2 && strncmp(argv[i], "--", 2) == 0) {
            *fehler = std::string("unbekannte Option ") + argv[i] + "; " + anwendungszeile("--film");
            return false;
        } else if (i == 2) {
            a->datei = argv[i];
        } else {
            zahlen.push_back(argv[i]);
        }
    }
    if (a->datei.empty() || a->datei.compare(0, 2, "--") == 0) {
        *fehler = std::string("Kein Dateiname nach --film; ") + anwendungszeile("--film");
        return false;
    }
    if (zahlen.size() > 2) {
        *fehler = std::string("Zu viele Argumente; ") + anwendungszeile("--film");
        return false;
    }
    auto ist_film = [](const std::string &n) { return endet_mit(n, ".gif"); };
    if (!endung_passt(a->datei, ist_film, filmendung_meldung, fehler)) return false;
    if (!zahlen.empty()) {
        if (!zahl_im_bereich(zahlen[0], erstes_jahr, letztes_jahr, "Jahr", &a->jahr, fehler)) return false;
        a->monat = 0;  // the year alone: its first eclipse
    }
    return zahlen.size() < 2 || zahl_im_bereich(zahlen[1], 1, 12, "Monat", &a->monat, fehler);
}

}  // namespace

int filmbefehl(int argc, char **argv)
{
    Filmauftrag a;
    std::string fehler;
    if (!filmauftrag_lesen(argc, argv, &a, &fehler)) return befehl_fehler(fehler, 2);
    std::vector<Elemente> alle;
    std::vector<Besselsatz> saetze;
    if (!finsternisdatei_lesen(&alle, &fehler, &saetze)) return befehl_fehler(fehler, 1);
    const int i = gewaehlte_finsternis(alle, "--film", a.jahr, a.monat, 0, &fehler);
    if (i < 0) return befehl_fehler(fehler, 2);
    if (!film_aus_satz_speichern(saetze[static_cast<size_t>(i)], i, a.breite, a.hoehe, a.datei, &fehler))
        return befehl_fehler(fehler, 1);
    return 0;
}
