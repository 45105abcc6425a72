// The Besselian elements of one eclipse: the record as the eclipse file
// holds it, and the elements with named fields that everything computes
// with, made from a record at one place.
#ifndef UMBRIX_FINSTERNIS_ELEMENTE_H
#define UMBRIX_FINSTERNIS_ELEMENTE_H

#include <vector>

// Radians per degree.
constexpr double grad_in_rad = 0.017453292519943295;

// One record of the eclipse file, 31 numbers under the names of the
// file's reading groups (data/README.md tells what each holds).
struct Besselsatz {
    int fjahr = 0, fmonat = 0, ftag = 0;
    int zusatz0 = 0;
    double zusatz1 = 0, zusatz2 = 0;
    double jd = 0;
    int zusatz3 = 0, zusatz4 = 0, zusatz5 = 0;
    double x[4] = {}, y[4] = {}, d[3] = {}, mu[2] = {}, l1[3] = {}, l2[3] = {};
    double tanf1 = 0, tanf2 = 0;
};

struct Kalenderdatum {
    int jahr = 0, monat = 0, tag = 0;
};

// Lengths in Earth equatorial radii, angles in degrees, polynomials in t,
// the hours from T0. mu refers to the Greenwich meridian and jd is T0 in UT
// (the file's converter applied Delta T to both), so the hour angle of a
// place is mu + its longitude and the UT of a moment is jd + t/24.
struct Elemente {
    Kalenderdatum datum;         // of T0 in UT: the eclipse that "umbrix JAHR MONAT" finds
    Kalenderdatum katalogdatum;  // of greatest eclipse, as catalogues give it
    double jd = 0;       // T0 in UT, Julian date
    double mjd = 0;      // jd - 2400000.5
    double delta_t = 0;  // TDT - UT, seconds
    double groesste = 0;                     // greatest eclipse on the Earth, hours from T0
    double gueltig_von = -4, gueltig_bis = 4;  // where the polynomials hold, hours from T0
    double x[4] = {}, y[4] = {};   // shadow axis, cubic
    double d[3] = {};              // declination of the axis, quadratic
    double mu[2] = {};             // Greenwich hour angle of the axis, linear
    double l1[3] = {}, l2[3] = {};  // penumbral and umbral radii in the fundamental plane
    double tanf1 = 0, tanf2 = 0;
};

// Degrees the Earth turns per second of UT: the hour angle of the shadow's
// axis referred to Greenwich is the ephemeris one less this times Delta T.
constexpr double grad_je_sekunde = 1.002738 * 15.0 / 3600.0;

Elemente elemente_aus_satz(const Besselsatz &s);

// The record with another Delta T (seconds): T0 in TD stays, so T0 in UT,
// its date and mu0 referred to Greenwich move; the path moves east for a
// larger Delta T.
void delta_t_ersetzen(Besselsatz &s, double delta_t);

// mu0 as the canon gives it, referred to the ephemeris meridian.
double mu0_ephemeridisch(const Elemente &e);
// The same for every record, in their order.
std::vector<Elemente> elemente_aus_saetzen(const std::vector<Besselsatz> &saetze);

// Polynomials in t (hours), by Horner's rule.
double xvont(const double *c, double t);   // cubic
double lvont(const double *c, double t);   // quadratic
double dvont(const double *c, double t);   // quadratic
double muvont(const double *c, double t);  // linear
int fastgleich(double a, double b, double eps);

// The UT of moment t as a modified Julian date.
double ut_mjd(const Elemente &e, double t);

#endif
