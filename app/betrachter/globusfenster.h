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

// The frame drawn last is shown, and kept as the picture shown.
void bild_zeigen();
// One frame: the frame drawn last is shown (bild_zeigen), the eclipse at
// moment t drawn into the emptied back buffer as art says (without it: as
// the viewer's settings say, without the time scale); the next frame shows
// it.
void bild_zeichnen(Bessel &bessel, double t);
void bild_zeichnen(Bessel &bessel, double t, const Bildart &art);

#endif
