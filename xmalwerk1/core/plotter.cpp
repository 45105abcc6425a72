// The pen plotter: polylines collected point by point and drawn in one X
// request per 200 points, its flavours, direct polylines and flushing.
#include "intern.h"

#include <cstdio>

int plo_i = 0;

namespace {

constexpr int FELDGROESSE = 200;
constexpr int DIREKTGROESSE = 1000;

XPoint feld[FELDGROESSE];  // the pending polyline; entry 0 is its start
int x2 = 0, y2 = 0;        // pen position in pixels

const char *const WARNUNG = "WARNING in plot(): zuerst inital() aufrufen";

void zeichnen(XPoint *p, int n)
{
    if (n == 2)
        XDrawLine(dpy, aktuelles_ziel(), gc, p[0].x, p[0].y, p[1].x, p[1].y);
    else
        XDrawLines(dpy, aktuelles_ziel(), gc, p, n, CoordModeOrigin);
}

// Draws n points in pieces of at most 1000 per request, each piece starting
// at the last point of the one before. punkt(i, &p) delivers point i.
template <class Punkt>
void direkt_zeichnen(int n, Punkt punkt)
{
    XPoint p[DIREKTGROESSE];
    // Outside a picture nothing would ever set the flag: draw anyway.
    if (!malwerk_initalflag) puts(WARNUNG);
    int i = 0;
    do {
        int c = n < DIREKTGROESSE ? n : DIREKTGROESSE;
        for (int k = 0; k < c; ++k) punkt(i + k, &p[k]);
        XDrawLines(dpy, aktuelles_ziel(), gc, p, c, CoordModeOrigin);
        i += c - 1;
        n = n - c + 1;
    } while (n > 1);
    if (xsync_modus > 1) XSync(dpy, False);
}

}  // namespace

void q2plot(double x, double y, int ipen)
{
    if (ipen < 2) return;
    if (ipen == 2) {
        koorduser2pix(x, y, &x2, &y2);
        if (qsaveflag) bildplot(x, y, 2);
        feld[plo_i].x = static_cast<short>(x2);
        feld[plo_i].y = static_cast<short>(y2);
        if (++plo_i < FELDGROESSE) return;
    } else if (ipen == 3) {
        koorduser2pix(x, y, &x2, &y2);
        if (qsaveflag) bildplot(x, y, 3);
    }
    if (plo_i >= 2) {
        int n = plo_i;
        plo_i = 0;
        if (anzeige_offen("q2plot")) {
            if (!malwerk_initalflag) puts(WARNUNG);
            zeichnen(feld, n);
            if (xsync_modus > 1) XSync(dpy, False);
        }
    }
    if (xsync_modus > 1 && dpy) XFlush(dpy);
    feld[0].x = static_cast<short>(x2);
    feld[0].y = static_cast<short>(y2);
    plo_i = 1;
}

void plot(float *x, float *y, short *ipen)
{
    q2plot(*x, *y, *ipen);
}

void iplot(int ix, int iy, int ipen)
{
    double x, y;
    koordpix2user(ix, iy, &x, &y);
    q2plot(x, y, ipen);
}

void moveto(int ix, int iy)
{
    iplot(ix, iy, 3);
}

void lineto(int ix, int iy)
{
    iplot(ix, iy, 2);
}

void line(short *n, float *x, float *y)
{
    // An empty line touches no point: the arrays may hold none.
    if (!anzahl_gueltig("line", *n) || *n == 0) return;
    q2plot(x[0], y[0], 3);
    for (int i = 1; i < *n; ++i) q2plot(x[i], y[i], 2);
}

void mal_line(int n, double *x, double *y)
{
    PLOT_FLUSH();
    if (!anzahl_gueltig("mal_line", n) || n == 0) return;
    if (qsaveflag) {
        q2plot(x[0], y[0], 3);
        for (int i = 1; i < n; ++i) q2plot(x[i], y[i], 2);
        return;
    }
    if (!anzeige_offen("mal_line")) return;
    direkt_zeichnen(n, [x, y](int i, XPoint *p) {
        int px, py;
        koorduser2pix(x[i], y[i], &px, &py);
        p->x = static_cast<short>(px);
        p->y = static_cast<short>(py);
    });
}

void iline(int n, int *x, int *y)
{
    PLOT_FLUSH();
    if (!anzahl_gueltig("iline", n) || n == 0) return;
    if (qsaveflag) {
        iplot(x[0], y[0], 3);
        for (int i = 1; i < n; ++i) iplot(x[i], y[i], 2);
        return;
    }
    if (!anzeige_offen("iline")) return;
    direkt_zeichnen(n, [x, y](int i, XPoint *p) {
        p->x = pixel16(x[i]);
        p->y = pixel16(y[i]);
    });
}

void iplotline(int x1, int y1, int x2_, int y2_, int farbe)
{
    if (!anzeige_offen("iplotline")) return;
    if (farbe != mal_farbe) color(farbe);
    XDrawLine(dpy, aktuelles_ziel(), gc, x1, y1, x2_, y2_);
}

void mal_flush()
{
    if (plo_i >= 2)
        q2plot(0, 0, 4);
    else if (dpy)
        XFlush(dpy);
}

void PLOT_FLUSH()
{
    if (plo_i >= 2) q2plot(0, 0, 4);
}

void plotter_grundzustand()
{
    plo_i = 0;
    x2 = y2 = 0;
}
