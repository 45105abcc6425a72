// Least behaviour of functions whose full versions belong to later steps of
// the library (drawing, buffers, plot files, menus, requesters). Each entry
// is removed here when its real version is written.
#include "core/intern.h"
#include "menu/menu_intern.h"
#include "requester/requester_intern.h"

#include <cstdarg>
#include <cstdio>

// Plot files.
void bildopen(const char *) { qsaveflag = 0; }
void bildclose() { qsaveflag = 0; }
int bildplot(double, double, int) { return 0; }

// Menus: the declarations are counted so that the window reserves the bar.
int menu_debug = 0;
namespace {
int menu_anzahl_vorlaeufig = 0;
XFontStruct *menufont_vorlaeufig = nullptr;
int zeilenabstand_vorlaeufig = 12;
}  // namespace
int setmenu(int anzahl, ...)
{
    if (anzahl > 0 && menu_anzahl_vorlaeufig == 0) menu_anzahl_vorlaeufig = anzahl;
    return 0;
}
int menuvorhanden() { return menu_anzahl_vorlaeufig > 0; }
int get_menuleistenhoehe() { return zeilenabstand_vorlaeufig + 2; }
void menu_font_anfordern()
{
    static const char *const namen[] = {"-adobe-courier-medium-r-normal--14-140-75-75-m-90-iso8859-1",
                                        "-adobe-helvetica-medium-r-normal--20-140-100-100-p-100-iso8859-1",
                                        "-Adobe-Helvetica-Medium-R-Normal--14-140-75-75-P-77-ISO8859-1", nullptr};
    for (int i = 0; namen[i] && !menufont_vorlaeufig; ++i) menufont_vorlaeufig = XLoadQueryFont(dpy, namen[i]);
    if (!menufont_vorlaeufig) menufont_vorlaeufig = XLoadQueryFont(dpy, "fixed");
    if (!menufont_vorlaeufig) return;
    XCharStruct m;
    int richtung, auf, ab;
    XTextExtents(menufont_vorlaeufig, "AbcdefghijKlmnopqRstuvwxyZ", 26, &richtung, &auf, &ab, &m);
    zeilenabstand_vorlaeufig = (m.ascent + m.descent) * 3 / 2;
}
void menu_setzen() {}
int menu_reset()
{
    menu_anzahl_vorlaeufig = 0;
    menubalkenhoehe = 0;
    menufont_vorlaeufig = nullptr;
    return 0;
}

// Requesters.
int requester_font_flag = 0;
int requester_input(int, ...)
{
    printf("requester_input: noch nicht vorhanden\n");
    return 0;
}
int janeinrequester(char *, char *, char *)
{
    printf("janeinrequester: noch nicht vorhanden\n");
    return 1;
}

// Events: the window's buttons and pointer, and the close request.
int mal_mausx = 0, mal_mausy = 0;
int maustasten_zustand = 0;
int malwerk_schliessen_angefordert = 0;
int maustasten()
{
    XEvent e;
    if (!dpy || !XCheckWindowEvent(dpy, win10, 0x804D, &e)) return maustasten_zustand;
    int bit = 0x40;
    if (e.type == ButtonPress || e.type == ButtonRelease) {
        if (e.xbutton.button == 2) bit = 0x100;
        if (e.xbutton.button == 3) bit = 0x400;
    }
    if (e.type == ButtonPress) {
        mal_mausx = e.xbutton.x;
        mal_mausy = e.xbutton.y;
        maustasten_zustand |= bit;
    } else if (e.type == ButtonRelease) {
        mal_mausx = e.xbutton.x;
        mal_mausy = e.xbutton.y;
        maustasten_zustand &= ~bit;
    } else if (e.type == MotionNotify) {
        mal_mausx = e.xmotion.x;
        mal_mausy = e.xmotion.y;
    }
    return maustasten_zustand;
}
int waitmenu(int)
{
    int ergebnis = 0;
    XEvent e;
    if (dpy && XCheckTypedEvent(dpy, ClientMessage, &e)) {
        ergebnis = 1;
        malwerk_schliessen_angefordert = 1;
    }
    maustasten();
    return ergebnis;
}
int mausposition(double *x, double *y)
{
    int z = maustasten();
    koordpix2user(mal_mausx, mal_mausy, x, y);
    return z;
}
