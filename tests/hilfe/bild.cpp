#include "hilfe/bild.h"

namespace testhilfe {

Bild::Bild(Display *d, Drawable w, int breite, int hoehe) : breite_(breite), hoehe_(hoehe)
{
    bild_ = XGetImage(d, w, 0, 0, static_cast<unsigned>(breite), static_cast<unsigned>(hoehe), AllPlanes,
                      ZPixmap);
    if (!bild_) breite_ = hoehe_ = 0;
}

Bild::~Bild()
{
    if (bild_) XDestroyImage(bild_);
}

unsigned long Bild::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= breite_ || y >= hoehe_) return ~0UL;
    return XGetPixel(bild_, x, y) & 0xFFFFFF;
}

int Bild::anzahl(unsigned long wert) const
{
    int n = 0;
    for (int y = 0; y < hoehe_; ++y)
        for (int x = 0; x < breite_; ++x) n += pixel(x, y) == wert;
    return n;
}

int Bild::unterschiede(const Bild &anderes) const
{
    if (breite_ != anderes.breite_ || hoehe_ != anderes.hoehe_) return breite_ * hoehe_ + 1;
    int n = 0;
    for (int y = 0; y < hoehe_; ++y)
        for (int x = 0; x < breite_; ++x) n += pixel(x, y) != anderes.pixel(x, y);
    return n;
}

bool Bild::in_naehe(int x, int y, int r, unsigned long wert) const
{
    for (int j = y - r; j <= y + r; ++j)
        for (int i = x - r; i <= x + r; ++i)
            if (pixel(i, j) == wert) return true;
    return false;
}

}  // namespace testhilfe
