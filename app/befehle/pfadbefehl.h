// The command-line form that prints the path of the shadow without a
// display: umbrix --pfad [JAHR [MONAT [TAG]]]
#ifndef UMBRIX_BEFEHLE_PFADBEFEHL_H
#define UMBRIX_BEFEHLE_PFADBEFEHL_H

#include <string>

struct Pfadbefehl {
    bool gegeben = false;  // the first argument is --pfad
    int jahr = 2008, monat = 8;  // as `umbrix JAHR MONAT` selects; JAHR alone: month 0
    bool jahr_gegeben = false;   // else the viewer's default
    int tag = 0;                 // the eclipse of that day; 0: not given
    std::string fehler;    // not empty: what is wrong with the arguments
};

Pfadbefehl pfadbefehl_lesen(int argc, char **argv);

#endif
