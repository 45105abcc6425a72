// The moment at which a condition stops holding, found by halving: for the
// path's first and last instants and for contacts near a tangent point.
#ifndef UMBRIX_FINSTERNIS_GRENZZEIT_H
#define UMBRIX_FINSTERNIS_GRENZZEIT_H

#include <cmath>

// The moment between innen, where drinnen holds, and aussen, where it does
// not, at which drinnen changes: on innen's side, within 1e-9 hours.
template <class Drinnen>
double grenzzeit(double innen, double aussen, Drinnen drinnen)
{
    for (int i = 0; i < 50 && std::fabs(aussen - innen) > 1e-9; ++i) {
        const double mitte = (innen + aussen) / 2;
        (drinnen(mitte) ? innen : aussen) = mitte;
    }
    return innen;
}

#endif
