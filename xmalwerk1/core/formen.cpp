// Boxes, ellipses and filled polygons in pixels and in user coordinates,
// and the double frame of the requesters' buttons.
#include "intern.h"

#include <climits>
#include <cstdlib>
#include <vector>

namespace {

int kleiner(int a, int b)
{
    return a < b ? a : b;
}

unsigned abstand(int a, int b)
{
    return static_cast<unsigned>(abs(b - a));
}

void polygon_fuellen(std::vector<XPoint> &p)
{
    PLOT_FLUSH();
    polygon_aufzeichnen(p.data(), static_cast<int>(p.size()));
    XFillPolygon(dpy, aktuelles_ziel(), gc, p.data(), static_cast<int>(p.size()), Complex, CoordModeOrigin);
}

}  // namespace

void idrawbox(int x1, int y1, int x2, int y2)
{
    if (!anzeige_offen("idrawbox")) return;
    XDrawRectangle(dpy, aktuelles_ziel(), gc, kleiner(x1, x2), kleiner(y1, y2), abstand(x1, x2), abstand(y1, y2));
    kasten_aufzeichnen(kleiner(x1, x2), kleiner(y1, y2), abstand(x1, x2), abstand(y1, y2), false);
}

void ifillbox(int x1, int y1, int x2, int y2)
{
    if (!anzeige_offen("ifillbox")) return;
    // Filled boxes cover both corner pixels, as the outline does.
    XFillRectangle(dpy, aktuelles_ziel(), gc, kleiner(x1, x2), kleiner(y1, y2), abstand(x1, x2) + 1,
                   abstand(y1, y2) + 1);
    kasten_aufzeichnen(kleiner(x1, x2), kleiner(y1, y2), abstand(x1, x2) + 1, abstand(y1, y2) + 1, true);
}

void iviereck(int x1, int y1, int x2, int y2, int farbe)
{
    if (farbe != mal_farbe) color(farbe);
    ifillbox(x1, y1, x2, y2);
}

namespace {

// The user-coordinate shapes flush, map and hand over to a pixel shape.
void kasten_abbilden(double x1, double y1, double x2, double y2, void (*form)(int, int, int, int))
{
    PLOT_FLUSH();
    int px1, py1, px2, py2;
    koorduser2pix(x1, y1, &px1, &py1);
    koorduser2pix(x2, y2, &px2, &py2);
    form(px1, py1, px2, py2);
}

void ellipse_abbilden(double x, double y, double rx, double ry, void (*form)(int, int, int, int))
{
    PLOT_FLUSH();
    int px, py, prx, pry;
    koorduser2pix(x, y, &px, &py);
    deltakoorduser2pix(rx, ry, &prx, &pry);
    form(px, py, prx, pry);
}

// Negative radii (a negative size in user units) are taken by their
// length; X would read them as huge unsigned sizes. The bounding box is
// worked out in 64 bits and pinned to the request's 16-bit fields, so a
// huge radius (from far-out data) neither overflows nor wraps around into
// a small circle somewhere else.
void ellipse(const char *name, int x, int y, int rx, int ry, bool fuellen)
{
    if (!anzeige_offen(name)) return;
    const long long ax = llabs(rx), ay = llabs(ry);
    auto kante = [](long long v) { return pixel16(static_cast<int>(v < INT_MIN ? INT_MIN : v)); };
    auto weite = [](long long v) { return static_cast<unsigned>(v > 65535 ? 65535 : v); };
    auto zeichnen = fuellen ? XFillArc : XDrawArc;
    zeichnen(dpy, aktuelles_ziel(), gc, kante(x - ax), kante(y - ay), weite(2 * ax), weite(2 * ay), 0, 23040);
    ellipse_aufzeichnen(x, y, weite(ax), weite(ay), fuellen);
}

}  // namespace

void drawbox(double x1, double y1, double x2, double y2)
{
    kasten_abbilden(x1, y1, x2, y2, idrawbox);
}

void fillbox(double x1, double y1, double x2, double y2)
{
    kasten_abbilden(x1, y1, x2, y2, ifillbox);
}

void idrawcircle(int x, int y, int rx, int ry)
{
    ellipse("idrawcircle", x, y, rx, ry, false);
}

void ifillcircle(int x, int y, int rx, int ry)
{
    ellipse("ifillcircle", x, y, rx, ry, true);
}

void drawcircle(double x, double y, double rx, double ry)
{
    ellipse_abbilden(x, y, rx, ry, idrawcircle);
}

void fillcircle(double x, double y, double rx, double ry)
{
    ellipse_abbilden(x, y, rx, ry, ifillcircle);
}

void ifillpolygon(int n, int *x, int *y)
{
    if (!anzahl_gueltig("ifillpolygon", n) || n == 0 || !anzeige_offen("ifillpolygon")) return;
    std::vector<XPoint> p(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        p[i].x = pixel16(x[i]);
        p[i].y = pixel16(y[i]);
    }
    polygon_fuellen(p);
}

void fillpolygon(int n, double *x, double *y)
{
    if (!anzahl_gueltig("fillpolygon", n) || n == 0 || !anzeige_offen("fillpolygon")) return;
    std::vector<XPoint> p(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        int px, py;
        koorduser2pix(x[i], y[i], &px, &py);
        p[i].x = static_cast<short>(px);
        p[i].y = static_cast<short>(py);
    }
    polygon_fuellen(p);
}

void doppelbox(int ohnefarbe, int, int farbe, Display *d, Drawable w, GC g, int x, int y, int b, int h)
{
    XDrawRectangle(d, w, g, x, y, static_cast<unsigned>(b), static_cast<unsigned>(h));
    // The GC belongs to d, so its foreground is set there; afterwards it
    // returns to the black that the requesters draw in.
    if (!ohnefarbe) XSetForeground(d, g, static_cast<unsigned long>(farbe));
    XDrawRectangle(d, w, g, x - 3, y - 3, static_cast<unsigned>(b + 6), static_cast<unsigned>(h + 6));
    if (!ohnefarbe) XSetForeground(d, g, BlackPixel(d, DefaultScreen(d)));
}
