// The off-screen pictures: the back buffer of an animation, the empty frame
// that clears it with one copy, and the refresh picture of a finished plot.
#include "intern.h"

#include <cstdio>

namespace {

// Colour of the empty frame of the back buffer.
int leerpufferfarbe = 0;

}  // namespace

// The copies must neither produce a NoExpose event each (nobody takes them,
// and the queue would grow by two every frame) nor combine with the picture
// when the complement drawing mode is on.
void ganz_kopieren(Drawable von, Drawable nach)
{
    XGCValues alt;
    XGetGCValues(dpy, gc, GCFunction | GCGraphicsExposures, &alt);
    if (alt.graphics_exposures) XSetGraphicsExposures(dpy, gc, False);
    if (alt.function != GXcopy) XSetFunction(dpy, gc, GXcopy);
    XCopyArea(dpy, von, nach, gc, 0, 0, static_cast<unsigned>(winbreite), static_cast<unsigned>(winhoehe), 0, 0);
    if (alt.function != GXcopy) XSetFunction(dpy, gc, alt.function);
}

namespace {

Pixmap neues_bild(Drawable auf)
{
    return XCreatePixmap(dpy, auf, static_cast<unsigned>(winbreite), static_cast<unsigned>(winhoehe),
                         static_cast<unsigned>(dept));
}

// Fills the whole window area with farbe and goes back to the colour that
// was set before (colour 1 when none was).
void ganz_fuellen(int farbe)
{
    int alt = mal_farbe < 0 ? 1 : mal_farbe;
    color(farbe);
    ifillbox(0, 0, breite, hoehe + menubalkenhoehe);
    color(alt);
}

}  // namespace

int changebuffer(int a, int b)
{
    if (!dpy) return 0;
    if (a == b) {
        if (dpuffer) XFreePixmap(dpy, dpuffer);
        if (leerpuffer) XFreePixmap(dpy, leerpuffer);
        dpuffer = leerpuffer = 0;
        return 0;
    }
    if (!dpuffer) {
        dpuffer = neues_bild(win10);
        ganz_kopieren(win10, dpuffer);
    } else {
        ganz_kopieren(dpuffer, win10);
    }
    XSync(dpy, False);
    return 0;
}

int screenclear(int farbe)
{
    if (!dpy) return 0;
    if (dpuffer) {
        if (!leerpuffer) {
            int alt = mal_farbe < 0 ? 1 : mal_farbe;
            leerpuffer = neues_bild(win10);
            if (farbe >= 0) leerpufferfarbe = farbe;
            color(farbe >= 0 ? farbe : leerpufferfarbe);
            ifillbox(0, 0, breite, hoehe + menubalkenhoehe);
            color(alt);
            ganz_kopieren(dpuffer, leerpuffer);
        } else if (farbe < 0 || farbe == leerpufferfarbe) {
            ganz_kopieren(leerpuffer, dpuffer);
        } else {
            ganz_fuellen(farbe);
        }
        return 0;
    }

    if (debug > 0) printf("screenclear()\n");
    PLOT_FLUSH();
    malwerk_refreshflag = 0;
    XClearWindow(dpy, win10);
    // A window that the user resized is taken up here.
    Window wurzel;
    int x, y;
    unsigned b, h, rand, tiefe;
    XGetGeometry(dpy, win10, &wurzel, &x, &y, &b, &h, &rand, &tiefe);
    winbreite = static_cast<int>(b);
    winhoehe = static_cast<int>(h);
    border = static_cast<int>(rand);
    dept = static_cast<int>(tiefe);
    breite = malwerk_breite = winbreite - 1;
    hoehe = malwerk_hoehe = winhoehe - menubalkenhoehe - 1;
    if (malwerk_rambild) XFreePixmap(dpy, malwerk_rambild);
    malwerk_rambild = 0;
    malwerk_rambildflag = 0;
    if (xsync_modus > 0) XSync(dpy, False);
    if (farbe >= 0) ganz_fuellen(farbe);
    return 0;
}

int term_refresh()
{
    if (dpy) PLOT_FLUSH();
    int ergebnis = 0;
    if (malwerk_initalflag && dpy) {
        if (!malwerk_rambild) malwerk_rambild = neues_bild(aktuelles_ziel());
        ganz_kopieren(aktuelles_ziel(), malwerk_rambild);
        XSync(dpy, False);
        malwerk_refreshflag = 1;
        malwerk_rambildflag = 1;
        if (qsaveflag) {
            if (!bild_schliessen()) ergebnis = -1;
            qsave1flag = 1;
            qsaveflag = 0;
        }
    } else {
        printf("WARNING: term_refresh() without inital()\n");
    }
    if (dpy) {
        if ((modus & 3) == 2) XLowerWindow(dpy, win10);
        XSync(dpy, False);
    }
    malwerk_initalflag = 0;
    return ergebnis;
}

void puffer_grundzustand()
{
    leerpufferfarbe = 0;
}
