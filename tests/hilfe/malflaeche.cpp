#include "hilfe/malflaeche.h"

#include "xmalwerk1/core/intern.h"

#include <X11/Xutil.h>

namespace testhilfe {

Malflaeche::Malflaeche(int breite, int hoehe, int schirmtiefe) : server_(1280, 1024, schirmtiefe), hoehe_(hoehe)
{
    server_.als_display_setzen();
    setsize(breite, hoehe, 24);
    qinital(1, 0, 0, breite - 1, hoehe - 1);
    XSync(dpy, False);
}

Malflaeche::~Malflaeche()
{
    term_exit();
}

unsigned long Malflaeche::pixel(int x, int y)
{
    mal_flush();
    XSync(dpy, False);
    return pixel_lesen(dpy, aktuelles_ziel(), x, y);
}

int Malflaeche::zaehlen(int x1, int y1, int x2, int y2, unsigned long wert)
{
    XSync(dpy, False);
    unsigned b = static_cast<unsigned>(x2 - x1 + 1), h = static_cast<unsigned>(y2 - y1 + 1);
    XImage *bild = XGetImage(dpy, aktuelles_ziel(), x1, y1, b, h, AllPlanes, ZPixmap);
    if (!bild) return -1;
    int n = 0;
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < b; ++x) n += XGetPixel(bild, static_cast<int>(x), static_cast<int>(y)) == wert;
    XDestroyImage(bild);
    return n;
}

std::string Malflaeche::zeile(int y, int x1, int x2, unsigned long wert)
{
    XSync(dpy, False);
    std::string s;
    XImage *bild = XGetImage(dpy, aktuelles_ziel(), x1, y, static_cast<unsigned>(x2 - x1 + 1), 1, AllPlanes, ZPixmap);
    if (!bild) return s;
    for (int x = 0; x <= x2 - x1; ++x) s += XGetPixel(bild, x, 0) == wert ? '#' : '.';
    XDestroyImage(bild);
    return s;
}

unsigned long Malflaeche::weiss() const
{
    return WhitePixelOfScreen(screen);
}

unsigned long Malflaeche::schwarz() const
{
    return BlackPixelOfScreen(screen);
}

PostscriptMitschnitt::PostscriptMitschnitt() : datei_(tmpfile())
{
    malwerk_fpbild = datei_;
    qsaveflag = 1;
    malwerk_postflag = 1;
    malwerk_iffflag = 0;
}

PostscriptMitschnitt::~PostscriptMitschnitt()
{
    qsaveflag = 0;
    malwerk_postflag = 0;
    malwerk_fpbild = nullptr;
    if (datei_) fclose(datei_);
}

std::string PostscriptMitschnitt::inhalt()
{
    std::string s;
    if (!datei_) return s;
    fflush(datei_);
    rewind(datei_);
    int c;
    // The recorder ends its output line after every fourth item, an end of
    // path included, which leaves empty lines between commands; they are
    // no command and are dropped.
    while ((c = fgetc(datei_)) != EOF)
        if (c != '\n' || (!s.empty() && s.back() != '\n')) s += static_cast<char>(c);
    return s;
}

void PostscriptMitschnitt::leeren()
{
    if (!datei_) return;
    fclose(datei_);
    datei_ = tmpfile();
    malwerk_fpbild = datei_;
}

}  // namespace testhilfe
