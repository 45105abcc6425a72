// The Besselian elements of one eclipse at a moment, and places on the
// Earth's ellipsoid in the fundamental plane: what the local circumstances
// and the path of the shadow both compute with. Free of X.
//
// Lengths in Earth equatorial radii, angles in radians, rates per hour;
// t in hours from T0.
#ifndef UMBRIX_FINSTERNIS_FUNDAMENTALEBENE_H
#define UMBRIX_FINSTERNIS_FUNDAMENTALEBENE_H

#include "elemente.h"

namespace erdellipsoid {
constexpr double aequatorradius_m = 6378137.0;
constexpr double abplattung = 1.0 / 298.257223563;
constexpr double achsenverhaeltnis = 1.0 - abplattung;                   // b / a
constexpr double e2 = abplattung * (2.0 - abplattung);                     // eccentricity squared
}  // namespace erdellipsoid

// The elements and their rates of change at one moment.
struct Elementwerte {
    double t;                 // hours from T0
    double x, y;              // shadow axis
    double d, mu;             // declination, Greenwich hour angle (radians)
    double l1, l2;            // penumbral and umbral radii in the fundamental plane
    double dx, dy, dd, dmu;   // per hour
    double dl1, dl2;          // per hour
    double tanf1, tanf2;
};

Elementwerte elemente_bei(const Elemente &b, double t);

// A place: geodetic latitude and longitude in degrees (east and north
// positive), height above the ellipsoid in metres.
struct Ort {
    double breite = 0, laenge = 0, hoehe = 0;
};

// The place's geocentric coordinates: rho sin phi', rho cos phi' (Earth
// radii) and its longitude in radians.
struct Geozentrisch {
    double rhosin, rhocos, laenge, breite;  // breite: geodetic, radians
};
Geozentrisch geozentrisch(const Ort &ort);

// The place in the fundamental plane at one moment, with the rates of xi
// and eta per hour. zeta > 0: the Sun is above the place's horizon plane
// through the Earth's centre (the geometric test of daylight is the
// altitude, see sonnenstand).
struct Ortslage {
    double xi, eta, zeta;
    double dxi, deta;
    double stundenwinkel;  // H = mu + longitude, radians
};
Ortslage ortslage(const Elementwerte &e, const Geozentrisch &g);

// The Sun's geometric altitude (no refraction) and azimuth (from north
// through east, 0..360) in degrees, seen from the place.
struct Sonnenstand {
    double hoehe, azimut;
};
Sonnenstand sonnenstand(const Elementwerte &e, const Geozentrisch &g);

// The point of the Earth's surface (height 0) that lies at (xi, eta) of the
// fundamental plane on the side facing the Moon: geodetic latitude and
// longitude in degrees, longitude in -180..180. False when the line through
// (xi, eta) along the shadow axis misses the ellipsoid.
bool erdpunkt(const Elementwerte &e, double xi, double eta, Ort *ort);

// Degrees to -180..180.
double laenge_normieren(double winkel);

#endif
