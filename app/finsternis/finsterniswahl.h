// The eclipse that a year and month select, from the eclipses of the file.
#ifndef UMBRIX_FINSTERNIS_FINSTERNISWAHL_H
#define UMBRIX_FINSTERNIS_FINSTERNISWAHL_H

#include "elemente.h"

#include <string>
#include <vector>

// Whether the eclipse lies in the month jahr/monat or after it (month 0:
// the year's first).
bool ab_monat(const Elemente &e, int jahr, int monat);

// The index of the first eclipse at or after the month (month 0: the
// year's first), as the viewer chooses; -1 when there is none.
int finsternis_waehlen(const std::vector<Elemente> &alle, int jahr, int monat);

// Empty when the year lies within the years of the eclipses (not empty),
// else "Jahr J ausserhalb der " wo " (ERSTES bis LETZTES)".
std::string jahr_ausserhalb(const std::vector<Elemente> &alle, int jahr, const std::string &wo);
// The same for the command line: "... ausserhalb der Datei (...)."
std::string jahr_ausserhalb(const std::vector<Elemente> &alle, int jahr);

#endif
