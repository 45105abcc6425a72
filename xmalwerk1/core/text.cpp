// Text in the drawing area: font choice by pixel height, strings with an
// optional background box, and text and fonts in PostScript plot files.
#include "intern.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

_mal_text mal_text;

namespace {

const char *const PROBETEXT = "AbcdefghijKlmnopqRstuvwxyZ";
const char *const ERSATZMUSTER = "*helv*med*--*";

void postscript_font(int zbreite, int ascent, int stil)
{
    static const char *const namen[4] = {"Helvetica", "Helvetica-Bold", "Helvetica-Oblique",
                                         "Helvetica-BoldOblique"};
    int sx, sy;
    ps_fontskala(zbreite, ascent, malwerk_breite, malwerk_hoehe, &sx, &sy);
    fprintf(malwerk_fpbild, "/%s findfont [%d 0 0 %d 0 0] makefont setfont\n", namen[stil & 3], sx, sy);
}

int begrenzt(long long v)
{
    return static_cast<int>(v < INT_MIN ? INT_MIN : (v > INT_MAX ? INT_MAX : v));
}

}  // namespace

int fonthoehe(const char *fontname)
{
    const char *p = fontname ? strstr(fontname, "--") : nullptr;
    if (!p) return 0;
    // No digits after the "--" (a wildcard, say) gives 0 as well.
    int v = 0;
    for (p += 2; isdigit(static_cast<unsigned char>(*p)) && v < 100000; ++p) v = v * 10 + (*p - '0');
    return v;
}

int font_waehlen(char *const *namen, int anzahl, int zhoehe)
{
    if (!namen || anzahl <= 0) return -1;
    int beste = 0, besthoehe = -1;
    for (int i = 0; i < anzahl; ++i) {
        int h = fonthoehe(namen[i]);
        if (h >= zhoehe) return i;
        if (h > besthoehe) {
            beste = i;
            besthoehe = h;
        }
    }
    return beste;
}

void ps_fontskala(int zbreite, int ascent, int flaechenbreite, int flaechenhoehe, int *sx, int *sy)
{
    // 1125 by 837 is one and a half times the page area of the user box.
    *sx = flaechenbreite > 0 ? begrenzt(1125LL * zbreite / flaechenbreite) : 0;
    *sy = flaechenhoehe > 0 ? begrenzt(837LL * ascent / flaechenhoehe) : 0;
    if (*sy == 0)
        *sy = static_cast<int>(*sx * 1.25);
    else if (*sx == 0)
        *sx = static_cast<int>(*sy / 1.25);
}

void ps_text_schreiben(FILE *f, const char *text)
{
    // Inside a PostScript string these three would end or bend it.
    for (const char *p = text; *p; ++p) {
        if (*p == '(' || *p == ')' || *p == '\\') fputc('\\', f);
        fputc(*p, f);
    }
}

int itextsize(int zbreite, int zhoehe, const char *fontmuster, int stil)
{
    if (debug > 0) printf("itextsize(%d,%d,const char *font,style=%d)\n", zbreite, zhoehe, stil);
    mal_text.zeichenbreite = zbreite;
    mal_text.zeichenhoehe = zhoehe;
    if (!anzeige_offen("itextsize")) return 0;
    int anzahl = 0;
    char **namen = fontmuster ? XListFonts(dpy, fontmuster, 500, &anzahl) : nullptr;
    if (!namen || anzahl == 0) {
        if (namen) XFreeFontNames(namen);
        namen = XListFonts(dpy, ERSATZMUSTER, 500, &anzahl);
    }
    if (!namen || anzahl == 0) {
        if (namen) XFreeFontNames(namen);
        puts("ERROR in itextsize: keine Fonts gefunden");
        return 0;
    }
    if (debug)
        for (int i = 0; i < anzahl; ++i) printf("itext-Font:'%s'\n", namen[i]);
    int wahl = font_waehlen(namen, anzahl, zhoehe);
    XFontStruct *f = XLoadQueryFont(dpy, namen[wahl]);
    if (!f) printf("ERROR in itextsize: Font '%s' nicht ladbar, der bisherige bleibt\n", namen[wahl]);
    XFreeFontNames(namen);
    int ascent = 0;
    if (f) {
        int richtung, auf, ab;
        XCharStruct m;
        XTextExtents(f, PROBETEXT, 26, &richtung, &auf, &ab, &m);
        ascent = m.ascent;
        XSetFont(dpy, gc, f->fid);
        // The GC now holds the new font; the old one is no longer used.
        if (mal_text.font && mal_text.font != f) XFreeFont(dpy, mal_text.font);
        mal_text.font = f;
    }
    if (postscript_offen()) {
        PLOT_FLUSH();
        postscript_font(zbreite, ascent, stil);
    }
    return ascent;
}

double textsize(double zbreite, double zhoehe, const char *fontmuster, int stil)
{
    int pb, ph;
    deltakoorduser2pix(zbreite, zhoehe, &pb, &ph);
    int ascent = itextsize(pb, ph, fontmuster, stil);
    double dx, dy;
    deltakoordpix2user(0, ascent, &dx, &dy);
    return dy;
}

void ischrift(int x, int y, const char *text, double winkel)
{
    if (!text || !anzeige_offen("ischrift")) return;
    int n = begrenzt(static_cast<long long>(strlen(text)));
    int hg = mal_text.hintergrundfarbe;
    if (hg >= 0) {
        int alt = mal_farbe;
        color(hg);
        // A refused box colour must not paint the box in the text's colour.
        if (mal_farbe == hg)
            ifillbox(x, y, begrenzt(x + static_cast<long long>(mal_text.zeichenbreite) * n),
                     y - 2 * mal_text.zeichenhoehe / 3);
        if (alt >= 0) color(alt);
    }
    XDrawString(dpy, aktuelles_ziel(), gc, x, y, text, n);
    svg_text(x, y, text, winkel);
    if (qsaveflag && malwerk_postflag) {
        bildplot(0, 0, 4);
        if (!malwerk_fpbild) return;
        double px, py;
        pix2seite(x, y, &px, &py);
        if (winkel == 0)
            fprintf(malwerk_fpbild, " %.2lf %.2lf m (", px, py);
        else
            fprintf(malwerk_fpbild, " gsave %.2lf %.2lf translate 0 0 m %.2lf rotate (", px, py, winkel);
        ps_text_schreiben(malwerk_fpbild, text);
        fputs(winkel == 0 ? ") show\n" : ") show grestore\n", malwerk_fpbild);
    }
}

void schrift(double x, double y, const char *text, double winkel)
{
    int px, py;
    koorduser2pix(x, y, &px, &py);
    ischrift(px, py, text, winkel);
}
