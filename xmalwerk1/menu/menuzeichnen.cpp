// Drawing the menu: the bar's titles and the items of pull-downs and
// submenus with their symbols, shortcut keys and frames. Xlib directly,
// with the menu's own gc.
#include "menu_intern.h"
#include "../core/intern.h"

#include <algorithm>
#include <cstring>

namespace {

bool zeichnen_moeglich(unsigned long fenster)
{
    return dpy && menu.gc && fenster;
}

// One symbol of the '%' codes in its box; returns the box width.
int symbol_zeichnen(Window w, char code, int links, int oben)
{
    const int B = pixprobuchst_x, h = pixprobuchst_y * 3 / 4;
    int bw = B, bh = h;
    if (code == 'o' || code == 'O') bw = bh = std::max(B, h);
    GC g = menu.gc;
    switch (code) {
    case 'O':
        XFillArc(dpy, w, g, links, oben, static_cast<unsigned>(bw), static_cast<unsigned>(bh), 0, 360 * 64);
        XDrawArc(dpy, w, g, links, oben, static_cast<unsigned>(bw - 1), static_cast<unsigned>(bh - 1), 0, 360 * 64);
        break;
    case 'o':
        XDrawArc(dpy, w, g, links, oben, static_cast<unsigned>(bw - 1), static_cast<unsigned>(bh - 1), 0, 360 * 64);
        break;
    case 'Q':
        XFillRectangle(dpy, w, g, links, oben, static_cast<unsigned>(bw), static_cast<unsigned>(bh));
        break;
    case 'q':
        XDrawRectangle(dpy, w, g, links, oben, static_cast<unsigned>(bw - 1), static_cast<unsigned>(bh - 1));
        break;
    case 'R':
        XDrawLine(dpy, w, g, links, oben + bh / 2, links + bw / 2, oben + bh);
        XDrawLine(dpy, w, g, links + bw / 2, oben + bh, links + bw, oben);
        break;
    default:  // a blank of symbol width
        break;
    }
    return bw;
}

}  // namespace

void menuleiste_anschreiben()
{
    if (!menu.titelzeile || !zeichnen_moeglich(menu.leistenfenster)) return;
    XDrawImageString(dpy, menu.leistenfenster, menu.gc, pixprobuchst_x, pixprobuchst_y * 5 / 4, menu.titelzeile,
                     static_cast<int>(strlen(menu.titelzeile)));
    XDrawLine(dpy, menu.leistenfenster, menu.gc, 0, menu0_hoehe - 1, menu0_breite, menu0_hoehe - 1);
}

void anschreibenwin(unsigned long fenster, int x, int y, const char *text, int titelbreite, int breite, int reihe,
                    int letzte)
{
    if (!zeichnen_moeglich(fenster)) return;
    const int B = pixprobuchst_x, H = pixprobuchst_y, Z = zeilenabstand;
    const int w = B, h = H * 3 / 4;
    Window f = fenster;
    MenuMarkup m = markup_zerlegen(text);
    for (char code : m.symbole) x += B + symbol_zeichnen(f, code, x + B / 2, y - h);
    if (*m.label) XDrawImageString(dpy, f, menu.gc, x, y, m.label, static_cast<int>(strlen(m.label)));
    if (m.taste) {
        char kuerzel[2] = {'A', m.taste};
        XDrawImageString(dpy, f, menu.gc, breite - w * 5 / 2, y, kuerzel, 2);
    }
    if (reihe != letzte) return;
    int e = breite - 1;
    if (titelbreite != 0) {
        // The top edge stays open under the column's title.
        int F = letzte * Z + H / 5;
        XDrawLine(dpy, f, menu.gc, titelbreite, 0, e, 0);
        XDrawLine(dpy, f, menu.gc, e, 0, e, F);
        XDrawLine(dpy, f, menu.gc, 0, 0, 0, F);
        XDrawLine(dpy, f, menu.gc, 0, F, e, F);
    } else {
        XDrawRectangle(dpy, f, menu.gc, 0, 0, static_cast<unsigned>(e), static_cast<unsigned>(letzte * Z));
    }
}

void klappfenster_zeichnen(int spalte)
{
    if (!menu.titelzeile || spalte < 0 || spalte >= menu.nspalten) return;
    int n = menu.nspalten;
    int letzte = menu.reihenzahl[spalte] - 1;
    int titelbreite = menu.titel_x[spalte + 1] - menu.titel_x[spalte];
    for (int i = 1; i <= letzte; ++i) {
        int c = i * n + spalte;
        anschreibenwin(menu.klappfenster[spalte], menu.feld_x[c], menu.feld_y[c], menu.feldtext[c], titelbreite,
                       menu.klappbreite[spalte], i, letzte);
    }
    markierung_nachzeichnen(menu.klappfenster[spalte]);
}

void subfenster_zeichnen(int zelle)
{
    if (!menu.titelzeile || zelle < 0 || zelle >= menu.nfelder || !menu.feldsub[zelle]) return;
    const _xsubmenu *s = menu.feldsub[zelle];
    for (int i = 0; i < s->ntext; ++i) {
        size_t k = static_cast<size_t>(i);
        anschreibenwin(s->fenster, s->feld_x[k], s->feld_y[k] - zeilenabstand / 5, s->feldtext[k], 0, s->breite_sub,
                       i + 1, s->ntext);
    }
    markierung_nachzeichnen(s->fenster);
}
