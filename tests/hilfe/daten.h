// Eclipse records in the layout of the Besselian elements file, written by
// the tests.
#ifndef TESTHILFE_DATEN_H
#define TESTHILFE_DATEN_H

#include <string>

namespace testhilfe {

// The 31 numbers of one eclipse record.
struct Finsternis {
    int jahr = 2008, monat = 8, tag = 1;
    double jd = 2454679.916667;  // 1 August 2008, 10:00
    double x[4] = {0, 0.5, 0, 0};
    double y[4] = {0, 0, 0, 0};
    double d[3] = {0, 0, 0};
    double mu[2] = {0, 15};
    double l1[3] = {0.54, 0, 0};
    double l2[3] = {-0.01, 0, 0};
    double tanf1 = 0.0046, tanf2 = 0.0046;
};

// One record as the file holds it, ended by a line feed.
std::string satz(const Finsternis &f);

// Julian date of a calendar date (Gregorian) and hour of the day.
double julianisch(int jahr, int monat, int tag, double stunde);

}  // namespace testhilfe

#endif
