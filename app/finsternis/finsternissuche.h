// Every solar eclipse of a span of years, found from the ephemerides: the
// new moons near a node whose penumbra touches the Earth, with their
// Besselian elements (elementberechnung.h).
#ifndef UMBRIX_FINSTERNIS_FINSTERNISSUCHE_H
#define UMBRIX_FINSTERNIS_FINSTERNISSUCHE_H

#include "elemente.h"

#include <functional>
#include <string>
#include <vector>

// The eclipses whose greatest eclipse falls in the years von..bis (TD date,
// astronomical years), in order of time, with Delta T of the canon's
// polynomials. unterwegs, when given, hears of each one found.
std::vector<Elemente> finsternisse_suchen(int von, int bis,
                                          const std::function<void(const Elemente &)> &unterwegs = nullptr);

// The eclipse file's record as its ten lines of text.
std::string besselsatz_text(const Besselsatz &s);

#endif
