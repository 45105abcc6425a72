// The viewer's window and its frame, the same for the running program and
// for a picture saved from the command line.
#ifndef UMBRIX_BETRACHTER_GLOBUSFENSTER_H
#define UMBRIX_BETRACHTER_GLOBUSFENSTER_H

#include "ansicht.h"

class Bessel;

// The largest 5:4 rectangle within the usable screen and 1280 x 1024;
// the depth is limited to 8.
void fenstergroesse_berechnen(int *breite, int *hoehe, int *tiefe);

// Opens the window (the menus, if any, declared by menus_anlegen before it
// opens) with the user box centred on the globe, loads the coastlines, the
// settings of path and view and the stored place; returns
// the box's right edge (its top is 1.5).
double globusfenster_oeffnen(void (*menus_anlegen)());

// A window of breite x hoehe drawing pixels that is never shown, for
// pictures drawn only to be saved (a display is still needed); otherwise
// as globusfenster_oeffnen without menus.
double unsichtbares_globusfenster_oeffnen(int breite, int hoehe);

// The animation of an eclipse: the moments -3 h to +3 h around T0, three
// minutes apart (from animation_von, animation_schritt added while the sum
// is at most animation_bis: 121 frames).
const double animation_von = -3.0, animation_bis = 3.0, animation_schritt = 0.05;

// The frame drawn last is shown, and kept as the picture shown.
void bild_zeigen();
// One frame: the frame drawn last is shown (bild_zeigen), the eclipse at
// moment t drawn into the emptied back buffer as art says (without it: as
// the viewer's settings say, without the time scale); the next frame shows
// it.
void bild_zeichnen(Bessel &bessel, double t);
void bild_zeichnen(Bessel &bessel, double t, const Bildart &art);

#endif
