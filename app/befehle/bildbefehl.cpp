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
    // A name that is nothing but an ending lacks the name, not the ending.
    if (bildformat("bild" + a->datei) != Bildformat::unbekannt && bildformat(a->datei) == Bildformat::unbekannt) {
        *fehler = "Kein Dateiname vor der Endung: " + a->datei;
        return false;
    }
    if (bildformat(a->datei) == Bildformat::unbekannt) {
        *fehler = "Unbekannte Endung: " + a->datei + "; " + bildendungen_meldung;
        return false;
    }
    int wert;
    if (argc > 3) {
        if (!ganzzahl_lesen(argv[3], &wert) || wert < erstes_jahr || wert > letztes_jahr) {
            *fehler = "Kein Jahr (" + std::to_string(erstes_jahr) + " bis " + std::to_string(letztes_jahr) + "): '" +
                      argv[3] + "'.";
            return false;
        }
        a->jahr = wert;
        a->monat = 0;  // the year alone: its first eclipse
    }
    if (argc > 4) {
        if (!ganzzahl_lesen(argv[4], &wert) || wert < 1 || wert > 12) {
            *fehler = std::string("Kein Monat (1 bis 12): '") + argv[4] + "'.";
            return false;
        }
        a->monat = wert;
    }
    if (mit_tag) {
        if (!ganzzahl_lesen(argv[5], &wert) || wert < 1 || wert > 31) {
            *fehler = std::string("Kein Tag (1 bis 31): '") + argv[5] + "'.";
            return false;
        }
        a->tag = wert;
    }
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
    const std::string ausserhalb = jahr_ausserhalb(alle, a.jahr);
    if (!ausserhalb.empty()) return befehl_fehler("--bild: " + ausserhalb, 2);
    const int i = a.tag ? finsternis_am(alle, a.jahr, a.monat, a.tag) : finsternis_waehlen(alle, a.jahr, a.monat);
    if (i < 0 && a.tag) return befehl_fehler(keine_finsternis_am(alle, a.jahr, a.monat, a.tag, besseldatei), 2);
    if (i < 0) {
        const std::string ab =
            a.monat ? std::to_string(a.monat) + "." + std::to_string(a.jahr) : std::to_string(a.jahr);
        return befehl_fehler("--bild: keine Finsternis ab " + ab + " in " + besseldatei + ".", 2);
    }
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
