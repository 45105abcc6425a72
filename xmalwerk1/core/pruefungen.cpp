// Guards of the drawing layer against calls it cannot serve: drawing
// without a display, negative counts. Each is reported once per process.
#include "intern.h"

#include <cstdio>

namespace {
bool ohne_anzeige_gemeldet = false;
bool anzahl_gemeldet = false;
}  // namespace

bool anzeige_offen(const char *funktion)
{
    if (dpy) return true;
    if (!ohne_anzeige_gemeldet) {
        ohne_anzeige_gemeldet = true;
        printf("ERROR in %s(): kein Display offen, zuerst inital() aufrufen\n", funktion);
    }
    return false;
}

bool anzahl_gueltig(const char *funktion, int n)
{
    if (n >= 0) return true;
    if (!anzahl_gemeldet) {
        anzahl_gemeldet = true;
        printf("ERROR in %s(): negative Anzahl %d\n", funktion, n);
    }
    return false;
}

void pruefungen_grundzustand()
{
    ohne_anzeige_gemeldet = anzahl_gemeldet = false;
}
