// The mark of the chosen place on the globe: a small magenta cross that
// turns with the Earth and is hidden on its far side.
#include "ortsmarke.h"

#include "globusdrehung.h"

#include "xmalwerk1/xmalwerk1.h"

namespace {

const double arm = 0.012;                  // half the cross's size, Earth radii

struct Drehung {
    double drehung = 0, neigung = 0;
};
// A frame is drawn into the back buffer while the one drawn before it is
// on the screen (the frame pacing shows a frame, then draws the next).
Drehung gezeichnet, gezeigt;

Ortsangabe ort_;
bool gesetzt_ = false;

}  // namespace

bool ort_gesetzt()
{
    return gesetzt_;
}

const Ort &gesetzter_ort()
{
    return ort_.ort;
}

const Ortsangabe &gesetzte_ortsangabe()
{
    return ort_;
}

void ort_merken(const Ort &ort)
{
    Ortsangabe o;
    o.ort = ort;
    ort_merken(o);
}

void ort_merken(const Ortsangabe &ort)
{
    ort_ = ort;
    gesetzt_ = true;
}

void ortsmarke_zeichnen(double drehung, double neigung)
{
    gezeigt = gezeichnet;
    gezeichnet = {drehung, neigung};
    if (!gesetzt_) return;
    double x, y, z;
    erdkoordinatendrehen(ort_.ort.laenge * grad_in_rad, ort_.ort.breite * grad_in_rad, drehung, neigung, &x, &y, &z);
    if (z < 0) return;
    color(globusfarbe(0xff00ff, 5));  // magenta
    q2plot(x - arm, y, 3);
    q2plot(x + arm, y, 2);
    q2plot(x, y - arm, 3);
    q2plot(x, y + arm, 2);
    PLOT_FLUSH();
}

void gezeigte_drehung(double *drehung, double *neigung)
{
    *drehung = gezeigt.drehung;
    *neigung = gezeigt.neigung;
}
