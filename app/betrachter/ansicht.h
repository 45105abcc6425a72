// What a frame shows besides the globe: the shaded globe instead of the
// outline picture, the key, the time scale. The viewer's menu "Ansicht"
// keeps the first two as settings; a caller of bild_zeichnen may choose
// all three for one picture.
#ifndef UMBRIX_BETRACHTER_ANSICHT_H
#define UMBRIX_BETRACHTER_ANSICHT_H

class Bessel;

struct Bildart {
    bool schattiert = false;  // land, sea and the shadow shaded (schattenbild.h)
    bool legende = true;      // the key in the upper left corner
    bool zeitleiste = false;  // the six hours as a bar along the bottom edge
};

// The viewer's choice, read from the settings UMBRIXSCHATTEN ("1": shaded)
// and UMBRIXLEGENDE ("0": no key) by ansicht_lesen.
extern Bildart ansicht;
void ansicht_lesen();

// The texts of the menu items, marked while on, and their commands, which
// switch, keep the setting and mark the item.
const char *menutext_schattierung();
const char *menutext_legende();
void m_schattierung(long id);
void m_legende(long id);

// Drawn over the frame of the eclipse at moment t: the key naming what art
// draws, and the time scale (the moment shown and greatest eclipse marked).
void legende_zeichnen(const Bessel &bessel, const Bildart &art);
void zeitleiste_zeichnen(const Bessel &bessel, double t);

// A dark plate behind a text written at (x, y) as schrift writes it.
void platte_zeichnen(double x, double y, const char *text);
// The outlines of the shaded picture: the edge of the penumbra, and the
// umbra (ring: the antumbra).
int halbschattenfarbe();
int kernschattenfarbe(bool ring);

#endif
