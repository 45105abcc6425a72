// Single points and point sets.
#include "intern.h"

namespace {

// A point in user coordinates: recorded as a zero-length line when a plot
// file is open, else drawn as one pixel.
void punkt(double x, double y, bool warten)
{
    if (qsaveflag) {
        q2plot(x, y, 3);
        q2plot(x, y, 2);
        return;
    }
    if (!anzeige_offen("qpunkt")) return;
    int px, py;
    koorduser2pix(x, y, &px, &py);
    XDrawPoint(dpy, aktuelles_ziel(), gc, px, py);
    if (warten && xsync_modus > 1) XSync(dpy, False);
}

}  // namespace

void qpunkt(float *x, float *y)
{
    PLOT_FLUSH();
    punkt(*x, *y, true);
}

void mal_punkt(double x, double y, int farbe)
{
    if (farbe != mal_farbe) color(farbe);
    PLOT_FLUSH();  // also when the colour was refused
    punkt(x, y, false);
}

void ipunkt(int x, int y, int farbe)
{
    if (!anzeige_offen("ipunkt")) return;
    if (farbe != mal_farbe) color(farbe);
    XDrawPoint(dpy, aktuelles_ziel(), gc, x, y);
}

void ipunkte(const XPoint *punkte, int n, int farbe)
{
    if (!anzeige_offen("ipunkte")) return;
    color(farbe);
    if (!anzahl_gueltig("ipunkte", n) || n == 0) return;
    XDrawPoints(dpy, aktuelles_ziel(), gc, const_cast<XPoint *>(punkte), n, CoordModeOrigin);
}

void ipunkte(XPoint *punkte, int n, int farbe)
{
    ipunkte(static_cast<const XPoint *>(punkte), n, farbe);
}
