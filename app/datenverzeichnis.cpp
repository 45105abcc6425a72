// Where the installed program keeps its data files: found from the
// program's own place, so that a staged or moved installation finds them
// as well as one in the configured prefix, and a program in the build tree
// never reads an installed copy.
#include "umbrix.h"

#include <unistd.h>

#include <string>

#ifndef UMBRIX_DATEN_RELATIV
#define UMBRIX_DATEN_RELATIV "../share/umbrix"
#endif

std::string installiertes_datenverzeichnis()
{
    char pfad[4096];
    ssize_t n = readlink("/proc/self/exe", pfad, sizeof pfad - 1);
    if (n <= 0) return "";
    std::string programm(pfad, static_cast<size_t>(n));
    size_t schnitt = programm.rfind('/');
    if (schnitt == std::string::npos) return "";
    return programm.substr(0, schnitt) + "/" + UMBRIX_DATEN_RELATIV;
}
