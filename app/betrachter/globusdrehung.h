// The turning of the globe into the fundamental plane of an eclipse (seen
// along the axis of the Moon's shadow), for single points and for lines.
#ifndef UMBRIX_BETRACHTER_GLOBUSDREHUNG_H
#define UMBRIX_BETRACHTER_GLOBUSDREHUNG_H

#include <cmath>

// Turns one geographic point (radians) into fundamental-plane coordinates
// in Earth radii; z >= 0 on the side that faces the Moon. z may be null.
void erdkoordinatendrehen(double geolaenge, double geobreite, double drehung, double neigung, double *x,
                          double *y, double *z);

// Turns the pair (u, v) by the angle w.
void drehen(double &u, double &v, double w);

// The turning of erdkoordinatendrehen for many points of one frame: the
// angles' sines once, each point given by its own cos(b)·sin(l),
// cos(b)·cos(l) and sin(b).
struct Globusdrehung {
    double cd, sd, cn, sn;
    Globusdrehung(double drehung, double neigung)
        : cd(std::cos(drehung)), sd(std::sin(drehung)), cn(std::cos(neigung)), sn(std::sin(neigung))
    {
    }
    // A point's own factors for drehen from its longitude and latitude
    // (radians), computed once when the point is stored.
    static void punktfaktoren(double laenge, double breite, double *slcb, double *clcb, double *sb)
    {
        const double cb = std::cos(breite);
        *slcb = std::sin(laenge) * cb;
        *clcb = std::cos(laenge) * cb;
        *sb = std::sin(breite);
    }
    // x and y in the fundamental plane; false for a point behind the globe.
    bool drehen(double slcb, double clcb, double sb, double *x, double *y) const
    {
        const double a = clcb * cd - slcb * sd;
        if (cn * a + sn * sb < 0) return false;
        *x = slcb * cd + clcb * sd;
        *y = -sn * a + cn * sb;
        return true;
    }
};

// Draws lines of points given as for Globusdrehung::drehen with the pen
// plotter: line j ends before point ende[j] (and begins at the end of line
// j-1); a stretch behind the globe leaves a gap.
void globuslinien(const Globusdrehung &g, const double *slcb, const double *clcb, const double *sb, const int *ende,
                  int nlinien);

// A colour drawn over the globe: the direct colour 0xRRGGBB where the
// window is deep enough for one, else the default table's entry.
int globusfarbe(int direkt, int tabelle);

#endif
