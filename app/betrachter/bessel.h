// The eclipse shown: its Besselian elements as the file holds them, read
// through the eclipse library, and the picture of the Moon's shadow on the
// Earth that they give for a moment t (hours from T0).
#ifndef UMBRIX_BETRACHTER_BESSEL_H
#define UMBRIX_BETRACHTER_BESSEL_H

#include "finsternis/finsternis.h"

#include <string>
#include <vector>

// The central shadow of one frame: where and how it is drawn.
struct Kernschatten {
    double x, y;  // axis in the fundamental plane
    double l1;    // penumbra radius in the fundamental plane
    double r;     // umbra radius drawn (at least 0.005)
    int farbe;    // 1, or 2 (tiny umbra) / 3 (antumbra)
};

class Bessel {
public:
    int zusatz0 = 0;
    int zusatz3 = 0, zusatz4 = 0, zusatz5 = 0;
    double x[4] = {};
    double y[4] = {};
    double d[4] = {};
    double mu[4] = {};
    double l1[4] = {};
    double l2[4] = {};
    double tanf1 = 0, tanf2 = 0;
    double jd = 0;
    double mjd = 0;
    double zusatz1 = 0, zusatz2 = 0;
    double vorher;
    int fjahr = 0, fmonat = 0, ftag = 0;

    // How the last read that changed the object went.
    enum Lesestand {
        gefunden,       // the first eclipse at or after the requested month
        letzter,        // none at or after it: the last eclipse of the file
        fehlgeschlagen  // file missing or without a whole record: nothing changed
    };
    Lesestand lesestand = fehlgeschlagen;
    bool elemente = false;  // without elements the globe is drawn without a shadow
    int satznummer = -1;    // index of the record held in the file (0: its first); -1: none
    Elemente werte;         // the record's elements, for what is computed from them

    Bessel();
    void dateneinlesen(int jahr, int monat);
    // Reads the record of that index (satznummer + 1 is the next eclipse in
    // the file, satznummer - 1 the one before). False, with a message and
    // the object unchanged, when the file has no whole record there.
    bool satzeinlesen(int nummer);
    // Takes a record read from the file as the eclipse shown (the record of
    // index nummer), with the progress line.
    void uebernehmen(const Besselsatz &satz, int nummer);
    // The picture for moment t: the outline picture, or the shaded globe
    // (schattenbild.h) with the shadow's outlines in colours of their own.
    void zeichnen(double t, bool schattiert = false);
    // The elements read, or none.
    const Elemente *gelesene_elemente() const { return elemente ? &werte : nullptr; }

    // The caption for moment t: "%2d.%s.%04d  %02d:%02d".
    void beschriftung(double t, char *text, int groesse) const;
    // Shadow axis, penumbra and umbra for moment t; prints the kind of the
    // eclipse when the central shadow changes between total and annular.
    Kernschatten kernschatten(double t);

};

// Every whole record of the eclipse file, opened with fopen2; false when
// there is no file (said on standard output, as the viewer says it).
// *fehler: the line on a broken record after them, else empty.
bool besselsaetze_einlesen(std::vector<Besselsatz> *saetze, std::string *fehler);

#endif
