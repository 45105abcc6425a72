// The shaded globe: land and sea in their own colours, the partial shadow
// darkening with the fraction of the Sun covered at each point, the total
// or annular shadow as a dark core. Drawn as one image into the drawing
// area, pixel by pixel; the lines and marks are drawn on top of it.
#ifndef UMBRIX_BETRACHTER_SCHATTENBILD_H
#define UMBRIX_BETRACHTER_SCHATTENBILD_H

#include "finsternis/finsternis.h"

// Loads the land mask (made with GMT, data/README.md); false with a message
// when it cannot be read: the globe is then all sea. The first shaded
// frame loads "gmtland.dat" unless a mask was loaded before.
bool landmaske_laden(const char *name);

// Forgets the image and colours made for the window before: a new window
// (on a new connection) gets its own.
void schattenbild_vergessen();

// Whether the point (laenge, breite) in degrees is land in the mask loaded.
bool ist_land(double laenge, double breite);

// Draws the globe (the unit circle of the user box) for the elements at
// that moment into the current drawable; pixels outside the globe stay as
// they are. Without elements (e null) the globe is drawn without a shadow,
// turned by drehung and neigung.
void schattenbild_zeichnen(const Elementwerte *e, double drehung, double neigung);

// The shading has this many steps above none: step s stands for the
// fraction s / schattenstufen of the Sun covered.
constexpr int schattenstufen = 255;
// The colour (0xRRGGBB) of land or sea at step s, and of the dark core.
int schattenfarbe(bool land, int stufe);
int kernfarbe(bool total);

// The scale of the shading in the key: from none at the left to the full
// step at the right, sea in the upper half, land in the lower, in the box
// of b x h pixels whose upper left corner is the pixel (x, y).
void schattenskala_zeichnen(int x, int y, int b, int h);

#endif
