// The menu font: choosing it (from the list, by a shrinking pattern, or on
// the terminal), loading it and measuring its character sizes.
#include "menu_intern.h"
#include "../core/intern.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int pixprobuchst_x = 6, pixprobuchst_y = 8, zeilenabstand = 12;

namespace {
const char *const MENU_FONT_VORGABE[3] = {"-adobe-courier-medium-r-normal--14-140-75-75-m-90-iso8859-1",
                                          "-adobe-helvetica-medium-r-normal--20-140-100-100-p-100-iso8859-1",
                                          "-Adobe-Helvetica-Medium-R-Normal--14-140-75-75-P-77-ISO8859-1"};
char *gewaehlt = nullptr;  // owned copy of the name chosen on the terminal
}  // namespace

const char *menu_fontliste[4] = {MENU_FONT_VORGABE[0], MENU_FONT_VORGABE[1], MENU_FONT_VORGABE[2], nullptr};

namespace {

// The interactive choice of the first font of the list.
void font_am_terminal_waehlen()
{
    char muster[200];
    printf("suche nach Fontnamen:");
    fflush(stdout);
    bool gelesen = zeile_lesen(muster, sizeof muster);
    muster[strcspn(muster, "\r")] = '\0';  // a line end typed as CR LF
    if (!gelesen || muster[0] == '\0') {
        printf("\n");
        return;
    }
    int n = 0;
    char **namen = XListFonts(dpy, muster, 50, &n);
    for (int i = 0; i < n; ++i) printf("Font %d:'%s'\n", i, namen[i]);
    printf("Fontauswahl:");
    fflush(stdout);
    char zahl[40];
    int nummer = -1;
    if (zeile_lesen(zahl, sizeof zahl) && sscanf(zahl, "%d", &nummer) == 1 && nummer >= 0 && nummer < n) {
        free(gewaehlt);
        gewaehlt = strdup(namen[nummer]);
        if (gewaehlt) menu_fontliste[0] = gewaehlt;
    } else if (!isatty(0)) {
        printf("\n");
    }
    if (namen) XFreeFontNames(namen);
}

bool font_vorhanden(const char *name)
{
    int n = 0;
    char **namen = XListFonts(dpy, name, 1, &n);
    if (namen) XFreeFontNames(namen);
    return n > 0;
}

// The first font whose name the server lists for "*helv*14*", shortening
// the pattern by one character at a time down to a single star.
bool font_nach_muster(char *ziel, int n)
{
    char muster[16] = "*helv*14*";
    for (;;) {
        int anzahl = 0;
        char **namen = XListFonts(dpy, muster, 1, &anzahl);
        if (anzahl > 0) {
            snprintf(ziel, static_cast<size_t>(n), "%s", namen[0]);
            XFreeFontNames(namen);
            return true;
        }
        if (namen) XFreeFontNames(namen);
        if (!fontmuster_kuerzen(muster)) return false;
    }
}

}  // namespace

void menu_font_anfordern()
{
    if (!dpy) return;
    if (menu_debug > 1) font_am_terminal_waehlen();
    char name[400] = "";
    for (int i = 0; menu_fontliste[i]; ++i) {
        if (font_vorhanden(menu_fontliste[i])) {
            snprintf(name, sizeof name, "%s", menu_fontliste[i]);
            break;
        }
    }
    if (!name[0] && !font_nach_muster(name, sizeof name)) {
        // Without any font the menu is drawn in the server's default font of
        // the menu gc; widths are then estimated from the default metrics.
        printf("ERR-XMENU: kein Font fuer die Menues gefunden\n");
        return;
    }
    if (menu.menufont) XFreeFont(dpy, menu.menufont);
    menu.menufont = XLoadQueryFont(dpy, name);
    if (!menu.menufont) {
        printf("ERR-XMENU: Font '%s' nicht ladbar\n", name);
        return;
    }
    static const char probe[] = "AbcdefghijKlmnopqRstuvwxyZ";
    XCharStruct m;
    int richtung, auf, ab;
    XTextExtents(menu.menufont, probe, 26, &richtung, &auf, &ab, &m);
    pixprobuchst_x = m.width / 26;
    pixprobuchst_y = m.ascent + m.descent;
    zeilenabstand = pixprobuchst_y * 3 / 2;
    if (menu_debug)
        printf("pixprobuchst_x=%d pixprobuchst_y=%d zeilenabstand=%d\n", pixprobuchst_x, pixprobuchst_y,
               zeilenabstand);
}

int pixtextlaenge(const char *text)
{
    int n = text ? static_cast<int>(strlen(text)) : 0;
    int breite = menu.menufont ? XTextWidth(menu.menufont, text ? text : "", n) : n * pixprobuchst_x;
    return breite + pixprobuchst_x / 2;
}

void menufont_grundzustand()
{
    pixprobuchst_x = 6;
    pixprobuchst_y = 8;
    zeilenabstand = 12;
    for (int i = 0; i < 3; ++i) menu_fontliste[i] = MENU_FONT_VORGABE[i];
    menu_fontliste[3] = nullptr;
    free(gewaehlt);
    gewaehlt = nullptr;
}
