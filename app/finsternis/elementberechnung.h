// Besselian elements of a solar eclipse computed from the ephemerides
// (ephemeride.h), by the method of the Explanatory Supplement to the
// Astronomical Almanac, with the lunar radii of the five-millennium canon,
// and the eclipse file's record made from them.
#ifndef UMBRIX_FINSTERNIS_ELEMENTBERECHNUNG_H
#define UMBRIX_FINSTERNIS_ELEMENTBERECHNUNG_H

#include "elemente.h"

// Radii of the Moon in Earth radii: for the penumbra and for the umbra.
constexpr double mondradius_halbschatten = 0.272488;
constexpr double mondradius_kernschatten = 0.272281;

// The elements about the whole hour T0 of TD nearest to greatest eclipse,
// for the new moon near jd_neumond_td (Julian date, TD; within a few hours),
// with Delta T in seconds. The polynomials are fitted to the hourly values
// from T0 - 4 h to T0 + 4 h; jd, the date and mu refer to UT and Greenwich
// as the eclipse file's records do.
Elemente finsternis_berechnen(double jd_neumond_td, double delta_t_sekunden);

// The eclipse file's record of computed elements.
Besselsatz besselsatz_aus_elementen(const Elemente &e);

#endif
