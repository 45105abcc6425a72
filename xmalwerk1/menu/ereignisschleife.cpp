// The polling event loop of the menu bar: drag selection in the menus, the
// redraw of the bar, pull-downs and submenus, and the window manager's close
// request; then the application window's events through maustasten.
#include "menu_intern.h"
#include "../core/intern.h"

namespace {

int automenu_exitflag = 0;
int schliessflag = 0;
unsigned long schliessanfragen = 0;  // counted, so that a wait sees a new one
// waitmenu: the bar is drawn on the first idle pass of a session; the last
// pointer position in the bar; a press opened a pull-down just now.
short firstflag = 1;
int x = 0, y = 0;
int menu_am_aufklappen = 0;

// Draws the exposed pull-downs and submenus, one Expose of each per pass.
void klappfenster_auffrischen()
{
    XEvent e;
    for (int j = 0; j < menu.nspalten; ++j) {
        Window w = menu.klappfenster[j];
        if (w && XCheckTypedWindowEvent(dpy, w, Expose, &e) && e.xexpose.count == 0) klappfenster_zeichnen(j);
    }
    for (int c = 0; c < menu.nfelder; ++c) {
        const _xsubmenu *s = menu.feldsub[c];
        if (s && s->fenster && XCheckTypedWindowEvent(dpy, s->fenster, Expose, &e) && e.xexpose.count == 0)
            subfenster_zeichnen(c);
    }
}

}  // namespace

bool ist_schliessanfrage(const XClientMessageEvent &e)
{
    return WM_DELETE_WINDOW && e.message_type == WM_PROTOCOLS && e.format == 32 &&
           static_cast<Atom>(e.data.l[0]) == WM_DELETE_WINDOW;
}

void schliessen_merken()
{
    schliessflag = 1;
    ++schliessanfragen;
}

int schliessen_angefordert()
{
    return schliessflag;
}

int waitmenu(int warten)
{
    int ergebnis = 0;
    for (;;) {
        if (!dpy) return ergebnis;
        unsigned long auswahlen = menu_auswahlzaehler;
        const unsigned long anfragen = schliessanfragen;
        bool ende = false;
        XEvent e;
        bool genommen = (menu.leistenfenster && XCheckWindowEvent(dpy, menu.leistenfenster, menu.leistenmaske, &e)) ||
                        myXCheckEvent(dpy, ClientMessage, &e);
        if (genommen) {
            switch (e.type) {
            case ButtonPress:
                if (klappr.istoffen()) break;
                x = e.xbutton.x;
                y = e.xbutton.y;
                menu_klappen(x, y);
                menu_am_aufklappen = 1;
                break;
            case ButtonRelease:
                if (menu_am_aufklappen) {
                    menu_am_aufklappen = 0;
                    // Released right after the opening press: the menu stays
                    // open without a button, unless Escape closed it meanwhile.
                    if (menu.offene_spalte >= 0) {
                        klappr.setoffen(1);
                        break;
                    }
                }
                x = e.xbutton.x;
                y = e.xbutton.y;
                menu_waehlen(x, y);
                ende = true;
                break;
            case MotionNotify:
                menu_am_aufklappen = 0;
                if (menu.offene_spalte < 0) break;
                while (XCheckIfEvent(dpy, &e, predicate, reinterpret_cast<XPointer>(menu.leistenfenster))) {
                }
                x = e.xmotion.x;
                y = e.xmotion.y;
                if (y < zeilenabstand) menu_klappen(x, y);
                menu_markieren(x, y);
                break;
            case Expose:
                if (e.xexpose.count == 0) menuleiste_anschreiben();
                break;
            case ClientMessage:
                if (ist_schliessanfrage(e.xclient)) schliessen_merken();
                ergebnis = 1;
                ende = true;
                break;
            default:
                break;
            }
        } else {
            if (!firstflag) {
                klappfenster_auffrischen();
            } else if (menu.titelzeile) {
                menuleiste_anschreiben();
                firstflag = 0;
            }
            // Idle waiting sleeps, also without a menu.
            if (warten) Delay(1);
        }
        maustasten();
        // A choice made through the application window (keyboard menu,
        // shortcut) ends the waiting as well.
        if (menu_auswahlzaehler != auswahlen) ende = true;
        // A requester opened by a callback took the close request itself.
        if (schliessanfragen != anfragen) {
            ergebnis = 1;
            ende = true;
        }
        if (!warten || ende) return ergebnis;
    }
}

void automenu_exit()
{
    automenu_exitflag = 1;
}

int automenu_loop()
{
    if (malwerk_initalflag) term_refresh();
    int ergebnis = 0;
    while (!automenu_exitflag && dpy) {
        ergebnis = waitmenu(1);
        if (ergebnis) break;
    }
    automenu_exitflag = 0;
    return ergebnis;
}

void ereignisschleife_vergessen()
{
    firstflag = 1;
    x = y = 0;
    menu_am_aufklappen = 0;
}

void ereignisschleife_grundzustand()
{
    ereignisschleife_vergessen();
    automenu_exitflag = 0;
    schliessflag = 0;
}
