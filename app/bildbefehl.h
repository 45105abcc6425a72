// umbrix --bild DATEI [JAHR [MONAT [HH:MM]]]: one picture saved as a file.
#ifndef UMBRIX_BILDBEFEHL_H
#define UMBRIX_BILDBEFEHL_H

#include "bildspeichern.h"

#include <string>

class Bessel;

struct Bildauftrag {
    std::string datei;
    int jahr = 2008, monat = 8;  // the eclipse as "umbrix JAHR MONAT" selects it
    bool mit_zeit = false;       // else greatest eclipse
    int stunde = 0, minute = 0;  // UT
};

// Whether the command line asks for a picture (its first argument is --bild).
bool bildbefehl_verlangt(int argc, char **argv);

// Reads the arguments after --bild; false with the reason in fehler.
bool bildauftrag_lesen(int argc, char **argv, Bildauftrag *auftrag, std::string *fehler);

// The moment (hours from T0) whose caption reads stunde:minute, on the day
// of the picture's six hours; false when that time lies outside them.
bool zeitpunkt_fuer(const Bessel &bessel, int stunde, int minute, double *t);

// Opens the window, draws the eclipse at the moment asked for with
// zeichnen and saves it. The program's exit status: 0 saved, 1 not saved,
// 2 bad arguments.
int bildbefehl(int argc, char **argv, Bildzeichner zeichnen);

#endif
