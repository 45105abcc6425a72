// The requester font and its character cell, chosen once per display.
#include "requester_intern.h"
#include "../core/intern.h"

#include <unistd.h>
#include <cstdio>
#include <cstring>

Display *requester_dpy = nullptr;
XFontStruct *requ_fontstruct = nullptr;
int requester_font_flag = 0;
int reqpixprobuchst_x = 6, reqpixprobuchst_y = 8;
const char *requ_fontliste[4] = {"-adobe-helvetica-medium-r-normal--20-140-100-100-M-100-iso8859-1",
                                 "-Adobe-Courier-Medium-R-Normal--14-140-75-75-M-90-ISO8859-1", nullptr, nullptr};
char defaultfontname[20] = "*Cour*14*-M-*";
unsigned long reqhigrund = 0, reqfogrund = 0;

namespace {

// Display that the requesters opened themselves (no main display then).
Display *eigene_verbindung = nullptr;
// Name chosen on the terminal, tried first.
char gewaehlter_font[256];

// Puts a name before the default names; a name put there earlier is replaced.
void als_erstes(const char *name)
{
    bool schon_vorne = requ_fontliste[0] == defaultfontname || requ_fontliste[0] == gewaehlter_font;
    if (!schon_vorne) {
        for (int i = 2; i > 0; --i) requ_fontliste[i] = requ_fontliste[i - 1];
    }
    requ_fontliste[0] = name;
}

bool passt(const char *muster)
{
    int n = 0;
    char **namen = XListFonts(requester_dpy, muster, 1, &n);
    if (namen) XFreeFontNames(namen);
    return n > 0;
}

void am_terminal_waehlen()
{
    printf("suche nach Fontnamen:");
    fflush(stdout);
    char zeile[256], muster[200];
    if (!zeile_lesen(zeile, sizeof zeile) || sscanf(zeile, "%199s", muster) != 1) {
        printf("\n");
        return;
    }
    int n = 0;
    char **namen = XListFonts(requester_dpy, muster, 50, &n);
    for (int i = 0; i < n; ++i) printf("Font %d:'%s'\n", i, namen[i]);
    printf("Fontauswahl:");
    fflush(stdout);
    int wahl = -1;
    if (!zeile_lesen(zeile, sizeof zeile) || sscanf(zeile, "%d", &wahl) != 1) wahl = -1;
    if (namen && wahl >= 0 && wahl < n) {
        snprintf(gewaehlter_font, sizeof gewaehlter_font, "%s", namen[wahl]);
        als_erstes(gewaehlter_font);
    }
    if (namen) XFreeFontNames(namen);
}

}  // namespace

void requester_font_anfordern(int modus)
{
    if (requester_font_flag) return;
    if (dpy) {
        requester_dpy = dpy;
    } else {
        if (!eigene_verbindung) eigene_verbindung = meinXOpenDisplay("");
        requester_dpy = eigene_verbindung;
    }
    requ_fontstruct = nullptr;
    if (!requester_dpy) {
        printf("ERROR: kann Display nicht oeffnen!\n");
        fflush(stdout);
        return;
    }
    if (modus >= 3) {
        char muster[40];
        snprintf(muster, sizeof muster, "*Cour*%d*-M-*", modus);
        strcpymax(defaultfontname, muster, sizeof defaultfontname);  // cut to the buffer
        als_erstes(defaultfontname);
    } else if (modus != 0) {
        am_terminal_waehlen();
    }

    char name[256] = "";
    for (int i = 0; requ_fontliste[i] && !name[0]; ++i)
        if (passt(requ_fontliste[i])) snprintf(name, sizeof name, "%s", requ_fontliste[i]);
    if (!name[0]) {
        // One character shorter each time, always ending in a star, down to "*".
        char muster[sizeof defaultfontname];
        snprintf(muster, sizeof muster, "%s", defaultfontname);
        bool gefunden = passt(muster);
        while (!gefunden && fontmuster_kuerzen(muster)) gefunden = passt(muster);
        if (gefunden) snprintf(name, sizeof name, "%s", muster);
    }
    if (modus != 0) printf("XLoadQueryFont(mydpy,'%s')\n", name);
    if (name[0]) requ_fontstruct = XLoadQueryFont(requester_dpy, name);
    if (!requ_fontstruct) {
        printf("ERROR: kein Font fuer die Requester gefunden!\n");
        fflush(stdout);
        return;
    }

    XCharStruct m;
    int richtung, auf, ab;
    XTextExtents(requ_fontstruct, "AbcdefghijKlmnopqRstuvwxyZ", 26, &richtung, &auf, &ab, &m);
    reqpixprobuchst_x = m.width / 26;
    reqpixprobuchst_y = m.ascent + m.descent;
    if (reqpixprobuchst_x < 1) reqpixprobuchst_x = 1;
    if (reqpixprobuchst_y < 1) reqpixprobuchst_y = 1;
    if (modus != 0) printf("PIXPROBUCHST_X=%d PIXPROBUCHST_Y=%d\n", reqpixprobuchst_x, reqpixprobuchst_y);
    requester_font_flag = 1;
}

void requester_verbindung_beenden()
{
    if (!eigene_verbindung) return;
    if (requester_dpy == eigene_verbindung) {
        if (requ_fontstruct) XFreeFont(eigene_verbindung, requ_fontstruct);
        requ_fontstruct = nullptr;
        requester_dpy = nullptr;
        requester_font_flag = 0;
    }
    XCloseDisplay(eigene_verbindung);
    eigene_verbindung = nullptr;
}

int requester_bereit()
{
    return requester_dpy && requ_fontstruct && requester_font_flag;
}
