// Opening the data files: from the program's directory, the working
// directory or the installation's data directory.
#include "datendatei.h"

#include <unistd.h>

#ifndef UMBRIX_DATEN_RELATIV
#define UMBRIX_DATEN_RELATIV "../share/umbrix"
#endif

char *aktuellerpfad = nullptr;

namespace {

bool delta_t_gegeben = false;
double vorgegebenes_delta_t = 0;

}  // namespace

void delta_t_vorgeben(double sekunden)
{
    delta_t_gegeben = true;
    vorgegebenes_delta_t = sekunden;
}

// Found from the program's own place, so that a staged or moved
// installation finds its data as well as one in the configured prefix, and
// a program in the build tree never reads an installed copy.
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

FILE *fopen2(char *name, char *mode)
{
    FILE *f = aktuellerpfad ? fopen((std::string(aktuellerpfad) + "/" + name).c_str(), mode) : fopen(name, mode);
    // Not there: an installed program reads the files it brought along.
    if (!f && mode[0] == 'r' && name[0] != '/') {
        std::string verzeichnis = installiertes_datenverzeichnis();
        if (!verzeichnis.empty()) f = fopen((verzeichnis + "/" + name).c_str(), mode);
    }
    return f;
}

int getline(FILE *f, char *buffer, int size)
{
    if (size < 1) return 0;  // not even room for the terminator
    int ergebnis = 1;
    char *p = buffer;
    for (;;) {
        if (--size == 0) break;
        int c = getc(f);
        if (c == EOF) {
            ergebnis = 0;
            break;
        }
        if (c == '\n' || c == '\r') break;
        *p++ = static_cast<char>(c);
    }
    *p = '\0';
    return ergebnis;
}

bool besseldatei_lesen(std::vector<Besselsatz> *saetze, std::string *fehler)
{
    FILE *f = fopen2(const_cast<char *>(besseldatei), const_cast<char *>("r"));
    if (!f) return false;
    *saetze = besselsaetze_lesen(f, fehler);
    if (delta_t_gegeben)
        for (Besselsatz &s : *saetze) delta_t_ersetzen(s, vorgegebenes_delta_t);
    fclose(f);
    return true;
}
