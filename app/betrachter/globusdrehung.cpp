// The turning of the globe into the fundamental plane of an eclipse (seen
// along the axis of the Moon's shadow), for single points and for lines.
#include "globusdrehung.h"

#include "xmalwerk1/xmalwerk1.h"

#include <cmath>

int globusfarbe(int direkt, int tabelle)
{
    return malwerk_tiefe > 23 ? direkt : tabelle;
}

void globuslinien(const Globusdrehung &g, const double *slcb, const double *clcb, const double *sb, const int *ende,
                  int nlinien)
{
    int anfang = 0;
    for (int j = 0; j < nlinien; ++j) {
        int stift = 3;
        for (int i = anfang; i < ende[j]; ++i) {
            double x, y;
            if (!g.drehen(slcb[i], clcb[i], sb[i], &x, &y)) {
                stift = 3;
                continue;
            }
            q2plot(x, y, stift);
            stift = 2;
        }
        anfang = ende[j];
    }
}

void drehen(double &u, double &v, double w)
{
    double c = cos(w), s = sin(w);
    double u2 = c * u - s * v;
    v = s * u + c * v;
    u = u2;
}

void erdkoordinatendrehen(double geolaenge, double geobreite, double drehung, double neigung, double *x,
                          double *y, double *z)
{
    double h = geolaenge + drehung;
    *x = sin(h) * cos(geobreite);
    double a = cos(h) * cos(geobreite);
    double b = sin(geobreite);
    drehen(a, b, -neigung);
    *y = b;
    if (z) *z = a;
}
