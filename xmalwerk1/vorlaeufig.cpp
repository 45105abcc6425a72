// Least behaviour of functions whose full versions belong to later steps of
// the library (drawing, buffers, plot files, menus, requesters). Each entry
// is removed here when its real version is written.
#include "core/intern.h"
#include "menu/menu_intern.h"
#include "requester/requester_intern.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

// Drawing: colours 0 to 31 from a small default table (on a TrueColor
// screen), others as direct pixel values; a pen plotter that collects
// points; the few shapes and the text the viewer draws.
namespace {
unsigned char rgb_vorlaeufig[32][3] = {
    {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},     {0, 0, 255},     {255, 0, 255},
    {255, 255, 0},   {127, 127, 127}, {0, 255, 200},   {200, 200, 200}, {255, 100, 100}, {100, 255, 100},
    {100, 100, 255}, {255, 100, 255}, {255, 255, 100}, {80, 80, 80},    {0, 255, 255},   {255, 194, 194},
    {255, 159, 63},  {63, 191, 255},  {191, 255, 63},  {255, 200, 200}, {142, 35, 107},  {204, 50, 50},
    {173, 234, 234}, {255, 128, 0},   {255, 0, 128},   {255, 128, 128}, {128, 255, 0},   {0, 255, 128},
    {128, 255, 128}, {128, 0, 255}};
XPoint feld_vorlaeufig[200];
int plo_i_vorlaeufig = 0;
}  // namespace
void PLOT_FLUSH()
{
    if (plo_i_vorlaeufig >= 2 && dpy)
        XDrawLines(dpy, aktuelles_ziel(), gc, feld_vorlaeufig, plo_i_vorlaeufig, CoordModeOrigin);
    if (plo_i_vorlaeufig >= 1) {
        feld_vorlaeufig[0] = feld_vorlaeufig[plo_i_vorlaeufig - 1];
        plo_i_vorlaeufig = 1;
    }
}
void mal_flush()
{
    if (plo_i_vorlaeufig >= 2)
        PLOT_FLUSH();
    else if (dpy)
        XFlush(dpy);
}
void q2plot(double x, double y, int ipen)
{
    if (ipen < 2) return;
    if (ipen >= 4) {
        PLOT_FLUSH();
        return;
    }
    int px, py;
    koorduser2pix(x, y, &px, &py);
    XPoint p{static_cast<short>(px), static_cast<short>(py)};
    if (ipen == 3) {
        PLOT_FLUSH();
        feld_vorlaeufig[0] = p;
        plo_i_vorlaeufig = 1;
        return;
    }
    feld_vorlaeufig[plo_i_vorlaeufig++] = p;
    if (plo_i_vorlaeufig == 200) PLOT_FLUSH();
}
void color(int farbe)
{
    PLOT_FLUSH();
    unsigned long pixel = static_cast<unsigned long>(farbe);
    if (farbe >= 0 && farbe < 32)
        pixel = (static_cast<unsigned long>(rgb_vorlaeufig[farbe][0]) << 16) +
                (static_cast<unsigned long>(rgb_vorlaeufig[farbe][1]) << 8) + rgb_vorlaeufig[farbe][2];
    if (dpy && gc) XSetForeground(dpy, gc, pixel);
    mal_farbe = farbe;
}
void setpattern(int) {}
int setcolor(int index, int r, int g, int b)
{
    if (index >= 0 && index < 32) {
        rgb_vorlaeufig[index][0] = static_cast<unsigned char>(r);
        rgb_vorlaeufig[index][1] = static_cast<unsigned char>(g);
        rgb_vorlaeufig[index][2] = static_cast<unsigned char>(b);
    }
    return 0;
}
void setzehintergrundweiss() { hintergrundistschwarz = 0; }
void ifillbox(int x1, int y1, int x2, int y2)
{
    int x = x1 < x2 ? x1 : x2, y = y1 < y2 ? y1 : y2;
    XFillRectangle(dpy, aktuelles_ziel(), gc, x, y, static_cast<unsigned>(x1 < x2 ? x2 - x1 : x1 - x2) + 1,
                   static_cast<unsigned>(y1 < y2 ? y2 - y1 : y1 - y2) + 1);
}
namespace {
void kreis_vorlaeufig(double x, double y, double rx, double ry, bool voll)
{
    PLOT_FLUSH();
    int px, py, prx, pry;
    koorduser2pix(x, y, &px, &py);
    deltakoorduser2pix(rx, ry, &prx, &pry);
    if (voll)
        XFillArc(dpy, aktuelles_ziel(), gc, px - prx, py - pry, static_cast<unsigned>(2 * prx),
                 static_cast<unsigned>(2 * pry), 0, 23040);
    else
        XDrawArc(dpy, aktuelles_ziel(), gc, px - prx, py - pry, static_cast<unsigned>(2 * prx),
                 static_cast<unsigned>(2 * pry), 0, 23040);
}
}  // namespace
void drawcircle(double x, double y, double rx, double ry) { kreis_vorlaeufig(x, y, rx, ry, false); }
void fillcircle(double x, double y, double rx, double ry) { kreis_vorlaeufig(x, y, rx, ry, true); }
void schrift(double x, double y, const char *text, double)
{
    int px, py;
    koorduser2pix(x, y, &px, &py);
    XDrawString(dpy, aktuelles_ziel(), gc, px, py, text, static_cast<int>(strlen(text)));
}

// Plot files.
void bildopen(const char *) { qsaveflag = 0; }
void bildclose() { qsaveflag = 0; }

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
