// Rows of the Five Millennium Canon's table of Besselian elements (CSV text
// with one header line and one eclipse per row).
#ifndef UMBRIX_TOOLS_KANON_CSV_H
#define UMBRIX_TOOLS_KANON_CSV_H

#include <istream>
#include <string>
#include <vector>

namespace ecad {

constexpr int kanon_spalten = 30;

// The header line the table must begin with (the columns below, in order).
extern const char *const kanon_kopf;
// The header of the canon's sample with its published values: the same
// elements in another order, greatest eclipse as a TD time of day instead
// of a Julian date, no validity range (-4 to 4 hours) and no mu2 (0); the
// published columns are not read.
extern const char *const stichprobe_kopf;

// Column numbers.
enum Spalte {
    S_JAHR = 0, S_MONAT, S_TAG, S_JD_GROESSTE, S_T0_STUNDE, S_TMIN, S_TMAX, S_DELTAT,
    S_X0, S_X1, S_X2, S_X3, S_Y0, S_Y1, S_Y2, S_Y3, S_D0, S_D1, S_D2,
    S_MU0, S_MU1, S_MU2, S_L1_0, S_L1_1, S_L1_2, S_L2_0, S_L2_1, S_L2_2, S_TANF1, S_TANF2
};

struct KanonZeile {
    std::string text[kanon_spalten];  // each field exactly as written
    double wert[kanon_spalten] = {};  // each field as a number
    // The whole-number fields, checked to be whole.
    int jahr = 0, monat = 0, tag = 0;
    int t0_stunde = 0, tmin = 0, tmax = 0;
};

// Splits and checks one data row. On failure returns false and says why.
bool kanon_zeile_lesen(const std::string &zeile, KanonZeile &z, std::string &fehler);

// Reads the whole table, of either header: the header, then the rows (empty lines and a
// carriage return before each line feed are tolerated). On failure returns
// false with "Zeile N: reason".
bool kanon_lesen(std::istream &ein, std::vector<KanonZeile> &zeilen, std::string &fehler);

}  // namespace ecad

#endif
