// The path of the shadow drawn on the turning globe: central line solid,
// limits of the umbral band dashed, in yellow; switched with the menu
// "Ansicht" and kept in the settings store.
#ifndef UMBRIX_BETRACHTER_PFADBILD_H
#define UMBRIX_BETRACHTER_PFADBILD_H

#include <vector>

#include "finsternis/finsternis.h"

class Pfadbild {
public:
    bool an = true;

    // Computes the path of the eclipse just read (none without elements).
    void setzen(const Elemente *e);
    void setzen(const Schattenpfad &p);
    // Whether zeichnen draws a path: switched on, and the eclipse has one.
    bool gezeichnet() const { return an && !zentral.sb.empty(); }
    // Draws it for the globe's turning angles, as the coastlines.
    void zeichnen(double drehung, double neigung) const;

private:
    // Points as the coastlines keep them, lines ending before ende[j].
    struct Linien {
        std::vector<double> slcb, clcb, sb;
        std::vector<int> ende;
        // The next point, or a gap where gibt_es is false.
        void punkt(bool gibt_es, double breite, double laenge);
        // One limit, every third minute and the ends of each stretch: the
        // server draws a dashed line segment by segment, and a limit bends
        // too little over three minutes for the chord to show.
        void grenze(const std::vector<Zentralpunkt> &punkte, Pfadort Zentralpunkt::*seite);
        void zeichnen(double drehung, double neigung) const;
    };
    Linien zentral, grenzen;
};

extern Pfadbild pfadbild;

// The setting UMBRIXPFAD ("0": off; anything else or none: on).
void pfadeinstellung_lesen();

// The text of the menu item "Pfad", marked while the path is on.
const char *menutext_pfad();

// Menu command "Pfad": path on or off, and kept so; its item shows which.
void m_pfad(long id);

#endif
