// What one eclipse looks like from one place: contacts, maximum, magnitude,
// obscuration and duration, from the Besselian elements. Free of X.
#ifndef UMBRIX_FINSTERNIS_ORTSUMSTAENDE_H
#define UMBRIX_FINSTERNIS_ORTSUMSTAENDE_H

#include "fundamentalebene.h"

#include <string>
#include <vector>

// The kind of the eclipse as seen from the place.
enum class Sichtart { keine, partiell, total, ringfoermig };

struct Kontakt {
    bool gibt_es = false;    // false: this contact does not happen here
    double t = 0;            // hours from T0
    double ut = 0;           // UT as a modified Julian date
    Sonnenstand sonne{};     // degrees
    bool unter_horizont = false;
};

struct Ortsumstaende {
    Sichtart art = Sichtart::keine;
    Kontakt c1, c2, maximum, c3, c4;
    double groesse = 0;                 // fraction of the Sun's diameter covered at maximum
    double durchmesserverhaeltnis = 0;  // Moon's to Sun's apparent diameter
    double bedeckung = 0;               // fraction of the Sun's disc area covered at maximum
    double dauer = 0;                   // seconds of totality or annularity, 0 when not central
    double hoechste_sonne = -90;        // the Sun's highest altitude from C1 to C4, degrees
};

Ortsumstaende ortsumstaende(const Elemente &e, const Ort &ort);

// The fraction of the Sun's disc (radius 1) that a Moon of radius
// mondradius covers with its centre abstand away.
double bedeckter_anteil(double mondradius, double abstand);

// The fraction of the Sun's disc covered, seen from a point abstand away
// from the shadow axis where the cone radii at its height are L1 and L2
// (as l1 - zeta tan f1 and l2 - zeta tan f2).
double bedeckung_im_abstand(double abstand, double L1, double L2);

// Seen from the place: magnitude above 0 with the Sun above the horizon at
// some moment of the eclipse.
bool sichtbar(const Ortsumstaende &u);

// The obscuration in per cent, cut (not rounded) to tenths, as it is
// printed: a Sun not wholly covered never reads 100.0.
double bedeckung_prozent(const Ortsumstaende &u);

// The point of the compass nearest to an azimuth (degrees from north
// through east), as a word of sixteen: "Nord", "Nordnordost", ... "Nordnordwest".
const char *himmelsrichtung(double azimut);

#endif
