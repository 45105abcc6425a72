// The place chosen by the user and its mark on the turning globe.
#ifndef UMBRIX_BETRACHTER_ORTSMARKE_H
#define UMBRIX_BETRACHTER_ORTSMARKE_H

#include "finsternis/finsternis.h"
#include "orte/orte.h"

// The place set, if any.
bool ort_gesetzt();
const Ort &gesetzter_ort();
// Its name, state, country and time zone: empty name for a place given as
// coordinates, whose zone is the nearest town's (empty far from any).
const Ortsangabe &gesetzte_ortsangabe();
// Takes the place as the one set.
void ort_merken(const Ort &ort);
void ort_merken(const Ortsangabe &ort);

// Draws the mark of the place on the globe turned by drehung and neigung
// (radians), and remembers the turning of the frames for picking a place.
void ortsmarke_zeichnen(double drehung, double neigung);
// The turning of the globe now on the screen.
void gezeigte_drehung(double *drehung, double *neigung);

#endif
