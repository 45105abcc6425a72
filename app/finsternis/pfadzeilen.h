// The path of the shadow as text: the table of `umbrix --pfad`.
#ifndef UMBRIX_FINSTERNIS_PFADZEILEN_H
#define UMBRIX_FINSTERNIS_PFADZEILEN_H

#include "schattenpfad.h"

#include <string>
#include <vector>

// The table that `umbrix --pfad` prints (lines without line ends). Central:
//   "HH:MM UT  Nord LAT LON  Zentral LAT LON  Sued LAT LON  Sonnenhoehe A
//    Breite W km  Dauer XmYY.Ys" per whole minute, "--" for a limit off the
//   Earth; then "Groesste Finsternis: HH:MM:SS UT  LAT LON  Dauer XmYY.Ys"
//   and "Groesste Dauer: HH:MM:SS UT  LAT LON  Dauer XmYY.Ys".
// Without a central line: "Partielle Finsternis: keine Zentrallinie." (or
//   "Nicht zentrale Finsternis: keine Zentrallinie." where the umbra still
//   touches the Earth), per whole minute
//   "HH:MM UT  Partiell Nord LAT LON  Partiell Sued LAT LON", then
//   "Groesste Finsternis: HH:MM:SS UT  LAT LON  Groesse M".
// Degrees with 4 decimals, north and east positive.
std::vector<std::string> pfadzeilen(const Elemente &e, const Schattenpfad &p);

// The line above the table: "Finsternis: 2.8.2027 total", the date of
// greatest eclipse and the kind on the Earth: total, ringfoermig, hybrid
// (total on part of the central line, annular on the rest) or partiell.
std::string pfadkopf(const Elemente &e);

// A duration as the table gives it: "4m28.2s", tenths of seconds rounded.
std::string dauer_text(double sekunden);

#endif
