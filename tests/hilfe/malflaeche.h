// A library window on a private Xvfb whose user coordinates are its pixels
// (user x = column, user y = rows counted up from the bottom row), with
// pixel probes of whatever the library draws into, and plot-file capture.
#ifndef TESTHILFE_MALFLAECHE_H
#define TESTHILFE_MALFLAECHE_H

#include "hilfe/xvfb.h"

#include <cstdio>
#include <string>

namespace testhilfe {

class Malflaeche {
public:
    Malflaeche(int breite = 400, int hoehe = 300, int schirmtiefe = 24);
    ~Malflaeche();

    // Pixel value of the current drawable (back buffer or window).
    unsigned long pixel(int x, int y);
    // How many pixels of the rectangle (inclusive corners) have value wert.
    int zaehlen(int x1, int y1, int x2, int y2, unsigned long wert);
    // Row y from x1 to x2 as text: '#' where the pixel has value wert, '.'
    // elsewhere.
    std::string zeile(int y, int x1, int x2, unsigned long wert);
    // Window row of user y.
    int zeile_von(double y) const { return hoehe_ - 1 - static_cast<int>(y); }

    unsigned long weiss() const;
    unsigned long schwarz() const;

private:
    XvfbServer server_;
    int hoehe_;
};

// Sets up a temporary PostScript plot file as the one being written.
class PostscriptMitschnitt {
public:
    PostscriptMitschnitt();
    ~PostscriptMitschnitt();
    std::string inhalt();  // everything written so far, without empty lines
    void leeren();         // forget what was written so far

private:
    FILE *datei_;
};

}  // namespace testhilfe

#endif
