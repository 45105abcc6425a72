// Opening and closing pull-downs and submenus, the highlight frames that
// follow the pointer, and choosing an item.
#include "menu_intern.h"
#include "../core/intern.h"

unsigned long menu_auswahlzaehler = 0;

namespace {

struct Rahmen {
    int markiert = -1;  // row of the frame, -1 for none
    int x1 = 0, y1 = 0, br = 0, ho = 0;
};

// The frame in a pull-down: column klapp.
int klapp = -1;
Rahmen klapprahmen;
// The frame in a submenu: that of main cell subnr.
int subnr = -1;
Rahmen subrahmen;

Window subfenster(int zelle)
{
    if (zelle < 0 || zelle >= menu.nfelder || !menu.feldsub[zelle]) return 0;
    return menu.feldsub[zelle]->fenster;
}

void rahmen_zeichnen(Window w, const Rahmen &r, unsigned long farbe)
{
    if (!dpy || !menu.gc || !w) return;
    if (farbe != fogrund) XSetForeground(dpy, menu.gc, farbe);
    XDrawRectangle(dpy, w, menu.gc, r.x1, r.y1, static_cast<unsigned>(r.br > 0 ? r.br : 0),
                   static_cast<unsigned>(r.ho > 0 ? r.ho : 0));
    if (farbe != fogrund) XSetForeground(dpy, menu.gc, fogrund);
}

void klappfenster_zeigen(int spalte, bool zeigen)
{
    Window w = menu.klappfenster[spalte];
    if (dpy && w) {
        if (zeigen)
            XMapWindow(dpy, w);
        else
            XUnmapWindow(dpy, w);
    }
    // An unmapped pull-down is drawn afresh when it shows again, so its
    // frame is gone; a frame remembered from before would never come back.
    if (!zeigen && spalte == klapp) {
        klapp = -1;
        klapprahmen.markiert = -1;
    }
}

}  // namespace

void markierung_nachzeichnen(unsigned long fenster)
{
    if (!fenster) return;
    if (klapp >= 0 && klapp < menu.nspalten && klapprahmen.markiert > 0 && menu.klappfenster[klapp] == fenster)
        rahmen_zeichnen(fenster, klapprahmen, fogrund);
    if (subrahmen.markiert >= 0 && subfenster(subnr) == fenster) rahmen_zeichnen(fenster, subrahmen, fogrund);
}

void submenu_klappen(unsigned long fenster, int zelle)
{
    if (zelle < 0) {
        if (dpy && fenster) {
            XUnmapWindow(dpy, fenster);
            XSync(dpy, False);
        }
        subrahmen.markiert = -1;  // gone with the window
    } else if (dpy && fenster) {
        XSync(dpy, False);
        XMapWindow(dpy, fenster);
    }
    menu.offenes_sub = zelle;
}

void menu_klappen(int x, int y)
{
    if (menu.offenes_sub >= 0) submenu_klappen(subfenster(menu.offenes_sub), -1);
    menu.offenes_sub = -1;
    if (!menu.titelzeile) return;
    if (x >= 0 || y >= 0) {
        int i = 0;
        while (i < menu.nspalten - 1 && menu.titel_x[i + 1] < x) ++i;
        if (menu.offene_spalte >= 0 && menu.offene_spalte != i) klappfenster_zeigen(menu.offene_spalte, false);
        menu.offene_spalte = i;
        klappfenster_zeigen(i, true);
    } else if (menu.offene_spalte >= 0) {
        klappfenster_zeigen(menu.offene_spalte, false);
        menu.offene_spalte = -1;
    }
}

void menu_markieren(int x, int y)
{
    if (!menu.titelzeile) return;
    const int Z = zeilenabstand;
    if (menu.offenes_sub >= 0) {
        int r = subreihe_ermitteln(menu.offenes_sub, x, y);
        if (r >= -1) {
            submenu_markieren(r);
            return;
        }
        submenu_klappen(subfenster(menu.offenes_sub), -1);
    }
    int a = reihe_ermitteln(menu.offene_spalte, x, y);
    if (menu.offene_spalte == klapp && klapp >= 0) {
        if (a == klapprahmen.markiert) return;
        if (klapprahmen.markiert > 0) rahmen_zeichnen(menu.klappfenster[klapp], klapprahmen, higrund);
    }
    klapp = menu.offene_spalte;
    if (a == 0 || klapp < 0) {
        klapprahmen.markiert = -1;
        return;
    }
    int c = a * menu.nspalten + klapp;
    klapprahmen.x1 = 2;
    klapprahmen.y1 = menu.feld_y[c] - Z * 4 / 5 + 2;
    klapprahmen.br = menu.klappbreite[klapp] - 4;
    klapprahmen.ho = Z - 4;
    rahmen_zeichnen(menu.klappfenster[klapp], klapprahmen, fogrund);
    klapprahmen.markiert = a;
    if (menu.feldsub[c]) submenu_klappen(menu.feldsub[c]->fenster, c);
}

void submenu_markieren(int reihe)
{
    if (subrahmen.markiert >= 0 && reihe != subrahmen.markiert) {
        rahmen_zeichnen(subfenster(subnr), subrahmen, higrund);
        subrahmen.markiert = -1;
    }
    if (reihe < 0 || reihe == subrahmen.markiert) return;
    subnr = menu.offenes_sub;
    const _xsubmenu *s = subnr >= 0 && subnr < menu.nfelder ? menu.feldsub[subnr] : nullptr;
    if (!s || reihe >= s->ntext) {
        subrahmen.markiert = -1;
        return;
    }
    subrahmen.x1 = 2;
    subrahmen.y1 = reihe * zeilenabstand + 2;
    subrahmen.br = s->breite_sub - 4;
    subrahmen.ho = zeilenabstand - 4;
    rahmen_zeichnen(s->fenster, subrahmen, fogrund);
    subrahmen.markiert = reihe;
}

void menu_waehlen(int x, int y)
{
    ++menu_auswahlzaehler;
    int spalte = menu.offene_spalte;
    if (!menu.titelzeile || spalte < 0) {
        menu_klappen(-1, -1);
        klappr.setoffen(0);
        return;
    }
    int s = menu.offenes_sub;
    if (s < 0) {
        int r = reihe_ermitteln(spalte, x, y);
        menu_klappen(-1, -1);
        klappr.setoffen(0);
        int c = r * menu.nspalten + spalte;
        // Called last: the function may open a requester or end the menu.
        if (r > 0 && menu_funkfeld[c]) menu_funkfeld[c](~static_cast<long>(c));
        return;
    }
    const _xsubmenu *sub = menu.feldsub[s];
    int r = subreihe_ermitteln(s, x, y);
    menu_klappen(-1, -1);
    klappr.setoffen(0);
    if (r >= 0 && sub && sub->funk[static_cast<size_t>(r)])
        sub->funk[static_cast<size_t>(r)]((static_cast<long>(r) << 16) + s + 1);
}

void menuleiste_grundzustand()
{
    klapp = -1;
    klapprahmen = Rahmen{};
    subnr = -1;
    subrahmen = Rahmen{};
}
