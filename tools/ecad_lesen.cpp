#include "ecad_lesen.h"

namespace ecad {

int satz_lesen(std::FILE *f, EcadSatz &s)
{
    switch (::besselsatz_lesen(f, s)) {
    case Satzende::ganz: return 1;
    case Satzende::dateiende: return 0;
    default: return -1;
    }
}

Uhrzeit beschriftungszeit(const EcadSatz &s, double t)
{
    const Tageszeit z = ::beschriftungszeit(s.jd - 2400000.5, s.fjahr, s.fmonat, s.ftag, t);
    return {z.jahr, z.monat, static_cast<int>(z.tag), z.stunden, z.minuten};
}

}  // namespace ecad
