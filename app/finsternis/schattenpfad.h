// The path of the Moon's shadow over the Earth: central line, limits of the
// umbral (or antumbral) band and of the partial eclipse, greatest eclipse
// and greatest duration, from one eclipse's Besselian elements. Free of X.
#ifndef UMBRIX_FINSTERNIS_SCHATTENPFAD_H
#define UMBRIX_FINSTERNIS_SCHATTENPFAD_H

#include "fundamentalebene.h"

#include <string>
#include <vector>

// A place on the ellipsoid, or none where the line does not reach the Earth.
// The limits are named by the fundamental plane: nord lies left of the
// shadow's motion over the ground, on the plane's north side, so that each
// limit stays one line. Where a path runs north or south or round a pole,
// nord can lie further south on the Earth than sued.
struct Pfadort {
    bool gibt_es = false;
    Ort ort;
};

// One instant of the central path.
struct Zentralpunkt {
    double t = 0;          // hours from T0
    bool minute = true;    // a whole minute of UT; false: first or last contact of the axis
    Pfadort zentral;       // where the shadow axis meets the Earth
    Pfadort nord, sued;    // limits of the umbral or antumbral band
    double sonnenhoehe = 0;  // degrees, at the central point
    double breite_km = 0;    // across the path, between the limit lines; 0 where one ends before
    double dauer = 0;        // seconds of totality or annularity on the central line
    bool total = true;       // false: annular there
};

// One whole minute of UT while the penumbra touches the Earth.
struct Halbschattenpunkt {
    double t = 0;
    Pfadort nord, sued;  // limits of the partial eclipse
};

// Greatest eclipse (the axis closest to the Earth's centre) or greatest
// duration.
struct Hoehepunkt {
    double t = 0;
    Ort ort;
    double dauer = 0;    // seconds; 0 off the central line
    double groesse = 0;  // magnitude where the axis misses the Earth
};

struct Schattenpfad {
    bool zentral = false;        // the shadow axis meets the Earth
    bool kernschatten = false;   // the umbra or antumbra touches the Earth
    std::vector<Zentralpunkt> punkte;  // in time order, the contacts first and last
    std::vector<Halbschattenpunkt> halbschatten;
    Hoehepunkt groesste, laengste;
};

Schattenpfad schattenpfad(const Elemente &e);

// Greatest eclipse: the moment the shadow axis passes closest to the
// Earth's centre, hours from T0.
double groesste_zeit(const Elemente &e);

#endif
