// The world's coastlines, kept for drawing on the turned globe.
#ifndef UMBRIX_BETRACHTER_ERDKARTE_H
#define UMBRIX_BETRACHTER_ERDKARTE_H

class Erdedetails {
public:
    static constexpr int maxpunkte = 16000;  // the last slot is never filled
    static constexpr int maxlinien = 8000;

    int npunkte = 0;
    double erdlaenge[maxpunkte];  // radians, east positive
    double erdbreite[maxpunkte];  // radians, north positive
    int nlinien = 0;
    int linienende[maxlinien];  // one past the last point of each line

    // Lines refused for want of room since the last load began: only the
    // first is reported as it happens, the load tells how many more.
    int ohne_platz = 0;

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
// segments handed to storage, or -1 when the file cannot be opened. Each
// kind of fault is reported once, the first case and then how many more
// (a damaged file must not flood the terminal); a file without a single
// coastline says so.
int karte_laden(char *name);

#endif
