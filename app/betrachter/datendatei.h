// Where the program's data files are opened from.
#ifndef UMBRIX_BETRACHTER_DATENDATEI_H
#define UMBRIX_BETRACHTER_DATENDATEI_H

#include "finsternis/finsternis.h"

#include <cstdio>
#include <string>
#include <vector>

// Directory that the data files are opened from (the program's own, when it
// was started by absolute path without arguments), or null.
extern char *aktuellerpfad;

// Opens a data file of the program: below aktuellerpfad when that is set,
// else in the working directory; a file to read that is not there is
// taken from the installation's data directory.
FILE *fopen2(char *name, char *mode);

// Reads one line of at most size - 1 characters, ending at a line feed or a
// carriage return (not stored); 0 when reading stopped at the end of the
// file, else 1.
int getline(FILE *f, char *buffer, int size);

// Every whole record of the eclipse file, opened with fopen2; false when it
// cannot be opened. *fehler (when given): the line on a broken record after
// them, else empty.
// With a Delta T given (delta_t_vorgeben), every record holds that one.
bool besseldatei_lesen(std::vector<Besselsatz> *saetze, std::string *fehler);

// Delta T in seconds that replaces each eclipse's own (--deltat).
void delta_t_vorgeben(double sekunden);

// The data directory of the installation (share/umbrix beside the
// program's bin directory); fopen2 reads from it what it finds nowhere else.
std::string installiertes_datenverzeichnis();

#endif
