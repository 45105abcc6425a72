// Graphic input with a crosshair: a full-window cross follows the pointer
// until a button is pressed in the drawing window; that point is returned
// in user coordinates. The cross is drawn with a combining raster function,
// so drawing it twice leaves the picture as it was.
#include "menu_intern.h"
#include "../core/intern.h"

#include <cstdio>

namespace {

GC mygc = nullptr;
int flag = 0;  // 1 while a crosshair is drawn
int x0 = 0, y0 = 0;
bool erster_gebrauch = true;

// Presses and motions in the drawing window; everything else waits for the
// event loop.
Bool fuer_fadenkreuz(Display *, XEvent *e, XPointer)
{
    return (e->type == ButtonPress || e->type == MotionNotify) && e->xany.window == win10;
}

}  // namespace

void grein_faden_zeichnen(GC g, int x, int y)
{
    // Always on the window itself: a back buffer would hide the cross.
    XDrawLine(dpy, win10, g, x, 0, x, hoehe + menubalkenhoehe);
    XDrawLine(dpy, win10, g, 0, y, breite, y);
}

int grein_fadenkreuz(int x, int y)
{
    if (!dpy || !win10) return 0;
    if (flag) grein_faden_zeichnen(mygc, x0, y0);
    if (x < 0 && y < 0) {
        flag = 0;
        XFlush(dpy);
        return 0;
    }
    if (!flag) {
        if (!mygc) {
            XGCValues werte;
            werte.background = malwerk_hintergrundfarbe;
            werte.foreground = malwerk_vordergrundfarbe;
            werte.function = malwerk_vordergrundfarbe != 0 ? GXxor : GXequiv;
            mygc = XCreateGC(dpy, win10, GCBackground | GCForeground | GCFunction, &werte);
        }
        if (erster_gebrauch && x == 0 && y == 0) {
            x = breite / 2;
            y = hoehe / 2;
        }
        erster_gebrauch = false;
        flag = 1;
    }
    x0 = x;
    y0 = y;
    grein_faden_zeichnen(mygc, x0, y0);
    XFlush(dpy);
    return flag;
}

void fadenkreuz_vergessen()
{
    if (mygc && dpy) XFreeGC(dpy, mygc);
    mygc = nullptr;
    flag = 0;
}

void mal_grein(double *x, double *y)
{
    static XEvent event;
    if (!anzeige_offen("mal_grein")) return;
    PLOT_FLUSH();
    grein_fadenkreuz(mal_mausx, mal_mausy);
    if (debug > 0) printf("grein()  ButtonPress=%d\n", ButtonPress);
    fenstertitel_setzen(fenstername2);
    bool gewaehlt = false;
    while (ereignis_abwarten(dpy, &event, fuer_fadenkreuz, nullptr)) {
        if (event.type == ButtonPress) {
            gewaehlt = true;
            break;
        }
        // Of a run of motions only the last one counts.
        while (XCheckTypedWindowEvent(dpy, win10, MotionNotify, &event)) {
        }
        grein_fadenkreuz(event.xmotion.x, event.xmotion.y);
    }
    // On the close request the input ends as if cancelled: x and y stay.
    if (gewaehlt) {
        mal_mausx = event.xbutton.x;
        mal_mausy = event.xbutton.y;
        koordpix2user(mal_mausx, mal_mausy, x, y);
        if (debug > 0)
            printf("grein: 1000x=%d 1000y=%d\n", static_cast<int>(*x * 1000), static_cast<int>(*y * 1000));
    }
    fenstertitel_setzen(malwerk_fenstername);
    grein_fadenkreuz(-1, -1);
    fflush(stdout);
}

void grein(float *x, float *y)
{
    double dx = *x, dy = *y;
    mal_grein(&dx, &dy);
    *x = static_cast<float>(dx);
    *y = static_cast<float>(dy);
}

void fadenkreuz_grundzustand()
{
    fadenkreuz_vergessen();
    x0 = y0 = 0;
    erster_gebrauch = true;
}
