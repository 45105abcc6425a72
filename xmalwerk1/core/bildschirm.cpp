// How large a window may be: the screen's size less the room that frames
// and panels of the desktop take, looked up by width, height and depth.
#include "intern.h"

#include <cstdio>
#include <cstring>

const char *MALWERK_SCREENDATEN = "xmalwerk.screens";

namespace {

struct BekannterBildschirm {
    const char *name;
    short breite, hoehe, tiefe, xrahmen, yrahmen, xrand, yrand;
};

}  // namespace

void getmaxsize(int *width, int *height, int *depth, int *visualclass)
{
    // Known screens; the table ends with a row of width 0.
    static const BekannterBildschirm scr[] = {
        {"Bildschirm A", 832, 604, 8, 8, 32, 6, 24},   {"Bildschirm B", 1024, 864, 1, 1, 8, 6, 24},
        {"Bildschirm C", 1280, 1024, 8, 8, 32, 0, 0},  {"Bildschirm D", 1024, 768, 8, 8, 32, 0, 0},
        {"Bildschirm E", 800, 581, 24, 8, 32, 20, 50}, {"", 0, 0, 0, 0, 0, 0, 0},
    };
    const char *name = "screenname";
    bool gefunden = false;

    const char *dn = XDisplayName("");
    snprintf(displayname, sizeof displayname, "%s", dn ? dn : "");
    if (debug) printf("Display='%s'\n", displayname);
    Display *d = meinXOpenDisplay("");
    if (!d) err_exit("getmaxsize() can't open Display\n");
    Screen *s = DefaultScreenOfDisplay(d);
    int tiefe = DefaultDepthOfScreen(s);
    *depth = tiefe;
    *visualclass = DefaultVisualOfScreen(s)->c_class;
    int w = WidthOfScreen(s), h = HeightOfScreen(s);
    XCloseDisplay(d);

    if (fullscreenmodus) {
        malwerk_xborder = malwerk_yborder = scxrand = scyrand = 0;
        if (debug) printf("fullscreenmodus=%d --> alle Raender=0\n", fullscreenmodus);
    } else {
        for (int i = 0; !gefunden && scr[i].breite != 0; ++i) {
            if (scr[i].breite == w && scr[i].hoehe == h && scr[i].tiefe == tiefe) {
                malwerk_xborder = scr[i].xrahmen;
                malwerk_yborder = scr[i].yrahmen;
                scxrand = scr[i].xrand;
                scyrand = scr[i].yrand;
                name = scr[i].name;
                gefunden = true;
            }
        }
        if (!gefunden) {
            printf("unbekannter Screen: Breite=%d Hoehe=%d Tiefe=%d\n", w, h, tiefe);
            name = "unknown screen";
            malwerk_xborder = 8;
            malwerk_yborder = 32;
            printf("angenommene FensterRandbreiten: 8 und 32\n");
            printf("angenommene ScreenRandbreiten: %d und %d\n", scxrand, scyrand);
            printf("Setzen Sie in \"%s\" neue Werte fuer diesen Screen!\n", MALWERK_SCREENDATEN);
        }
    }
    if (debug) printf("Screen='%s' Breite=%d Hoehe=%d Tiefe=%d\n", name, w, h, tiefe);
    *width = w - scxrand;
    *height = h - scyrand;
    malwerk_borderflag = 1;
}
