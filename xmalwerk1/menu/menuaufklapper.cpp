// The keyboard menu opener: Left Alt (or a click on a title) holds the menu
// open without a button; arrow keys or the pointer move a virtual pointer
// through it, Return or a click chooses.
#include "menu_intern.h"

#include <X11/keysym.h>

Menuaufklapper klappr;

namespace {

// > 0 while the keyboard cursor is inside a submenu. It starts at 0 with
// every opening, so a session that ended inside a submenu does not make
// the next one move sideways by a column.
int subj = 0;

int klappbreite_von(int spalte)
{
    return spalte >= 0 && spalte < menu.nspalten ? menu.klappbreite[spalte] : 0;
}

}  // namespace

Menuaufklapper::Menuaufklapper() : offen(0), x(-1), y(-1) {}

void Menuaufklapper::setoffen(int wert)
{
    offen = wert;
}

int Menuaufklapper::istoffen()
{
    return offen ? 1 : 0;
}

void Menuaufklapper::einaus()
{
    offen = !offen;
    if (offen) {
        subj = 0;
        y = zeilenabstand / 2;
        x = (menu.titel_x.empty() ? 0 : menu.titel_x[0]) + 1;
        menu_klappen(x, y);
    } else {
        x = y = -1;
        menu_klappen(-1, -1);
    }
}

void Menuaufklapper::setxy(int neu_x, int neu_y)
{
    x = neu_x;
    y = neu_y;
    if (menu.offene_spalte < 0) return;
    if (neu_y < zeilenabstand) menu_klappen(neu_x, neu_y);
    menu_markieren(neu_x, neu_y);
}

int Menuaufklapper::key(unsigned long keysym)
{
    const int Z = zeilenabstand;
    const int malwerk_ymin = Z / 2;  // the smallest y that Up moves to, in this font
    int spalte = menu.offene_spalte;
    int k = klappbreite_von(spalte);
    int x0 = x, y0 = y;
    switch (keysym) {
    case XK_Return:
    case XK_KP_Enter:
        auswahl();
        return 1;
    case XK_Left:
        if (subj > 0) {
            setxy(x0 - k, y0);
            subj = 0;
        } else if (spalte > 0) {
            int t = menu.titel_x[spalte - 1] + 1;
            setxy(x0, 1);
            setxy(t, 1);
            setxy(t, y0);
        }
        return 1;
    case XK_Right:
        if (menu.offenes_sub < 0) {
            int neu_x = spalte >= 0 && spalte < menu.nspalten - 1 ? menu.titel_x[spalte + 1] + 1 : x0;
            setxy(x0, 1);
            setxy(neu_x, 1);
            setxy(neu_x, y0);
        } else if (subj++ == 0) {
            setxy(x0 + k, y0);
        }
        return 1;
    case XK_Up: {
        int neu_y = y0 - Z;
        if (neu_y < malwerk_ymin) neu_y = malwerk_ymin;
        setxy(x0, neu_y);
        return 1;
    }
    case XK_Down: {
        int neu_y = y0 + Z;
        if (subj <= 0) {
            if (neu_y < 2 * Z || reihe_ermitteln(spalte, x0, neu_y) > 0) setxy(x0, neu_y);
        } else if (menu.offenes_sub < 0 || subreihe_ermitteln(menu.offenes_sub, x0, y0) == -1) {
            setxy(x0 - k, neu_y);
            subj = 0;
        } else if (subreihe_ermitteln(menu.offenes_sub, x0, neu_y) != -2) {
            setxy(x0, neu_y);
        }
        return 1;
    }
    default:
        return 0;
    }
}

void Menuaufklapper::auswahl()
{
    subj = 0;
    menu_waehlen(x, y);
}

void menuaufklapper_grundzustand()
{
    klappr.offen = 0;
    klappr.x = klappr.y = -1;
    subj = 0;
}
