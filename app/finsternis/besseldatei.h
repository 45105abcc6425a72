// Reading the eclipse file: records of 31 numbers in fixed groups, read
// with the formats of its layout, and the whole file into a list.
#ifndef UMBRIX_FINSTERNIS_BESSELDATEI_H
#define UMBRIX_FINSTERNIS_BESSELDATEI_H

#include "elemente.h"

#include <cstdio>
#include <string>
#include <vector>

// The eclipse file's name, as messages name it.
extern const char *const besseldatei;

enum class Satzende { ganz, dateiende, kaputt };

// Reads the next record. dateiende only when the file ends before the
// record's first number; a record cut short, holding text or a number in
// another form than plain decimal (no "nan", "inf" or hex), or numbers no
// eclipse can have (a 13th month, a declination of 90 degrees) is kaputt.
Satzende besselsatz_lesen(std::FILE *f, Besselsatz &s);

// Every whole record of an open eclipse file, in file order. A kaputt
// record, or one whose T0 is not after the one before, ends the reading, and *fehler (when given) holds
// the line that says so; else it is empty.
std::vector<Besselsatz> besselsaetze_lesen(std::FILE *f, std::string *fehler);

// The same converted to elements, one for each record.
std::vector<Elemente> finsternisse_lesen(std::FILE *f, std::string *fehler);

// The line that reports a kaputt record or one out of order, after anzahl
// whole ones.
std::string fehlerhafte_daten(int anzahl);

#endif
