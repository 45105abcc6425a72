// The place of the viewer: the menu "Ort", the place's circumstances for the
// eclipse shown, its mark on the globe and its keeping in the settings store.
#ifndef UMBRIX_ORTMENU_H
#define UMBRIX_ORTMENU_H

#include "fundamentalebene.h"

class Bessel;

// Key of the place in the settings store.
extern const char *const ortschluessel;

// The menu texts, with their shortcuts (Escape K, O, L).
extern const char *const menutext_koordinaten;
extern const char *const menutext_zeigen;
extern const char *const menutext_finsternisse;

// Menu commands.
void m_ort_koordinaten(long);
void m_ort_zeigen(long);
void m_ort_finsternisse(long);

// The place set, if any.
bool ort_gesetzt();
const Ort &gesetzter_ort();

// Takes the place kept in the settings store, if there is a valid one.
void ort_laden();
// Sets the place: keeps it, prints its circumstances for the eclipse shown
// and shows them in the message box.
void ort_setzen(const Ort &ort);
// Called for every eclipse read: it becomes the eclipse of the circumstances,
// and a place set prints its circumstances for it.
void ort_zur_finsternis(const Bessel &b);

// Draws the mark of the place on the globe turned by drehung and neigung
// (radians), and remembers the turning of the frames for picking a place.
void ortsmarke_zeichnen(double drehung, double neigung);
// The turning of the globe now on the screen.
void gezeigte_drehung(double *drehung, double *neigung);

#endif
