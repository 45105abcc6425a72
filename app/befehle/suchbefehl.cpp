// umbrix --suche NAME: the places of that name, most populous first, one a
// line with its fields separated by tabs (names may hold blanks): name,
// state, country, latitude, longitude, time zone, population.
#include "befehle.h"

#include "orte/orte.h"

#include <cstdio>

int suchbefehl(int argc, char **argv)
{
    if (argc < 3) return befehl_fehler("NAME fehlt: " + anwendungszeile("--suche"), 2);
    std::string name = argv[2];
    for (int i = 3; i < argc; ++i) name += std::string(" ") + argv[i];
    std::string fehler;
    const std::vector<Ortsangabe> orte = orte_suchen(name, &fehler);
    if (orte.empty()) return befehl_fehler(fehler, 2);
    for (const Ortsangabe &o : orte)
        std::printf("%s\t%s\t%s\t%.4f\t%.4f\t%s\t%lu\n", o.name.c_str(), o.staat.c_str(), o.land.c_str(),
                    o.ort.breite, o.ort.laenge, o.zone.c_str(), o.einwohner);
    return 0;
}
