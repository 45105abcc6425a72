// Least behaviour of functions whose full versions belong to later steps of
// the library (drawing, buffers, plot files, menus, requesters). Each entry
// is removed here when its real version is written.
#include "core/intern.h"
#include "menu/menu_intern.h"
#include "requester/requester_intern.h"

#include <cstdarg>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <unistd.h>

// Buffers.
int changebuffer(int a, int b)
{
    if (a == b) {
        if (dpuffer) XFreePixmap(dpy, dpuffer);
        if (leerpuffer) XFreePixmap(dpy, leerpuffer);
        dpuffer = leerpuffer = 0;
    }
    return 0;
}
int term_refresh()
{
    malwerk_initalflag = 0;
    return 0;
}
int Delay(int n) { return usleep(n <= 1 ? 20000 : static_cast<useconds_t>(n) * 20000); }

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

// Keyboard helpers.
int schlechte_tastatur(unsigned long keysym)
{
    static int gut = 1;
    if (keysym == 0xFF08) gut = 0;
    return !gut;
}
int strncmpgross(const char *text, const char *name, int n)
{
    while (*text == ' ') ++text;
    for (int i = 0; i < n && text[i] && name[i]; ++i) {
        int d = toupper(static_cast<unsigned char>(text[i])) - name[i];
        if (d != 0) return d;
    }
    return 0;
}
