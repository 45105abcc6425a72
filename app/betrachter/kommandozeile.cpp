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
    const char *jahrtext = nullptr, *monatstext = nullptr;
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
        // After "--" every argument is a value: "umbrix -- -584 5".
        bool werte = false;
        for (int i = 1; i < argc; ++i) {
            if (!werte && strcmp(argv[i], "--") == 0) {
                werte = true;
            } else if (!werte && (argv[i][0] == '-' || argv[i][0] == '?')) {
                setargflags(argv[i]);
            } else {
                ++positional;
                if (positional == 1 && sscanf(argv[i], "%d", &jahr) == 1) jahrtext = argv[i];
                if (positional == 2 && sscanf(argv[i], "%d", &monat) == 1) monatstext = argv[i];
            }
        }
    }
    if (argflag[static_cast<unsigned char>('?')] || positional > 2) return 1;
    // Refused before the window opens.
    if (jahrtext && jahr != 0 && (jahr < erstes_jahr || jahr > letztes_jahr)) {
        fprintf(stderr, "umbrix: Jahr %s ausserhalb %d..%d.\n", jahrtext, erstes_jahr, letztes_jahr);
        return 2;
    }
    if (monatstext && (monat < 1 || monat > 12)) {
        fprintf(stderr, "umbrix: Monat %s ausserhalb 1..12.\n", monatstext);
        return 2;
    }
    if (jahr == 0) {
        jahr = 2008;
        monat = 8;
        alle = 0;
    } else if (monat == 0) {
        alle = 1;
    }
    return 0;
}
