// umbrix --bild DATEI [JAHR [MONAT [HH:MM]]]: the window opens as usual,
// the eclipse is drawn at the moment asked for (greatest eclipse when no
// time is given) and saved by the file name's ending.
#include "bildbefehl.h"

#include "bessel.h"
#include "dezimalzahl.h"
#include "finsterniswahl.h"
#include "ortsumstaende.h"
#include "pfadbild.h"
#include "umbrix.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const char *const ANWENDUNG = "Anwendung: umbrix --bild DATEI [JAHR [MONAT [HH:MM]]]";

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

bool bildbefehl_verlangt(int argc, char **argv)
{
    return argc > 1 && strcmp(argv[1], "--bild") == 0;
}

bool bildauftrag_lesen(int argc, char **argv, Bildauftrag *a, std::string *fehler)
{
    if (argc < 3 || !argv[2][0]) {
        *fehler = std::string("Kein Dateiname nach --bild.\n") + ANWENDUNG;
        return false;
    }
    if (argc > 6) {
        *fehler = std::string("Zu viele Argumente.\n") + ANWENDUNG;
        return false;
    }
    a->datei = argv[2];
    // A name that is nothing but an ending lacks the name, not the ending.
    if (bildformat("bild" + a->datei) != Bildformat::unbekannt && bildformat(a->datei) == Bildformat::unbekannt) {
        *fehler = "Kein Dateiname vor der Endung: " + a->datei + "\n" + ANWENDUNG;
        return false;
    }
    if (bildformat(a->datei) == Bildformat::unbekannt) {
        *fehler = "Unbekannte Endung: " + a->datei + "\n" + bildendungen_meldung + "\n" + ANWENDUNG;
        return false;
    }
    int wert;
    if (argc > 3) {
        if (!ganzzahl_lesen(argv[3], &wert) || wert < 1 || wert > 9999) {
            *fehler = std::string("Kein Jahr: '") + argv[3] + "'.\n" + ANWENDUNG;
            return false;
        }
        a->jahr = wert;
        a->monat = 0;  // the year alone: its first eclipse
    }
    if (argc > 4) {
        if (!ganzzahl_lesen(argv[4], &wert) || wert < 1 || wert > 12) {
            *fehler = std::string("Kein Monat (1 bis 12): '") + argv[4] + "'.\n" + ANWENDUNG;
            return false;
        }
        a->monat = wert;
    }
    if (argc > 5) {
        if (!uhrzeit_lesen(argv[5], &a->stunde, &a->minute)) {
            *fehler = std::string("Keine Uhrzeit (HH:MM, Weltzeit): '") + argv[5] + "'.\n" + ANWENDUNG;
            return false;
        }
        a->mit_zeit = true;
    }
    return true;
}

bool zeitpunkt_fuer(const Bessel &bessel, int stunde, int minute, double *t)
{
    // The caption reads frac(mjd) * 24 + t hours on the record's day; the
    // time asked for may lie on the day before or after. A nanosecond more
    // keeps the caption's truncation from showing the minute before.
    double t0 = (bessel.mjd - std::trunc(bessel.mjd)) * 24;
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

int bildbefehl(int argc, char **argv, Bildzeichner zeichnen)
{
    Bildauftrag a;
    std::string fehler;
    if (!bildauftrag_lesen(argc, argv, &a, &fehler)) {
        printf("%s\n", fehler.c_str());
        return 2;
    }

    // A year outside the file is refused before a window opens, as the other
    // command-line forms refuse it, and so is a broken file; without one
    // the viewer's reader says so. The records read here are the ones drawn.
    std::vector<Bessel> alle;
    std::string kaputt;
    const bool gelesen = finsternisse_lesen(&alle, &kaputt);
    if (!kaputt.empty()) {
        printf("--bild: %s\n", kaputt.c_str());
        return 1;
    }
    if (gelesen) {
        const std::string ausserhalb = jahr_ausserhalb(alle, a.jahr);
        if (!ausserhalb.empty()) {
            printf("--bild: %s\n", ausserhalb.c_str());
            return 2;
        }
    }

    globusfenster_oeffnen(nullptr);
    Bessel bessel;
    if (gelesen)
        bessel.auswaehlen(alle, a.jahr, a.monat);
    else
        bessel.dateneinlesen(a.jahr, a.monat);
    pfadbild.setzen(bessel);
    int status = 0;
    double t = bessel.zusatz2;  // greatest eclipse, hours after T0
    if (bessel.lesestand == Bessel::fehlgeschlagen) {
        status = 1;  // the reader said why
    } else if (bessel.lesestand == Bessel::letzter) {
        status = 2;  // none at or after the month asked for: said too
    } else if (a.mit_zeit && !zeitpunkt_fuer(bessel, a.stunde, a.minute, &t)) {
        printf("%02d:%02d UT liegt nicht in den sechs Stunden des Bildes der Finsternis vom %d.%d.%d.\n", a.stunde,
               a.minute, bessel.ftag, bessel.fmonat, bessel.fjahr);
        status = 2;
    }
    if (status == 0) {
        zeichnen(bessel, t);
        if (!bild_speichern(a.datei, &fehler)) {
            printf("%s\n", fehler.c_str());
            status = 1;
        }
    }
    fflush(stdout);
    term_exit();
    return status;
}
