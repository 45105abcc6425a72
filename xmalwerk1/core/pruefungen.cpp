// Guards of the drawing layer against calls it cannot serve: drawing
// without a display, negative counts. Each is reported once per process.
#include "intern.h"

#include <cstdio>

bool anzeige_offen(const char *funktion)
{
    if (dpy) return true;
    static bool gemeldet = false;
    if (!gemeldet) {
        gemeldet = true;
        printf("ERROR in %s(): kein Display offen, zuerst inital() aufrufen\n", funktion);
    }
    return false;
}

bool anzahl_gueltig(const char *funktion, int n)
{
    if (n >= 0) return true;
    static bool gemeldet = false;
    if (!gemeldet) {
        gemeldet = true;
        printf("ERROR in %s(): negative Anzahl %d\n", funktion, n);
    }
    return false;
}
