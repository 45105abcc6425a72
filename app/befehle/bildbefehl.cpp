// umbrix --bild DATEI [JAHR [MONAT [TAG] [HH:MM]]]: the arguments and the
// file are checked first, every fault told on standard error; then the
// window opens, the eclipse is drawn at the moment asked for (greatest
// eclipse when no time is given) and saved by the file name's ending.
#include "bildbefehl.h"

#include "befehle.h"

#include "betrachter/betrachter.h"
#include "betrachter/bildspeichern.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool uhrzeit_lesen(const char *text, int *stunde, int *minute)
{
    const char *doppelpunkt = strchr(text, ':');
    if (!doppelpunkt || doppelpunkt - text > 2 || strlen(doppelpunkt + 1) != 2) return false;
    std::string h(text, doppelpunkt);
    int hh, mm;
    if (!ganzzahl_lesen(h.c_str(), &hh) || !ganzzahl_lesen(doppelpunkt + 1, &mm)) return false;
    if (h[0] == '-' || doppelpunkt[1] == '-' || doppelpunkt[1] == '+' || hh > 23 || mm > 59) return false;
    *stunde = hh;
    *minute = mm;
    return true;
}

}  // namespace

bool zahl_im_bereich(const char *text, int von, int bis, const char *was, int *wert, std::string *fehler)
{
    if (ganzzahl_lesen(text, wert) && *wert >= von && *wert <= bis) return true;
    *fehler = std::string("Kein ") + was + " (" + std::to_string(von) + " bis " + std::to_string(bis) + "): '" +
              text + "'.";
    return false;
}

bool endung_passt(const std::string &datei, bool (*passt)(const std::string &), const char *meldung,
                  std::string *fehler)
{
    if (passt(datei)) return true;
    // A name that is nothing but an ending lacks the name, not the ending.
    if (passt("datei" + datei))
        *fehler = "Kein Dateiname vor der Endung: " + datei;
    else
        *fehler = "Unbekannte Endung: " + datei + "; " + meldung;
    return false;
}

bool bildauftrag_lesen(int argc, char **argv, Bildauftrag *a, std::string *fehler)
{
    if (argc < 3 || !argv[2][0]) {
        *fehler = std::string("Kein Dateiname nach --bild; ") + anwendungszeile("--bild");
        return false;
    }
    // After the month a day, a time or both: a time has its colon.
    const bool mit_tag = argc > 5 && !strchr(argv[5], ':');
    if (argc > (mit_tag ? 7 : 6)) {
        *fehler = std::string("Zu viele Argumente; ") + anwendungszeile("--bild");
        return false;
    }
    a->datei = argv[2];
    auto ist_bild = [](const std::string &n) { return bildformat(n) != Bildformat::unbekannt; };
    if (!endung_passt(a->datei, ist_bild, bildendungen_meldung, fehler)) return false;
    if (argc > 3) {
        if (!zahl_im_bereich(argv[3], erstes_jahr, letztes_jahr, "Jahr", &a->jahr, fehler)) return false;
        a->monat = 0;  // the year alone: its first eclipse
    }
    if (argc > 4 && !zahl_im_bereich(argv[4], 1, 12, "Monat", &a->monat, fehler)) return false;
    if (mit_tag && !zahl_im_bereich(argv[5], 1, 31, "Tag", &a->tag, fehler)) return false;
    const int zeit = mit_tag ? 6 : 5;
    if (argc > zeit) {
        if (!uhrzeit_lesen(argv[zeit], &a->stunde, &a->minute)) {
            *fehler = std::string("Keine Uhrzeit (HH:MM, Weltzeit): '") + argv[zeit] + "'.";
            return false;
        }
        a->mit_zeit = true;
    }
    return true;
}

bool zeitpunkt_fuer(const Elemente &e, int stunde, int minute, double *t)
{
    // The caption reads frac(mjd) * 24 + t hours on the record's day; the
    // time asked for may lie on the day before or after. A nanosecond more
    // keeps the caption's truncation from showing the minute before.
    double t0 = (e.mjd - std::trunc(e.mjd)) * 24;
    double uhr = stunde + minute / 60.0;
    for (int tag = -1; tag <= 1; ++tag) {
        double kandidat = uhr + 24.0 * tag - t0 + 1e-9;
        if (kandidat >= -3.0 && kandidat <= 3.0) {
            *t = kandidat;
            return true;
        }
    }
    return false;
}

int gewaehlte_finsternis(const std::vector<Elemente> &alle, const char *form, int jahr, int monat, int tag,
                         std::string *fehler)
{
    const std::string ausserhalb = jahr_ausserhalb(alle, jahr);
    if (!ausserhalb.empty()) {
        *fehler = std::string(form) + ": " + ausserhalb;
        return -1;
    }
    const int i = tag ? finsternis_am(alle, jahr, monat, tag) : finsternis_waehlen(alle, jahr, monat);
    if (i < 0 && tag) *fehler = keine_finsternis_am(alle, jahr, monat, tag, besseldatei);
    if (i < 0 && !tag) {
        const std::string ab = monat ? std::to_string(monat) + "." + std::to_string(jahr) : std::to_string(jahr);
        *fehler = std::string(form) + ": keine Finsternis ab " + ab + " in " + besseldatei + ".";
    }
    return i;
}

int bildbefehl(int argc, char **argv)
{
    Bildauftrag a;
    std::string fehler;
    if (!bildauftrag_lesen(argc, argv, &a, &fehler)) return befehl_fehler(fehler, 2);

    // Every fault is told before a window opens. The records read here are
    // the ones drawn.
    std::vector<Elemente> alle;
    std::vector<Besselsatz> saetze;
    if (!finsternisdatei_lesen(&alle, &fehler, &saetze)) return befehl_fehler(fehler, 1);
    const int i = gewaehlte_finsternis(alle, "--bild", a.jahr, a.monat, a.tag, &fehler);
    if (i < 0) return befehl_fehler(fehler, 2);
    const Elemente &e = alle[static_cast<size_t>(i)];
    double t = e.groesste;
    if (a.mit_zeit && !zeitpunkt_fuer(e, a.stunde, a.minute, &t)) {
        char text[160];
        snprintf(text, sizeof text, "%02d:%02d UT liegt nicht in den sechs Stunden des Bildes der Finsternis vom %d.%d.%d.",
                 a.stunde, a.minute, e.datum.tag, e.datum.monat, e.datum.jahr);
        return befehl_fehler(text, 2);
    }
    if (!bild_aus_satz_speichern(saetze[static_cast<size_t>(i)], i, t, a.datei, &fehler))
        return befehl_fehler(fehler, 1);
    return 0;
}
