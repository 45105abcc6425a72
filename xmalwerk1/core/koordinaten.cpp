// Conversions between user coordinates and window pixels, sizes, the
// PostScript page mapping, the pixel aspect and two numeric helpers.
#include "intern.h"

#include <cmath>

double psxmin = 0, psymin = 0, psxcal = 1, psycal = 1;

namespace {

// u + 0.5 truncated toward zero: values above -1.5 and below 0.5 become 0.
int runden(double u)
{
    double v = u + 0.5;
    // Outside int the result is pinned to its edge instead of overflowing.
    if (!(v > -2147483648.0)) return v != v ? 0 : -2147483647 - 1;
    if (v >= 2147483647.0) return 2147483647;
    return static_cast<int>(v);
}

int runden_weg(double u)
{
    return u > 0 ? runden(u) : -runden(-u);
}

}  // namespace

void koordpix2user(int px, int py, double *x, double *y)
{
    *x = px / malwerk_xs + malwerk_xmin;
    *y = (hoehe + menubalkenhoehe - 1 - py) / malwerk_ys + malwerk_ymin;
}

void koorduser2pix(double x, double y, int *px, int *py)
{
    double u = (x - malwerk_xmin) * malwerk_xs;
    double v = (y - malwerk_ymin) * malwerk_ys;
    int ix = 0, r = 0;
    if (u > 0) {
        ix = runden(u);
        if (static_cast<unsigned>(ix) >= static_cast<unsigned>(breite)) ix = breite - 1;
    }
    if (v > 0) {
        r = runden(v);
        if (static_cast<unsigned>(r) >= static_cast<unsigned>(hoehe)) r = hoehe - 1;
    }
    *px = ix;
    *py = hoehe + menubalkenhoehe - r - 1;
}

void qkoorduser2pix(double x, double y, int *px, int *py)
{
    *px = runden((x - malwerk_xmin) * malwerk_xs);
    *py = hoehe + menubalkenhoehe - runden((y - malwerk_ymin) * malwerk_ys) - 1;
}

void deltakoorduser2pix(double dx, double dy, int *pdx, int *pdy)
{
    double u = dx * malwerk_xs;
    double v = dy * malwerk_ys;
    *pdx = runden_weg(u);
    *pdy = runden_weg(v);
}

void deltakoordpix2user(int pdx, int pdy, double *dx, double *dy)
{
    *dx = pdx / malwerk_xs;
    *dy = pdy / malwerk_ys;
}

double psxkor(double x)
{
    return (x - psxmin) * psxcal;
}

double psykor(double y)
{
    return (y - psymin) * psycal;
}

void pix2seite(double px, double py, double *sx, double *sy)
{
    *sx = psxkor(px / malwerk_xs + malwerk_xmin);
    *sy = psykor((hoehe + menubalkenhoehe - 1 - py) / malwerk_ys + malwerk_ymin);
}

void setaspect(double a)
{
    malwerk_aspect = a;
}

double getaspect()
{
    return malwerk_aspect;
}

double getraspect()
{
    return malwerk_xs / malwerk_ys / malwerk_aspect;
}

int idfix(double v)
{
    return runden_weg(v);
}

double rundezahl(double a, double b)
{
    static const double rund[10] = {5, 8, 6, 4, 2, 9, 7, 3, 1, -1};
    if (a < 0) return -rundezahl(-a, -b);
    if (b < 0) return 0;
    double hi = a > b ? a : b;
    double lo = a > b ? b : a;
    if (!std::isfinite(hi) || !std::isfinite(lo)) return lo;
    double p;
    if (hi >= 1) {
        for (p = 1; p <= hi; p *= 10)
            if (p >= lo) return p;
        p /= 10;
    } else {
        for (p = 0.1; p >= lo && p > 0; p /= 10)
            if (p <= hi) return p;
    }
    for (int i = 0; i < 8; ++i)
        if (rund[i] * p >= lo && rund[i] * p <= hi) return rund[i] * p;
    double s = 2 * p;
    while (hi > s) s += p;
    s -= p;
    while (p > 0) {
        p /= 10;
        for (int i = 0; rund[i] > 0; ++i) {
            double z = s + rund[i] * p;
            if (z >= lo && z <= hi) return z;
        }
        double u = p;
        while (hi > s + u) u += p;
        s += u - p;
    }
    return lo;
}
