// The command-line forms that answer without a display:
//   umbrix --ort BREITE LAENGE|NAME [JAHR [MONAT [TAG]]] [--hoehe METER] [--zeitzone ZONE]
//   umbrix --liste BREITE LAENGE|NAME [VON [BIS]] [--hoehe METER] [--zeitzone ZONE]
#ifndef UMBRIX_BEFEHLE_ORTBEFEHL_H
#define UMBRIX_BEFEHLE_ORTBEFEHL_H

#include "finsternis/finsternis.h"

#include <string>

struct Ortbefehl {
    enum Art { keiner, ort, liste } art = keiner;
    Ort platz;
    std::string ortszeile;    // a place given by name: how the "Ort:" line names it
    int jahre = 0;            // how many of the two numbers after the place were given
    int zahl1 = 0, zahl2 = 0;  // JAHR and MONAT, or VON and BIS
    std::string text1, text2;  // the two as typed, for the messages
    int tag = 0;               // of --ort; 0: not given
    std::string zone;          // IANA name of the place's clock (--zeitzone, the town's, the
                               // nearest town's); empty: UT alone
    std::string fehler;       // not empty: what is wrong with the arguments
};

// Reads the arguments; art keiner when the first argument is neither
// --ort nor --liste. Checks everything that needs no eclipse file.
Ortbefehl ortbefehl_lesen(int argc, char **argv);

// Carries the command out on standard output (a fault: one line on
// standard error) and gives the exit status: 0 done, 1 no eclipse file,
// 2 bad input.
int ortbefehl_ausfuehren(const Ortbefehl &befehl);

#endif
