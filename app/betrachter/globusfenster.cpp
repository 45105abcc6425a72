// The viewer's window, the same for the running program and for a picture
// saved from the command line.
#include "globusfenster.h"

#include "bessel.h"
#include "bildspeichern.h"
#include "erdkarte.h"
#include "ortmenu.h"
#include "pfadbild.h"
#include "schattenbild.h"

#include "xmalwerk1/xmalwerk1.h"

namespace {

// The user box's right edge for a drawing area of that size: the globe is
// the unit circle, with half a radius above and below it.
double rechter_rand(int breite, int hoehe)
{
    return 1.5 * breite / hoehe;
}

// The frame in the back buffer: the next changebuffer shows it.
Bessel *gezeichnete_finsternis = nullptr;
double gezeichneter_moment = 0;
Bildart gezeichnete_art, gezeigte_art;

// Into the emptied back buffer, without showing it.
void in_puffer_zeichnen(Bessel &bessel, double t, const Bildart &art)
{
    screenclear(-1);
    bessel.zeichnen(t, art.schattiert);
    if (art.legende) legende_zeichnen(bessel, art);
    if (art.zeitleiste) zeitleiste_zeichnen(bessel, t);
    gezeichnete_finsternis = &bessel;
    gezeichneter_moment = t;
    gezeichnete_art = art;
}

// How a picture saved draws the frame shown again.
void gezeigtes_nochmals_zeichnen(Bessel &bessel, double t)
{
    in_puffer_zeichnen(bessel, t, gezeigte_art);
}

}  // namespace

namespace {

// The window of that size; the user box follows the drawing area.
double oeffnen(int w, int h, int d, void (*menus_anlegen)())
{
    int klasse;
    double xmax = rechter_rand(w, h), ymax = 1.5;
    setsize(w, h, d);
    // The menu item "Pfad" shows the setting from the start.
    pfadeinstellung_lesen();
    ansicht_lesen();
    if (menus_anlegen) menus_anlegen();

    qinital(1, -xmax, -ymax, xmax, ymax);
    // The window may have come out lower than asked (the menu bar's rows
    // count against the screen's height): the box follows the drawing area
    // it got, so the globe stays round.
    getsize(&w, &h, &d, &klasse);
    xmax = rechter_rand(w, h);
    inital_new(-xmax, -ymax, xmax, ymax);
    setcolor(4, 100, 150, 255);

    karte_laden(const_cast<char *>("gmtkuesten.dat"));
    schattenbild_vergessen();
    ort_laden();
    return xmax;
}

}  // namespace

double globusfenster_oeffnen(void (*menus_anlegen)())
{
    int w, h, d, klasse;
    getmaxsize(&w, &h, &d, &klasse);
    fenstergroesse_berechnen(&w, &h, &d);
    return oeffnen(w, h, d, menus_anlegen);
}

double unsichtbares_globusfenster_oeffnen(int breite, int hoehe)
{
    unsichtbar_modus(1);
    const double xmax = oeffnen(breite, hoehe, 8, nullptr);
    unsichtbar_modus(0);
    return xmax;
}

void bild_zeigen()
{
    changebuffer(0, 1);
    gezeigte_art = gezeichnete_art;
    if (gezeichnete_finsternis)
        bild_gezeigt(*gezeichnete_finsternis, gezeichneter_moment, gezeigtes_nochmals_zeichnen);
}

void bild_zeichnen(Bessel &bessel, double t)
{
    bild_zeichnen(bessel, t, ansicht);
}

void bild_zeichnen(Bessel &bessel, double t, const Bildart &art)
{
    bild_zeigen();
    in_puffer_zeichnen(bessel, t, art);
}
