// The eclipse that a year and month select, from the eclipses of the file.
#ifndef UMBRIX_FINSTERNIS_FINSTERNISWAHL_H
#define UMBRIX_FINSTERNIS_FINSTERNISWAHL_H

#include "elemente.h"

#include <string>
#include <vector>

// The years of the canon's five millennia, which every form takes.
constexpr int erstes_jahr = -1999, letztes_jahr = 3000;

// Whether the eclipse lies in the month jahr/monat or after it (month 0:
// the year's first).
bool ab_monat(const Elemente &e, int jahr, int monat);

// The index of the first eclipse at or after the month (month 0: the
// year's first), as the viewer chooses; -1 when there is none.
int finsternis_waehlen(const std::vector<Elemente> &alle, int jahr, int monat);

// The index of the eclipse of the day tag.monat.jahr: the one of that
// date, else the one whose catalogue's date it is; -1 when there is none.
int finsternis_am(const std::vector<Elemente> &alle, int jahr, int monat, int tag);

// The line that says there is no eclipse on that day in the file datei,
// with the days of the month that have one.
std::string keine_finsternis_am(const std::vector<Elemente> &alle, int jahr, int monat, int tag, const char *datei);

// Empty when the year lies within the years of the eclipses (not empty),
// else "Jahr J ausserhalb der WO (ERSTES bis LETZTES)", J as the user typed
// it (getippt) when given.
std::string jahr_ausserhalb_der(const std::vector<Elemente> &alle, int jahr, const std::string &wo,
                                const char *getippt = nullptr);
// The same for the command line: "... ausserhalb der Datei (...)."
std::string jahr_ausserhalb(const std::vector<Elemente> &alle, int jahr, const char *getippt = nullptr);

#endif
