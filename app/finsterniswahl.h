// The eclipse that a year and month of the command line select, from the
// records of the eclipse file.
#ifndef UMBRIX_FINSTERNISWAHL_H
#define UMBRIX_FINSTERNISWAHL_H

#include <string>
#include <vector>

class Bessel;

// Whether the record's eclipse lies in the month jahr/monat or after it
// (month 0: the year's first).
bool ab_monat(const Bessel &b, int jahr, int monat);

// The first record at or after the month (month 0: the year's first), as
// the viewer's reader chooses; nullptr when there is none.
const Bessel *finsternis_waehlen(const std::vector<Bessel> &alle, int jahr, int monat);

// Empty when the year lies within the years of the records (not empty),
// else the line that says it does not.
std::string jahr_ausserhalb(const std::vector<Bessel> &alle, int jahr);

#endif
