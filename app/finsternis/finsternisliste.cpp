// The eclipses of the file seen from a place.
#include "ortszeilen.h"

std::vector<Listeneintrag> finsternisliste(const std::vector<Elemente> &alle, const Ort &ort, int von, int bis,
                                           const Ortsuhr &uhr)
{
    std::vector<Listeneintrag> liste;
    for (size_t i = 0; i < alle.size(); ++i) {
        const Elemente &e = alle[i];
        if (e.datum.jahr < von || e.datum.jahr > bis) continue;
        const Ortsumstaende u = ortsumstaende(e, ort);
        if (sichtbar(u))
            liste.push_back({e.datum.jahr, e.datum.monat, e.datum.tag, static_cast<int>(i), listenzeile(u, uhr)});
    }
    return liste;
}
