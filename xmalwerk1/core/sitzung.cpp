// The graphics session: sizing, opening and naming the one window, the user
// coordinate box of a picture, and closing everything again.
#include "intern.h"
#include "../menu/menu_intern.h"
#include "../requester/requester_intern.h"

#include <X11/Xatom.h>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The sizes as setsize left them: opening a window adds the menu bar and
// clamps to the screen, and a later session starts again from the request.
struct Groessenwunsch {
    int breite = 1000, hoehe = 700;
    int winbreite = 1001, winhoehe = 701;
};
Groessenwunsch wunsch;

// Colours 0 and 1 as they were before a white background swapped them.
struct Hintergrund {
    bool getauscht = false;
    unsigned char rgb[2][3] = {};
    int schwarz = 1;
};
Hintergrund vor_weiss;

// Without the menu bar, which the window's opening adds to the height.
void groessenwunsch_merken()
{
    int ohne_menu = breite != 0 && hoehe != 0 ? winhoehe - menubalkenhoehe : winhoehe;
    wunsch = {breite, hoehe, winbreite, ohne_menu};
}

void groessenwunsch_herstellen()
{
    breite = wunsch.breite;
    hoehe = wunsch.hoehe;
    winbreite = wunsch.winbreite;
    winhoehe = wunsch.winhoehe;
}

void hintergrund_merken()
{
    vor_weiss.getauscht = true;
    memcpy(vor_weiss.rgb, rgbtabelle, sizeof vor_weiss.rgb);
    vor_weiss.schwarz = hintergrundistschwarz;
}

void hintergrund_herstellen()
{
    if (!vor_weiss.getauscht) return;
    memcpy(rgbtabelle, vor_weiss.rgb, sizeof vor_weiss.rgb);
    hintergrundistschwarz = vor_weiss.schwarz;
    vor_weiss.getauscht = false;
}

}  // namespace

void setsize(int width, int height, int depth)
{
    breite = width;
    hoehe = height;
    if (depth > 32000) {
        hintergrundflag = 1;
        depth -= 32000;
    } else {
        hintergrundflag = 0;
    }
    if (depth > 1000) {
        debug = depth / 1000;
        depth = depth % 1000;
    }
    if (width != 0 && height != 0) {
        // A negative side stays as it is: a proportion of the other side,
        // worked out when the window is made.
        winbreite = width > 0 ? width + 1 : width;
        winhoehe = height > 0 ? height + menubalkenhoehe + 1 : height;
    } else {
        winbreite = width;
        winhoehe = height;
    }
    mydept = depth;
    groessenwunsch_merken();
    if (debug > 0)
        printf("setsize() menubalkenhoehe=%d hoehe=%d breite=%d tiefe=%d\n", menubalkenhoehe, hoehe,
               breite, depth);
}

void getsize(int *width, int *height, int *depth, int *visualclass)
{
    *width = malwerk_breite;
    *height = malwerk_hoehe;
    *depth = malwerk_tiefe;
    *visualclass = 0;
    if (dpy) {
        Visual *v = DefaultVisualOfScreen(DefaultScreenOfDisplay(dpy));
        *visualclass = v->c_class;
    }
}

void fullscreen_modus(int on)
{
    fullscreenmodus = on;
    if (on) {
        scxrand = scyrand = 0;
    } else {
        scxrand = 6;
        scyrand = 26;
    }
}

void unsichtbar_modus(int on)
{
    unsichtbarmodus = on;
}

namespace {

void massstab_setzen(double xmin, double ymin, double xmax, double ymax)
{
    malwerk_xmin = xmin;
    malwerk_ymin = ymin;
    malwerk_xmax = xmax;
    malwerk_ymax = ymax;
    malwerk_xs = (breite - 1) / (xmax - xmin);
    malwerk_ys = (hoehe - 1) / (ymax - ymin);
    malwerk_dx = 1 / malwerk_xs;
    malwerk_dy = 1 / malwerk_ys;
}

void plotdatei_beginnen()
{
    if (qsave1flag) {
        qsaveflag = 1;
        bildopen(malwerk_bildname);
    }
}

}  // namespace

void qinital(int mode, double xmin, double ymin, double xmax, double ymax)
{
    modus = mode;
    malwerk_xmin = xmin;
    malwerk_ymin = ymin;
    malwerk_xmax = xmax;
    malwerk_ymax = ymax;
    if (!dpy) opengrafik();
    if (!dpy) err_exit("inital() can't open Display\n");
    inital2();
    massstab_setzen(xmin, ymin, xmax, ymax);
    malwerk_win = dpuffer ? dpuffer : win10;
    malwerk_dpy = dpy;
    malwerk_screen = screen;
    malwerk_gc = gc;
    malwerk_breite = breite;
    malwerk_hoehe = hoehe;
    malwerk_tiefe = mydept;
    plotdatei_beginnen();
    // Start in the colour that contrasts with the background.
    if (malwerk_tiefe == 24)
        color(hintergrundistschwarz ? 0xFFFFFF : 0);
    else
        color(1);
}

void inital(float *xmin, float *ymin, float *xmax, float *ymax)
{
    qinital(1, *xmin, *ymin, *xmax, *ymax);
}

int inital_new(double xmin, double ymin, double xmax, double ymax)
{
    if (xmin != xmax && ymin != ymax) massstab_setzen(xmin, ymin, xmax, ymax);
    malwerk_initalflag = 1;
    plotdatei_beginnen();
    return 0;
}

void inital2()
{
    XSync(dpy, False);
    setpattern(64);
    malwerk_initalflag = 1;
}

void opengrafik()
{
    dpy = malwerk_dpy = meinXOpenDisplay(displayname);
    if (!dpy) return;
    menu_font_anfordern();
    // Full-screen mode shows no menu bar, so it reserves no rows for one.
    if (menuvorhanden() && !fullscreenmodus) {
        menubalkenhoehe = get_menuleistenhoehe();
        if (debug > 0) printf("opengrafik() menubalkenhoehe=%d\n", menubalkenhoehe);
    }
    if (winhoehe > 0) winhoehe += menubalkenhoehe;
    screen = DefaultScreenOfDisplay(dpy);
    if (hintergrundflag == 1) {
        malwerk_vordergrundfarbe = BlackPixelOfScreen(screen);
        malwerk_hintergrundfarbe = WhitePixelOfScreen(screen);
        hintergrund_merken();
        setzehintergrundweiss();
    } else {
        malwerk_vordergrundfarbe = WhitePixelOfScreen(screen);
        malwerk_hintergrundfarbe = BlackPixelOfScreen(screen);
    }
    doCreateWindow();
    gc = DefaultGCOfScreen(screen);
    fensterkennung_setzen(dpy, win10);
    if (fullscreenmodus) {
        setfullscreen(dpy, win10);
        // A smaller window asked for by its size stays that size: a window
        // manager would stretch a full-screen one over the whole screen.
        if (winbreite >= WidthOfScreen(screen) && winhoehe >= HeightOfScreen(screen)) vollbild_anfordern(dpy, win10);
    } else {
        fenstertitel_setzen(malwerk_fenstername);
        WM_PROTOCOLS = XInternAtom(dpy, "WM_PROTOCOLS", False);
        WM_DELETE_WINDOW = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
        XChangeProperty(dpy, win10, WM_PROTOCOLS, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&WM_DELETE_WINDOW), 1);
    }
    XSetForeground(dpy, gc, malwerk_vordergrundfarbe);
    XSetBackground(dpy, gc, malwerk_hintergrundfarbe);
    if (!unsichtbarmodus) XMapWindow(dpy, win10);
    XSync(dpy, False);
    malwerk_win = win10;
    if (!fullscreenmodus) menu_setzen();
}

void doCreateWindow()
{
    int maxhoehe = HeightOfScreen(screen) - scyrand;
    int maxbreite = WidthOfScreen(screen) - scxrand;
    // A window never shown needs no room on the screen.
    if (unsichtbarmodus && winbreite > 0 && winhoehe > 0) {
        if (winbreite > maxbreite) maxbreite = winbreite;
        if (winhoehe > maxhoehe) maxhoehe = winhoehe;
    }
    if (debug > 0)
        printf("winbreite=%d maxbreite=%d\nwinhoehe=%d  maxhoehe=%d\n", winbreite, maxbreite, winhoehe,
               maxhoehe);
    Fenstermasse m{winbreite, winhoehe, breite, hoehe};
    fenstergroesse_festlegen(m, maxbreite, maxhoehe, menubalkenhoehe);
    winbreite = m.winbreite;
    winhoehe = m.winhoehe;
    breite = m.breite;
    hoehe = m.hoehe;
    xswa.background_pixel = malwerk_hintergrundfarbe;
    xswa.border_pixel = malwerk_vordergrundfarbe;
    xswa.event_mask = KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | ExposureMask;
    dept = DefaultDepthOfScreen(screen);
    if (debug > 0) printf("XDefaultDepthOfScreen()=%d  mydept=%d\n", dept, mydept);
    if (dept < mydept) mydept = dept;
    int x = (WidthOfScreen(screen) - winbreite) >> 1;
    win10 = XCreateWindow(dpy, RootWindowOfScreen(screen), x, 0, static_cast<unsigned>(winbreite),
                          static_cast<unsigned>(winhoehe), static_cast<unsigned>(border), dept, InputOutput,
                          DefaultVisualOfScreen(screen), CWBackPixel | CWBorderPixel | CWEventMask, &xswa);
    if (debug != 0) show_defaultvisual();
}

void setfullscreen(Display *display, Window window)
{
    Atom a = XInternAtom(display, "_MOTIF_WM_HINTS", True);
    if (a != None) {
        long hinweise[5] = {2, 0, 0, 0, 0};
        XChangeProperty(display, window, a, a, 32, PropModeReplace, reinterpret_cast<unsigned char *>(hinweise), 5);
        if (debug) printf("setfullscreen: MOTIF\n");
        return;
    }
    long null = 0;
    a = XInternAtom(display, "KWM_WIN_DECORATION", True);
    if (a != None) {
        XChangeProperty(display, window, a, a, 32, PropModeReplace, reinterpret_cast<unsigned char *>(&null), 1);
        if (debug) printf("setfullscreen: KWM\n");
        return;
    }
    a = XInternAtom(display, "_WIN_HINTS", True);
    if (a != None) {
        XChangeProperty(display, window, a, a, 32, PropModeReplace, reinterpret_cast<unsigned char *>(&null), 1);
        if (debug) printf("setfullscreen: GNOME\n");
    }
}

void show_defaultvisual()
{
    Visual *v = DefaultVisualOfScreen(screen);
    static const char *const klassen[] = {"=StaticGray", "=GrayScale", "=StaticColor",
                                          "=PseudoColor", "=TrueColor", "=DirectColor"};
    printf("visualid=%ld  ", static_cast<long>(v->visualid));
    printf("c_class=%d", v->c_class);
    if (v->c_class >= 0 && v->c_class <= 5)
        printf("%s", klassen[v->c_class]);
    else
        printf("\n");
    if (v->c_class == TrueColor || v->c_class == DirectColor || debug > 1)
        printf("red_mask=%02lX green_mask=%02lX blue_mask=%02lX\n", v->red_mask, v->green_mask, v->blue_mask);
    printf("bits_per_rgb=%d  map_entries=%d\n", v->bits_per_rgb, v->map_entries);
}

int term_exit()
{
    requester_verbindung_schliessen();
    if (dpy) {
        if (dpuffer) changebuffer(0, 0);
        if (malwerk_rambild) XFreePixmap(dpy, malwerk_rambild);
        malwerk_rambild = 0;
        malwerk_rambildflag = 0;
        fadenkreuz_vergessen();
        if (win10) XDestroyWindow(dpy, win10);
        win10 = 0;
        // The text font belongs to this connection and ends with it.
        if (mal_text.font) XFreeFont(dpy, mal_text.font);
        mal_text.font = nullptr;
        XCloseDisplay(dpy);
    }
    dpy = malwerk_dpy = nullptr;
    screen = malwerk_screen = nullptr;
    gc = malwerk_gc = nullptr;
    malwerk_win = 0;
    const bool plotdatei_gelungen = !qsaveflag || bild_schliessen();
    malwerk_initalflag = 0;
    sitzung_vergessen();
    const int ergebnis = menu_reset();
    return plotdatei_gelungen ? ergebnis : -1;
}

void sitzung_vergessen()
{
    // Pixel values, atoms, fonts and menu windows belong to the closed
    // connection; the window's size was derived from the request.
    farbtabelle_vergessen();
    farbe_grundzustand();
    mal_farbe = -1;
    pattern = 0x40;  // a new connection's graphics context draws solid lines
    plotter_grundzustand();
    puffer_grundzustand();
    WM_PROTOCOLS = WM_DELETE_WINDOW = 0;
    groessenwunsch_herstellen();
    hintergrund_herstellen();
    menu_sitzung_vergessen();
}

void sitzung_grundzustand()
{
    wunsch = Groessenwunsch{};
    vor_weiss = Hintergrund{};
}

void term()
{
    term_refresh();
}

int set_maltitel(char *title)
{
    malwerk_fenstername = title;
    if (!dpy || !win10) return 0;
    fenstertitel_setzen(title);
    return 1;
}

double get_malwerk_version()
{
    const char *p = malwerk_version;
    while (*p && !isdigit(static_cast<unsigned char>(*p))) ++p;
    return atof(p);
}

void mal_setdebug(int level)
{
    debug = level;
    menu_debug = level;
}

void setxsync(int level)
{
    xsync_modus = level;
}
