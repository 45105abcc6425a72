#include "ecad_lesen.h"

#include "../app/besselsatz.h"

namespace ecad {

int satz_lesen(std::FILE *f, EcadSatz &s)
{
    switch (besselsatz_lesen(f, s)) {
    case Satzende::ganz: return 1;
    case Satzende::dateiende: return 0;
    default: return -1;
    }
}

Uhrzeit beschriftungszeit(const EcadSatz &s, double t)
{
    const double mjd = s.jd - 2400000.5;
    double h = (mjd - static_cast<double>(static_cast<long>(mjd))) * 24.0 + t;
    int tag = s.ftag;
    if (h < 0) {
        tag -= 1;
        h += 24;
    } else if (h >= 24) {
        tag += 1;
        h -= 24;
    }
    const int stunden = static_cast<int>(h);
    const int minuten = static_cast<int>((h - stunden) * 60);
    return {tag, stunden, minuten};
}

}  // namespace ecad
