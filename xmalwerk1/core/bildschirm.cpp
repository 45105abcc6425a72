// How large a window may be: the screen's size less the room that frames
// and panels of the desktop take, looked up by width, height and depth,
// first in the screen description file, then in a built-in table.
#include "intern.h"
#include "bildschirmdatei.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char *MALWERK_SCREENDATEN = "xmalwerk.screens";

namespace {

struct BekannterBildschirm {
    const char *name;
    short breite, hoehe, tiefe, xrahmen, yrahmen, xrand, yrand;
};

// Asks on the terminal for one value; keeps the old one when nothing, or
// no number, can be read. Without a terminal only input that is already
// there is read, so a program started from a script never waits here.
void wert_erfragen(const char *prompt, int *wert)
{
    printf("%s", prompt);
    fflush(stdout);
    char zeile[80];
    int v;
    if (zeile_lesen(zeile, sizeof zeile) && sscanf(zeile, "%d", &v) == 1) *wert = v;
    if (!isatty(0)) printf("\n");  // nobody typed the line end
}

}  // namespace

FILE *screenmode_file_open()
{
    if (!MALWERK_SCREENDATEN) return nullptr;
    if (FILE *f = fopen(MALWERK_SCREENDATEN, "r")) return f;
    const char *h = getenv("h");
    if (!h) return nullptr;
    char pfad[200];
    int n = snprintf(pfad, sizeof pfad, "%s/%s", h, MALWERK_SCREENDATEN);
    if (n < 0 || n >= static_cast<int>(sizeof pfad)) {
        // Cut short it would name a different file.
        printf("Pfad '%s/%s' ist zu lang (hoechstens %d Zeichen)\n", h, MALWERK_SCREENDATEN,
               static_cast<int>(sizeof pfad) - 1);
        return nullptr;
    }
    return fopen(pfad, "r");
}

void getmaxsize(int *width, int *height, int *depth, int *visualclass)
{
    // Known screens; the table ends with a row of width 0.
    static const BekannterBildschirm scr[] = {
        {"Bildschirm A", 832, 604, 8, 8, 32, 6, 24},   {"Bildschirm B", 1024, 864, 1, 1, 8, 6, 24},
        {"Bildschirm C", 1280, 1024, 8, 8, 32, 0, 0},  {"Bildschirm D", 1024, 768, 8, 8, 32, 0, 0},
        {"Bildschirm E", 800, 581, 24, 8, 32, 20, 50}, {"", 0, 0, 0, 0, 0, 0, 0},
    };
    const char *name = "screenname";
    Bildschirmeintrag satz;
    double aspekt = 0;
    bool gefunden = false;
    bool aus_datei = false;

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
        if (FILE *f = screenmode_file_open()) {
            if (bildschirm_suchen(f, w, h, tiefe, &satz)) {
                malwerk_xborder = satz.xrahmen;
                malwerk_yborder = satz.yrahmen;
                scxrand = satz.xrand;
                scyrand = satz.yrand;
                aspekt = satz.aspekt;
                name = satz.name;
                gefunden = aus_datei = true;
            }
            fclose(f);
        }
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
            if (debug > 1) {
                wert_erfragen("malwerk_xborder:", &malwerk_xborder);
                wert_erfragen("malwerk_yborder:", &malwerk_yborder);
                wert_erfragen("scxrand:", &scxrand);
                wert_erfragen("scyrand:", &scyrand);
            }
            printf("Setzen Sie in \"%s\" neue Werte fuer diesen Screen!\n", MALWERK_SCREENDATEN);
        }
    }
    if (debug) printf("Screen='%s' Breite=%d Hoehe=%d Tiefe=%d\n", name, w, h, tiefe);
    *width = w - scxrand;
    *height = h - scyrand;
    malwerk_borderflag = 1;
    if (aus_datei && aspekt > 0) setaspect(aspekt);
}
