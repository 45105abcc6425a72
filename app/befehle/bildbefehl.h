// umbrix --bild DATEI [JAHR [MONAT [TAG] [HH:MM]]]: one picture saved as a file.
#ifndef UMBRIX_BEFEHLE_BILDBEFEHL_H
#define UMBRIX_BEFEHLE_BILDBEFEHL_H

#include "finsternis/finsternis.h"

#include <string>
#include <vector>

struct Bildauftrag {
    std::string datei;
    int jahr = 2008, monat = 8;  // the eclipse as "umbrix JAHR MONAT" selects it
    int tag = 0;                 // else the eclipse of that day
    bool mit_zeit = false;       // else greatest eclipse
    int stunde = 0, minute = 0;  // UT
};

// Reads the arguments after --bild; false with the reason in fehler.
bool bildauftrag_lesen(int argc, char **argv, Bildauftrag *auftrag, std::string *fehler);

// A whole number from von to bis; else false and fehler "Kein Jahr (1 bis
// 9999): 'abc'." with was = "Jahr".
bool zahl_im_bereich(const char *text, int von, int bis, const char *was, int *wert, std::string *fehler);

// Whether the file name has an ending that passt takes; else false and
// fehler says that the name before it or the ending is wrong, meldung
// naming the endings taken.
bool endung_passt(const std::string &datei, bool (*passt)(const std::string &), const char *meldung,
                  std::string *fehler);

// The index of the eclipse that JAHR [MONAT [TAG]] choose for the form
// ("--bild"); -1 with the line that says why there is none.
int gewaehlte_finsternis(const std::vector<Elemente> &alle, const char *form, int jahr, int monat, int tag,
                         std::string *fehler);

// The moment (hours from T0) whose caption reads stunde:minute, on the day
// of the picture's six hours; false when that time lies outside them.
bool zeitpunkt_fuer(const Elemente &e, int stunde, int minute, double *t);

#endif
