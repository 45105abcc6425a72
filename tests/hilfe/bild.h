// A picture read back from a drawable once, for many pixel probes.
#ifndef TESTHILFE_BILD_H
#define TESTHILFE_BILD_H

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testhilfe {

class Bild {
public:
    Bild(Display *d, Drawable w, int breite, int hoehe);
    ~Bild();
    Bild(const Bild &) = delete;
    Bild &operator=(const Bild &) = delete;

    int breite() const { return breite_; }
    int hoehe() const { return hoehe_; }
    // 0xRRGGBB on a 24-bit TrueColor screen; ~0 outside the picture.
    unsigned long pixel(int x, int y) const;
    // Number of pixels of this value.
    int anzahl(unsigned long wert) const;
    // Number of pixels in which two pictures of the same size differ.
    int unterschiede(const Bild &anderes) const;
    // Whether a pixel of this value lies within the square of half side r
    // around (x, y).
    bool in_naehe(int x, int y, int r, unsigned long wert) const;

private:
    XImage *bild_ = nullptr;
    int breite_, hoehe_;
};

}  // namespace testhilfe

#endif
