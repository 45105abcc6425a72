// What an eclipse canon gives of each eclipse, computed from its elements
// at greatest eclipse alone (not from the whole path, so that five
// millennia of eclipses take a moment), and its line of `umbrix --kanon`.
#ifndef UMBRIX_FINSTERNIS_KANONWERTE_H
#define UMBRIX_FINSTERNIS_KANONWERTE_H

#include "fundamentalebene.h"

#include <string>

struct Kanonwerte {
    double t = 0;              // greatest eclipse, hours from T0
    double jd_td = 0, jd_ut = 0;  // the same as Julian dates in TD and UT
    long lunation = 0;         // 0: the new moon of 2000 January 6
    int saros = 0;
    char typ = 'P';            // T total, A annular, H hybrid, P partial
    bool zentral = false;      // the axis meets the Earth
    double gamma = 0;          // least distance of the axis from the Earth's centre, signed by y
    double groesse = 0;        // magnitude at greatest eclipse
    Ort ort;                   // point of greatest eclipse (on the limb where the axis misses the Earth)
    double sonnenhoehe = 0;    // degrees, there
    double pfadbreite_km = 0;  // 0: no central path
    double dauer = 0;          // seconds of central duration there; 0: none
};

Kanonwerte kanonwerte(const Elemente &e);

// The lunation of a new moon near the instant jd (TD) and the Saros series
// of an eclipse at that lunation.
long lunation(double jd_td);
int saros(long lunation);

// The header and the lines of `umbrix --kanon`:
//   "2024-04-08 18:18:29 18:17:15 74.0 300 139 T 0.3431 1.0566 25.29 -104.13 69.8 197.5 4m28.2s"
// the TD date and time of greatest eclipse, its UT, Delta T, lunation,
// Saros, type, gamma, magnitude, latitude and longitude, the Sun's
// altitude, path width (km) and duration ("--" where there is none).
extern const char *const kanonkopf;
std::string kanonzeile(const Elemente &e, const Kanonwerte &k);

// The second of the day of the instant jd, rounded, and the Julian day
// number of that day.
long long tagessekunden(double jd, long *tagesnummer);

// A TD date as catalogues write it, "2024-04-08", "-0584-05-28".
std::string katalogdatum_text(int jahr, int monat, int tag);

#endif
