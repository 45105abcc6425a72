// What every form and the viewer take besides their own arguments:
// --deltat SEKUNDEN, and "--", after which a negative number is a year.
#include "befehle.h"

#include "betrachter/datendatei.h"

#include <cmath>
#include <cstring>

bool delta_t_abtrennen(int *argc, char **argv, std::string *fehler)
{
    int behalten = 1;
    bool werte = false;  // after "--"
    bool gegeben = false;
    for (int i = 1; i < *argc; ++i) {
        if (!werte && std::strcmp(argv[i], "--") == 0) werte = true;
        if (werte || std::strcmp(argv[i], "--deltat") != 0) {
            argv[behalten++] = argv[i];
            continue;
        }
        if (gegeben) return *fehler = "--deltat doppelt angegeben.", false;
        if (i + 1 >= *argc) return *fehler = "--deltat ohne SEKUNDEN.", false;
        const char *text = argv[++i];
        double sekunden = 0;
        if (!dezimalzahl_lesen(text, &sekunden))
            return *fehler = std::string("--deltat ") + dezimalzahl_fehler(text) + ": \"" + text + "\"", false;
        if (!(std::fabs(sekunden) <= 1e6))
            return *fehler = std::string("--deltat ausserhalb -1000000..1000000 s: \"") + text + "\"", false;
        delta_t_vorgeben(sekunden);
        gegeben = true;
    }
    *argc = behalten;
    argv[behalten] = nullptr;
    return true;
}

int ohne_trenner(int argc, char **argv)
{
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--") == 0) {
            for (int j = i; j < argc; ++j) argv[j] = argv[j + 1];
            return argc - 1;
        }
    return argc;
}
