// The command line: start year and month, option letters, data directory.
#include "datendatei.h"
#include "zustand.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int jahr = 0;
int monat = 0;
int alle = 0;
int exitflag = 0;
unsigned char argflag[128];
Anfrage anfrage;

void setargflags(char *text)
{
    for (; *text; ++text) {
        int c = static_cast<unsigned char>(*text);
        if (c >= 'a' && c <= 'z') c -= 32;
        argflag[c & 0x7F] = 1;
    }
}

int kommandozeile_auswerten(int argc, char **argv)
{
    int positional = 0;
    if (argc < 1 || (argc == 1 && argv[0][0] == '/')) {
        // Started by absolute path without arguments, as from a launcher:
        // the data files lie beside the program.
        if (argc == 1) {
            size_t n = strlen(argv[0]);
            aktuellerpfad = new char[n + 1];
            memcpy(aktuellerpfad, argv[0], n + 1);
            *strrchr(aktuellerpfad, '/') = '\0';
            setenv("PWD", aktuellerpfad, 1);
        }
        jahr = 1951;
        alle = 1;
    } else {
        for (int i = 1; i < argc; ++i) {
            if (argv[i][0] == '-' || argv[i][0] == '?') {
                setargflags(argv[i]);
            } else {
                ++positional;
                if (positional == 1) sscanf(argv[i], "%d", &jahr);
                if (positional == 2) sscanf(argv[i], "%d", &monat);
            }
        }
    }
    if (argflag[static_cast<unsigned char>('?')] || positional > 2) return 1;
    if (jahr == 0) {
        jahr = 2008;
        monat = 8;
        alle = 0;
    } else if (monat == 0) {
        alle = 1;
    }
    return 0;
}
