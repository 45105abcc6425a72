// The colour table: default colours, building the table on the screen's
// colormap, redefining and reading entries.
#include "intern.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const unsigned char RGB_VORGABE[32][3] = {
    {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},     {0, 0, 255},     {255, 0, 255},
    {255, 255, 0},   {127, 127, 127}, {0, 255, 200},   {200, 200, 200}, {255, 100, 100}, {100, 255, 100},
    {100, 100, 255}, {255, 100, 255}, {255, 255, 100}, {80, 80, 80},    {0, 255, 255},   {255, 194, 194},
    {255, 159, 63},  {63, 191, 255},  {191, 255, 63},  {255, 200, 200}, {142, 35, 107},  {204, 50, 50},
    {173, 234, 234}, {255, 128, 0},   {255, 0, 128},   {255, 128, 128}, {128, 255, 0},   {0, 255, 128},
    {128, 255, 128}, {128, 0, 255},
};

// Failed allocations reported so far, while building and by setcolor.
int warnnr_erstellen = 0;
int warnnr_setcolor = 0;
bool index_gemeldet = false;

}  // namespace

unsigned char rgbtabelle[32][3] = {};
XColor *colortabelle = nullptr;
int farbtabelle_anzahl = 0;
int maximaleanzahlfarben = 4096;

namespace {

// The defaults are in place before main runs.
[[maybe_unused]] const bool rgb_vorgegeben = (memcpy(rgbtabelle, RGB_VORGABE, sizeof rgbtabelle), true);

// Requested components of entry i of a freshly built table.
void vorgabe_setzen(XColor *c, int i)
{
    if (i < 32) {
        c->red = static_cast<unsigned short>(mul257(rgbtabelle[i][0]));
        c->green = static_cast<unsigned short>(mul257(rgbtabelle[i][1]));
        c->blue = static_cast<unsigned short>(mul257(rgbtabelle[i][2]));
    } else {
        c->red = c->green = c->blue = 0x8000;
    }
}

bool index_in_tabelle(const char *funktion, int index)
{
    if (index >= 0 && index < farbtabelle_anzahl) return true;
    if (!index_gemeldet) {
        index_gemeldet = true;
        printf("ERROR in %s(): Farbe %d nicht in der Farbtabelle (0..%d)\n", funktion, index,
               farbtabelle_anzahl - 1);
    }
    return false;
}

}  // namespace

short mul257(int c)
{
    return static_cast<short>(c * 257);
}

int div257(int v)
{
    // A 16-bit component that went through a short reads as negative.
    return (v & 0xFFFF) >> 8;
}

void farbtabelle_erstellen()
{
    if (colortabelle) return;
    if (!anzeige_offen("farbtabelle_erstellen")) return;
    if (debug > 0) puts("farbtabelle_erstellen()");
    long long n = mydept <= 8 ? 256 : (mydept >= 62 ? LLONG_MAX : 1LL << mydept);
    if (n > maximaleanzahlfarben) n = maximaleanzahlfarben;
    if (n < 1) n = 1;
    bool wiederholt = false;
    XColor *tabelle = nullptr;
    while (!(tabelle = static_cast<XColor *>(calloc(static_cast<size_t>(n), sizeof(XColor))))) {
        printf("zu wenig Speicher fuer %lld Farben\n", n);
        n = n > 256 ? 256 : n / 2;
        if (n <= 7) err_exit("keine Farbtabelle moeglich\n");
        wiederholt = true;
    }
    if (wiederholt) printf("nur %lld Farben verfuegbar.\n", n);
    Colormap karte = DefaultColormapOfScreen(screen);
    for (int i = 0; i < n; ++i) {
        XColor *c = &tabelle[i];
        vorgabe_setzen(c, i);
        if (!XAllocColor(dpy, karte, c)) {
            c->pixel = 0;
            if (++warnnr_erstellen <= 3) printf("XAllocColor() kann Farbe %d nicht erhalten\n", i);
        }
        // The table keeps what was asked for, not what the server granted.
        vorgabe_setzen(c, i);
    }
    colortabelle = tabelle;
    farbtabelle_anzahl = static_cast<int>(n);
    if (debug > 0) puts("farbtabelle_erstellen() fertig");
}

int setcolor(int index, int r, int g, int b)
{
    if (!screen) {
        puts("setcolor geht erst nach 'inital()'");
        return 0;
    }
    if (debug > 1) printf("setcolor(%d,r=%d,g=%d,b=%d)\n", index, r, g, b);
    if (!colortabelle) farbtabelle_erstellen();
    if (!colortabelle || !index_in_tabelle("setcolor", index)) return 0;
    XColor *c = &colortabelle[index];
    unsigned long alt = c->pixel;
    c->red = static_cast<unsigned short>(mul257(r));
    c->green = static_cast<unsigned short>(mul257(g));
    c->blue = static_cast<unsigned short>(mul257(b));
    c->flags = 0;
    if (!XAllocColor(dpy, DefaultColormapOfScreen(screen), c)) {
        c->pixel = alt;
        if (++warnnr_setcolor <= 3) printf("in setcolor(): XAllocColor() kann Farbe %d nicht erhalten\n", index);
    }
    c->red = static_cast<unsigned short>(mul257(r));
    c->green = static_cast<unsigned short>(mul257(g));
    c->blue = static_cast<unsigned short>(mul257(b));
    if (index == 0) hintergrundistschwarz = r == 0 && g == 0 && b == 0;
    return 0;
}

int setzergbtabelle(int n, const char *rgb)
{
    if (n > 32) {
        printf("setzergbtabelle(%d..): auf %d beschraenkt\n", n, 32);
        n = 32;
    }
    if (n > 0 && rgb) memcpy(rgbtabelle, rgb, static_cast<size_t>(n) * 3);
    hintergrundistschwarz = rgbtabelle[0][0] == 0 && rgbtabelle[0][1] == 0 && rgbtabelle[0][2] == 0;
    return hintergrundistschwarz;
}

void getcolor(int index, int *r, int *g, int *b)
{
    XColor c{};
    if (colortabelle) {
        if (index_in_tabelle("getcolor", index)) c = colortabelle[index];
    } else if (index >= 0) {
        // Before the table exists: what the entry will hold once it is built.
        vorgabe_setzen(&c, index);
    }
    *r = div257(c.red);
    *g = div257(c.green);
    *b = div257(c.blue);
}

void setmaxfarben(int n)
{
    if (n < 1) {
        printf("ERROR in setmaxfarben(): %d Farben sind zu wenig\n", n);
        return;
    }
    maximaleanzahlfarben = n;
}

void setzehintergrundweiss()
{
    memset(rgbtabelle[0], 255, 3);
    memset(rgbtabelle[1], 0, 3);
    hintergrundistschwarz = 0;
}

void farbtabelle_vergessen()
{
    free(colortabelle);
    colortabelle = nullptr;
    farbtabelle_anzahl = 0;
}

void farben_grundzustand()
{
    farbtabelle_vergessen();
    memcpy(rgbtabelle, RGB_VORGABE, sizeof rgbtabelle);
    maximaleanzahlfarben = 4096;
    hintergrundistschwarz = 1;
    warnnr_erstellen = warnnr_setcolor = 0;
    index_gemeldet = false;
}
