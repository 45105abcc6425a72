// The Besselian elements of one solar eclipse and the picture of the
// Moon's shadow on the Earth that they give for a moment t (hours from T0).
#ifndef UMBRIX_BESSEL_H
#define UMBRIX_BESSEL_H

#include <cstdio>
#include <string>
#include <vector>

// Polynomials in t (hours), by Horner's rule.
double xvont(double *c, double t);   // cubic
double lvont(double *c, double t);   // quadratic
double dvont(double *c, double t);   // quadratic
double muvont(double *c, double t);  // linear
int fastgleich(double a, double b, double eps);

// Name of the eclipse file, below aktuellerpfad when that is set.
extern const char *const besseldatei;

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

    Bessel();
    void dateneinlesen(int jahr, int monat);
    // As dateneinlesen, from the whole records of the file already read.
    void auswaehlen(const std::vector<Bessel> &alle, int jahr, int monat);
    // Reads the record of that index (satznummer + 1 is the next eclipse in
    // the file, satznummer - 1 the one before). False, with a message and
    // the object unchanged, when the file has no whole record there.
    bool satzeinlesen(int nummer);
    void zeichnen(double t);

    // The caption for moment t: "%2d.%s.%04d  %02d:%02d".
    void beschriftung(double t, char *text, int groesse) const;
    // Shadow axis, penumbra and umbra for moment t; prints the kind of the
    // eclipse when the central shadow changes between total and annular.
    Kernschatten kernschatten(double t);

private:
    // Takes a record read from the file as the eclipse shown.
    void uebernehmen(const Bessel &satz, int nummer);
    // The end of a search from the month jahr/monat on: satz is the record
    // that fitted (treffer), else the last of the anzahl whole ones; it is
    // the record of index anzahl - 1.
    void gesucht(const Bessel &satz, int anzahl, bool treffer, int jahr, int monat);
};

// One record of the open eclipse file into b, with the fields that the file
// does not hold cleared and the modified Julian date derived; leaves the
// flags (lesestand, elemente) and vorher alone.
enum class Satzende;
Satzende bessel_satz_lesen(std::FILE *f, Bessel &b);

// The line that reports a record cut short or holding text, after anzahl
// whole ones.
std::string fehlerhafte_daten(int anzahl);

#endif
