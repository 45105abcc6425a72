// SVG 1.1 files: the drawing area in its pixels, y downwards as on the
// screen, on the background of colour 0. Polylines, boxes, ellipses,
// polygons and text keep their colour, width and dash pattern. Written in
// one pass: a polyline's points go out as they come.
#include "intern.h"
#include "plotdatei_intern.h"

#include <string>

namespace {

// Rows of the drawing area count from below the menu bar; pixel centres
// lie half a pixel in, where X puts its one-pixel lines.
double svg_x(int px)
{
    return px + 0.5;
}

double svg_y(int py)
{
    return py - menubalkenhoehe + 0.5;
}

// A colour as "#rrggbb".
std::string farbtext(int farbe)
{
    double r, g, b;
    zeichenfarbe(farbe, &r, &g, &b);
    auto byte = [](double v) { return static_cast<int>(v * 255 + 0.5) & 255; };
    char t[8];
    snprintf(t, sizeof t, "#%02x%02x%02x", byte(r), byte(g), byte(b));
    return t;
}

void strich(FILE *f)
{
    fprintf(f, " fill=\"none\" stroke=\"%s\" stroke-width=\"%d\" stroke-linecap=\"round\" stroke-linejoin=\"round\"",
            farbtext(mal_farbe).c_str(), (pattern & 0x100) ? 3 : 1);
    const unsigned char *e;
    int n = strichelemente(pattern, &e);
    if (n) {
        fputs(" stroke-dasharray=\"", f);
        for (int i = 0; i < n; ++i) fprintf(f, i ? " %d" : "%d", e[i]);
        fputs("\"", f);
    }
}

void form(FILE *f, bool fuellen)
{
    if (fuellen)
        fprintf(f, " fill=\"%s\"", farbtext(mal_farbe).c_str());
    else
        strich(f);
}

// Ends an open polyline element; shapes and text come after it, as on the
// screen, where the polyline has been drawn by then or is drawn later.
void polylinie_schliessen(FILE *f)
{
    Bildplotzustand &z = bildplot_zustand;
    if (z.svg_linie) fputs("\"/>\n", f);
    z.svg_linie = false;
}

void punkt(FILE *f, double x, double y)
{
    fprintf(f, " %.1f,%.1f", x, y);
}

// Text in XML: the markup characters as entities, the text itself as
// UTF-8 (a text in ISO 8859-1 is converted).
void xml_text(FILE *f, const char *text)
{
    for (char c : titel_als_utf8(text)) {
        switch (c) {
        case '&': fputs("&amp;", f); break;
        case '<': fputs("&lt;", f); break;
        case '>': fputs("&gt;", f); break;
        case '"': fputs("&quot;", f); break;
        default:
            // Control characters are not allowed in XML 1.0.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') fputc(c, f);
        }
    }
}

// A box or an ellipse: anfang names the element and its position and size
// attributes. A filled shape covers its pixels; an outline runs through
// pixel centres.
void form_schreiben(FILE *f, const char *anfang, int x, int y, unsigned b, unsigned h, bool fuellen)
{
    polylinie_schliessen(f);
    double k = fuellen ? 0 : 0.5;
    fprintf(f, anfang, x + k, y - menubalkenhoehe + k, b, h);
    form(f, fuellen);
    fputs("/>\n", f);
}

}  // namespace

void svg_kopf(FILE *f)
{
    int b = breite, h = hoehe;  // the pixels that user coordinates reach
    fputs("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n", f);
    fprintf(f,
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%d\" height=\"%d\" "
            "viewBox=\"0 0 %d %d\">\n",
            b, h, b, h);
    fprintf(f, "<desc>xmalwerk1 %s</desc>\n", malwerk_version);
    // The picture's background: colour 0, as the cleared screen shows it.
    int r, g, bl;
    farbe_null(&r, &g, &bl);
    fprintf(f, "<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"#%02x%02x%02x\"/>\n", b, h, r, g, bl);
}

void svg_plot(FILE *f, double x, double y, int ipen)
{
    Bildplotzustand &z = bildplot_zustand;
    if (ipen != 2 && ipen != 3) {
        polylinie_schliessen(f);
        return;
    }
    int px, py;
    koorduser2pix(x, y, &px, &py);
    if (ipen == 3) {
        polylinie_schliessen(f);
    } else if (!z.svg_linie) {
        // A draw begins an element at the last point (or at its own when
        // the file has none yet), with the colour and pen of now.
        fputs("<polyline", f);
        strich(f);
        fputs(" points=\"", f);
        if (z.svg_punkt)
            punkt(f, svg_x(z.svgx), svg_y(z.svgy));
        else
            punkt(f, svg_x(px), svg_y(py));
        z.svg_linie = true;
    }
    if (ipen == 2) punkt(f, svg_x(px), svg_y(py));
    z.svgx = px;
    z.svgy = py;
    z.svg_punkt = true;
}

void svg_schluss(FILE *f)
{
    polylinie_schliessen(f);
    fputs("</svg>\n", f);
}

namespace {

void svg_kasten(FILE *f, int x, int y, unsigned b, unsigned h, bool fuellen)
{
    form_schreiben(f, "<rect x=\"%.1f\" y=\"%.1f\" width=\"%u\" height=\"%u\"", x, y, b, h, fuellen);
}

void svg_ellipse(FILE *f, int x, int y, unsigned rx, unsigned ry, bool fuellen)
{
    form_schreiben(f, "<ellipse cx=\"%.1f\" cy=\"%.1f\" rx=\"%u\" ry=\"%u\"", x, y, rx, ry, fuellen);
}

void svg_polygon(FILE *f, const XPoint *p, int n)
{
    polylinie_schliessen(f);
    fputs("<polygon fill-rule=\"evenodd\"", f);
    form(f, true);
    fputs(" points=\"", f);
    for (int i = 0; i < n; ++i) punkt(f, svg_x(p[i].x), svg_y(p[i].y));
    fputs("\"/>\n", f);
}

}  // namespace

const Formschreiber svg_formen = {svg_kasten, svg_ellipse, svg_polygon};

void svg_text(int x, int y, const char *text, double winkel)
{
    if (!svg_offen()) return;
    FILE *f = malwerk_fpbild;
    polylinie_schliessen(f);
    // The size of the font in use, the server's default font until a
    // font was chosen.
    int groesse = mal_text.zeichenhoehe;
    XFontStruct *fs = mal_text.font;
    if (!fs && dpy && gc) fs = XQueryFont(dpy, XGContextFromGC(gc));
    if (fs) groesse = fs->ascent + fs->descent;
    if (fs && fs != mal_text.font) XFreeFontInfo(nullptr, fs, 1);
    double sy = y - menubalkenhoehe;
    fprintf(f, "<text xml:space=\"preserve\" x=\"%d\" y=\"%.0f\" fill=\"%s\" font-family=\"Helvetica, Arial, sans-serif\" font-size=\"%d\"", x,
            sy, farbtext(mal_farbe).c_str(), groesse);
    // Turned counter-clockwise by winkel degrees, as in PostScript files.
    if (winkel != 0) fprintf(f, " transform=\"rotate(%.2f %d %.0f)\"", -winkel, x, sy);
    fputs(">", f);
    xml_text(f, text);
    fputs("</text>\n", f);
}
