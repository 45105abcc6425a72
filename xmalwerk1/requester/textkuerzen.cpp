// The shortened form of a listing line shown in a list gadget.
#include "requester_intern.h"

#include <cstdio>
#include <cstring>

void textkuerzen(const char *eintrag, char *ziel, int breite, int groesse)
{
    if (groesse <= 0) return;
    if (!eintrag) eintrag = "";
    // Room for the 15-character tail and the terminator.
    if (breite + 16 > groesse) breite = groesse - 16;
    if (breite < 0) breite = 0;
    snprintf(ziel, static_cast<size_t>(groesse), "%-*.*s", breite, breite, eintrag);
    size_t n = strlen(eintrag);
    if (n > static_cast<size_t>(breite) && n > 15) {
        size_t belegt = strlen(ziel);
        snprintf(ziel + belegt, static_cast<size_t>(groesse) - belegt, "%s", eintrag + n - 15);
    }
}
