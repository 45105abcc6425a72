// The place of the viewer: the menu "Ort", the place's circumstances for the
// eclipse shown and its keeping in the settings store.
#ifndef UMBRIX_BETRACHTER_ORTMENU_H
#define UMBRIX_BETRACHTER_ORTMENU_H

#include "finsternis/finsternis.h"
#include "orte/orte.h"

class Bessel;

// Key of the place in the settings store.
extern const char *const ortschluessel;

// The menu texts, with their shortcuts (Escape K, O, L, S).
extern const char *const menutext_koordinaten;
extern const char *const menutext_zeigen;
extern const char *const menutext_finsternisse;
extern const char *const menutext_suchen;

// Menu commands.
void m_ort_koordinaten(long);
void m_ort_zeigen(long);
void m_ort_finsternisse(long);
// A name typed in, then the places of that name to choose from.
void m_ort_suchen(long);

// Takes the place kept in the settings store, if there is a valid one; a
// damaged one is left unused, and a line on standard output says so.
void ort_laden();
// Sets the place: keeps it, prints its circumstances for the eclipse shown
// and shows them in the message box. A place given as coordinates takes the
// time zone of the nearest town.
void ort_setzen(const Ort &ort);
void ort_setzen(const Ortsangabe &ort);
// Called for every eclipse read: it becomes the eclipse of the circumstances,
// and a place set prints its circumstances for it.
void ort_zur_finsternis(const Bessel &b);

#endif
