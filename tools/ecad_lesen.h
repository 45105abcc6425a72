// Reading records of the eclipse file with the viewer's own record reader,
// so the converter's output can be checked the way the program will see it.
#ifndef UMBRIX_TOOLS_ECAD_LESEN_H
#define UMBRIX_TOOLS_ECAD_LESEN_H

#include "finsternis/finsternis.h"

#include <cstdio>

namespace ecad {

// The record as the program reads it.
using EcadSatz = Besselsatz;

// Reads the next record. Returns 1 for a complete record, 0 at the end of
// the file before a record begins, -1 for a record that stops part-way or
// holds something that is not a number.
int satz_lesen(std::FILE *f, EcadSatz &s);

// The caption's date and time of day at t hours from T0 as the viewer
// computes it: frac(jd - 2400000.5) * 24 + t, the date rolled over past
// midnight, hours and minutes by truncation.
struct Uhrzeit {
    int jahr, monat, tag, stunden, minuten;
};
Uhrzeit beschriftungszeit(const EcadSatz &s, double t);

}  // namespace ecad

#endif
