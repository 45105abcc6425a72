// umbrix --bild DATEI [JAHR [MONAT [TAG] [HH:MM]]]: one picture saved as a file.
#ifndef UMBRIX_BEFEHLE_BILDBEFEHL_H
#define UMBRIX_BEFEHLE_BILDBEFEHL_H

#include "finsternis/finsternis.h"

#include <string>

struct Bildauftrag {
    std::string datei;
    int jahr = 2008, monat = 8;  // the eclipse as "umbrix JAHR MONAT" selects it
    int tag = 0;                 // else the eclipse of that day
    bool mit_zeit = false;       // else greatest eclipse
    int stunde = 0, minute = 0;  // UT
};

// Reads the arguments after --bild; false with the reason in fehler.
bool bildauftrag_lesen(int argc, char **argv, Bildauftrag *auftrag, std::string *fehler);

// The moment (hours from T0) whose caption reads stunde:minute, on the day
// of the picture's six hours; false when that time lies outside them.
bool zeitpunkt_fuer(const Elemente &e, int stunde, int minute, double *t);

#endif
