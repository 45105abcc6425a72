// Conversion of canon rows into records of the eclipse file "Ecad22.prn".
//
// The canon's polynomials run in Terrestrial Dynamical Time and its hour
// angle mu refers to the ephemeris meridian. The program's picture and
// caption are in Greenwich longitude and Universal Time, so a record holds
// T0 in UT (jd) and mu0 referred to Greenwich; every other coefficient is
// copied unchanged, character for character.
//
// A record is ten lines, one per reading group of the program:
//   fjahr fmonat ftag            date of T0 in UT
//   zusatz0 zusatz1 zusatz2      TDT hour of T0, Delta T (s), greatest eclipse (h from T0)
//   jd zusatz3 zusatz4 zusatz5   T0 in UT, validity from/to (h), canon date YYYYMMDD
//   x0 x1 x2 x3
//   y0 y1 y2 y3
//   d0 d1 d2
//   mu0 mu1
//   l1_0 l1_1 l1_2
//   l2_0 l2_1 l2_2
//   tanf1 tanf2
#ifndef UMBRIX_TOOLS_ECAD_SATZ_H
#define UMBRIX_TOOLS_ECAD_SATZ_H

#include "kanon_csv.h"

#include <string>
#include <vector>

namespace ecad {

// Degrees of hour angle per second of time: the Earth turns 1.002738 times
// 15 degrees per hour of UT.
constexpr double grad_pro_sekunde = 1.002738 * 15.0 / 3600.0;

// The reference instant T0 in TDT: the Julian day number of its TDT date and
// its whole hour, chosen within 12 hours of greatest eclipse.
struct Bezugszeit {
    long tag = 0;
    int stunde = 0;
};
Bezugszeit bezugszeit_tdt(const KanonZeile &z);

// Julian date of T0 in UT (T0 in TDT minus Delta T).
double jd_ut(const KanonZeile &z);

// Hour angle at T0 referred to Greenwich:
// mu0 - 1.002738 * 15 * deltaT / 3600 degrees.
double mu0_greenwich(const KanonZeile &z);

// Calendar date of T0 in UT.
void datum_ut(const KanonZeile &z, int &jahr, int &monat, int &tag);

// Greatest eclipse in hours after T0 (negative: before), six decimals.
std::string groesste_text(const KanonZeile &z);

// The shortest text that reads back as exactly the same double.
std::string zahl_text(double wert);

// One record of the eclipse file (ten lines, each ending in a line feed).
std::string satz_text(const KanonZeile &z);

// The eclipse file for the canon rows whose year (of greatest eclipse) lies
// in von..bis, in ascending order of T0. False with a reason when two rows
// share their T0.
bool ecad_text(std::vector<KanonZeile> zeilen, int von, int bis, std::string &ergebnis, std::string &fehler);

}  // namespace ecad

#endif
