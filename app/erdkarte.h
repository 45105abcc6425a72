// The world's coastlines and the turning of the globe into the fundamental
// plane of an eclipse (seen along the axis of the Moon's shadow).
#ifndef UMBRIX_ERDKARTE_H
#define UMBRIX_ERDKARTE_H

#include <cmath>
#include <cstdio>

class Erdedetails {
public:
    static constexpr int maxpunkte = 16000;  // the last slot is never filled
    static constexpr int maxlinien = 8000;

    int npunkte = 0;
    double erdlaenge[maxpunkte];  // radians, east positive
    double erdbreite[maxpunkte];  // radians, north positive
    int nlinien = 0;
    int linienende[maxlinien];  // one past the last point of each line

    Erdedetails();
    // Appends one line of n points given in degrees; a line that does not
    // fit is refused whole.
    void liniekopieren(double *laengen, double *breiten, int n);
    // Draws all lines turned by the shadow axis's hour angle and declination.
    void zeichnen(double drehung, double neigung);

    // Per point, kept with the map so that a frame needs no trigonometry per
    // point: cos(breite)·sin(laenge), cos(breite)·cos(laenge), sin(breite).
    double sinlaenge_cosbreite[maxpunkte];
    double coslaenge_cosbreite[maxpunkte];
    double sinbreite[maxpunkte];
};

extern Erdedetails erdkarte;

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

// Loads a GMT multi-segment coastline file into erdkarte; the number of
// segments handed to storage, or -1 when the file cannot be opened.
int karte_laden(char *name);

// Opens a data file of the program: below aktuellerpfad when that is set,
// else in the working directory; a file to read that is not there is
// taken from the installation's data directory.
FILE *fopen2(char *name, char *mode);

// Reads one line of at most size - 1 characters, ending at a line feed or a
// carriage return (not stored); 0 when reading stopped at the end of the
// file, else 1.
int getline(FILE *f, char *buffer, int size);

// Turns one geographic point (radians) into fundamental-plane coordinates
// in Earth radii; z >= 0 on the side that faces the Moon. z may be null.
void erdkoordinatendrehen(double geolaenge, double geobreite, double drehung, double neigung, double *x,
                          double *y, double *z);

// Turns the pair (u, v) by the angle w.
void drehen(double &u, double &v, double w);

#endif
