// The menu's windows: the bar, one pull-down per column and one window per
// submenu, created when the graphics open and released by menu_clear.
#include "menu_intern.h"
#include "../core/intern.h"

unsigned long higrund = 0, fogrund = 0;
int menu0_breite = 0, menu0_hoehe = 0;

namespace {

Window kindfenster(int x, int y, int breite, int hoehe)
{
    Window w = XCreateSimpleWindow(dpy, win10, x, y, static_cast<unsigned>(breite > 0 ? breite : 1),
                                   static_cast<unsigned>(hoehe > 0 ? hoehe : 1), 0, fogrund, higrund);
    XSelectInput(dpy, w, menu.klappmaske);
    return w;
}

// Destroys the windows and the gc of a menu laid out on the open display.
void fenster_zerstoeren()
{
    if (!dpy) return;
    for (_xsubmenu *s : menu.feldsub)
        if (s && s->fenster) XDestroyWindow(dpy, s->fenster);
    for (Window w : menu.klappfenster)
        if (w) XDestroyWindow(dpy, w);
    if (menu.leistenfenster) XDestroyWindow(dpy, menu.leistenfenster);
    if (menu.gc) XFreeGC(dpy, menu.gc);
}

}  // namespace

void menu_setzen()
{
    if (!dpy || !win10) return;
    // A layout made before on this display gives way to the new one.
    if (menu.titelzeile) fenster_zerstoeren();
    menu_raster_setzen();
    if (!menu.titelzeile) return;
    const int H = pixprobuchst_y, Z = zeilenabstand;

    Window wurzel;
    int wx, wy;
    unsigned wb, wh, rand, tiefe;
    XGetGeometry(dpy, win10, &wurzel, &wx, &wy, &wb, &wh, &rand, &tiefe);
    menu0_breite = static_cast<int>(wb);
    menu0_hoehe = H * 3 / 2;

    higrund = WhitePixelOfScreen(DefaultScreenOfDisplay(dpy));
    fogrund = BlackPixelOfScreen(DefaultScreenOfDisplay(dpy));
    menu.leistenfenster = XCreateSimpleWindow(dpy, win10, 0, 0, static_cast<unsigned>(menu0_breite),
                                              static_cast<unsigned>(menu0_hoehe > 0 ? menu0_hoehe : 1), 0,
                                              fogrund, higrund);
    XGCValues werte;
    werte.background = higrund;
    werte.foreground = fogrund;
    unsigned long maske = GCBackground | GCForeground;
    if (menu.menufont) {
        werte.font = menu.menufont->fid;
        maske |= GCFont;
    }
    menu.gc = XCreateGC(dpy, menu.leistenfenster, maske, &werte);
    XSelectInput(dpy, menu.leistenfenster, menu.leistenmaske);
    XMapRaised(dpy, menu.leistenfenster);

    int n = menu.nspalten;
    for (int j = 0; j < n; ++j) {
        int hoehe = 1 + (menu.reihenzahl[j] - 1) * Z + H / 5;
        menu.klappfenster[j] = kindfenster(menu.titel_x[j], Z, menu.klappbreite[j], hoehe);
    }
    for (_xsubmenu *s : menu.feldsub)
        if (s) s->fenster = kindfenster(s->x, s->y, s->breite_sub, 1 + s->ntext * Z);
}

int menu_clear()
{
    if (!menu.titelzeile) return 0;
    // The windows go as well: a bar whose texts are gone could not be
    // redrawn, and a later layout makes its own.
    fenster_zerstoeren();
    menu_speicher_freigeben();
    if (dpy && menu.menufont) XFreeFont(dpy, menu.menufont);
    menu.menufont = nullptr;
    menu_i = 0;
    return 1;
}

void menufenster_grundzustand()
{
    higrund = fogrund = 0;
    menu0_breite = menu0_hoehe = 0;
}
