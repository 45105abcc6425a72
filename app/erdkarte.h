// The world's coastlines and the turning of the globe into the fundamental
// plane of an eclipse (seen along the axis of the Moon's shadow).
#ifndef UMBRIX_ERDKARTE_H
#define UMBRIX_ERDKARTE_H

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
