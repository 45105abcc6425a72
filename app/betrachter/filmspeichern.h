// The six hours of an eclipse saved as an animated GIF: the frames of the
// viewer's animation, from the File menu and from the command line.
#ifndef UMBRIX_BETRACHTER_FILMSPEICHERN_H
#define UMBRIX_BETRACHTER_FILMSPEICHERN_H

#include "bildspeichern.h"

#include "finsternis/finsternis.h"

#include "ansicht.h"

#include <string>

class Bessel;

extern const char *const filmendung_meldung;  // "Filme werden als .gif gespeichert."

// What the film's frames show beyond the viewer's picture as the menus set
// it: switched on for the film's frames only (Filmansicht_an in
// filmspeichern.cpp), whatever the menus say.
struct Filmansicht {
    bool pfad = true;  // the path of the shadow
    Bildart bild = {true, true, false};  // shaded, with the key; no time scale while it runs
};

// Shown for each frame, in hundredths of a second; the last frame stays
// longer before the film begins again.
const int film_verzoegerung = 5, film_schlussbild = 100;

// "umbrix-JJJJ-MM-TT.gif" for the eclipse's date.
std::string filmname_vorschlag(const Elemente &e);

// Draws the animation of bessel's eclipse frame by frame into the back
// buffer and saves it under name (ending .gif) as datei_ersetzen saves a
// file: "Film gespeichert: NAME", or false with fehler. The picture shown
// before is shown again afterwards.
bool film_speichern(Bessel &bessel, const std::string &name, std::string *fehler,
                    Ueberschreibfrage fragen = nullptr, const Filmansicht &ansicht = Filmansicht());

// File -> "Film speichern...": the eclipse shown, at the window's size; the
// name asked for as Bild speichern... asks for it.
void m_film(long);

#endif
