// Recording pictures into plot files: switching recording on and off,
// opening and closing the file of a picture, and passing every pen step to
// the recorder of the file's format.
#include "intern.h"
#include "plotdatei_intern.h"
#include "../menu/menu.h"
#include "../requester/requester.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

Bildplotzustand bildplot_zustand;
bool bildschirmtreu = false;

namespace {

// The file name, kept apart from the settings buffer, which the next
// Getenv call would overwrite.
std::string bildname;

// The open file's name for messages, and whether its failure was reported:
// a full disk gives one message per file, not one per point.
std::string offene_datei;
bool fehler_gemeldet = false;

// Prints the message of a failed write, once per file.
void fehler_melden(int grund)
{
    if (!fehler_gemeldet) {
        if (grund)
            printf("Fehler beim Schreiben von '%s' (%s)\n", offene_datei.c_str(), strerror(grund));
        else
            printf("Fehler beim Schreiben von '%s'\n", offene_datei.c_str());
        fehler_gemeldet = true;
    }
}

// False when writing to the open file failed (ok false, or its error flag
// set); the first failure is reported.
bool schreiben_gelungen(FILE *f, bool ok = true)
{
    const int grund = errno;
    if (ok && !ferror(f)) return true;
    fehler_melden(grund);
    return false;
}

bool beginnt_mit(const char *text, const char *anfang)
{
    return strncmp(text, anfang, strlen(anfang)) == 0;
}

enum class Plotformat { iff, postscript, svg, tellagraf };

Plotformat format()
{
    if (malwerk_iffflag) return Plotformat::iff;
    if (malwerk_postflag) return Plotformat::postscript;
    return malwerk_svgflag ? Plotformat::svg : Plotformat::tellagraf;
}

void format_waehlen(const char *art)
{
    malwerk_iffflag = beginnt_mit(art, "IFF");
    malwerk_postflag = beginnt_mit(art, "POST");
    malwerk_svgflag = beginnt_mit(art, "SVG");
}

// A line counter of 1 counts the path's move: starting at 0 would leave a
// file's first path unstroked when it has a single segment.
void zustand_zuruecksetzen()
{
    bildplot_zustand = Bildplotzustand{};
    bildplot_zustand.farbe = static_cast<unsigned char>(mal_farbe);
}

}  // namespace

void plotsave(const char *art)
{
    const char *a = descrtext(art);
    PLOT_FLUSH();
    if (debug > 0) printf("plotsave('%s')\n", a);
    // An open file gets its trailer before anything changes, whether
    // recording goes off or on again in another format or under a new name.
    if (malwerk_fpbild) bildclose();
    if (beginnt_mit(a, "AU") || beginnt_mit(a, "OF")) {
        qsave1flag = 0;
        qsaveflag = 0;
        return;
    }
    qsaveflag = 1;
    const char *name = Getenv("PLOTSAVE");
    bildname = name ? name : malwerk_bildname_default;
    malwerk_bildname = bildname.c_str();
    format_waehlen(a);
    if (malwerk_initalflag) {
        bildopen(malwerk_bildname);
    } else {
        qsave1flag = 1;
        qsaveflag = 0;
    }
}

void bildopen(const char *name)
{
    if (malwerk_fpbild) bildclose();
    if (!name) name = malwerk_bildname_default;
    if (debug > 0) printf("bildopen('%s')\n", name);
    zustand_zuruecksetzen();
    FILE *f;
    if (format() == Plotformat::tellagraf) {
        // Successive pictures are appended to one file.
        textfile_creat(name);
        f = fopen(name, "a");
    } else {
        f = fopen(name, "w");
    }
    if (!f) {
        printf("Fehler beim Oeffnen von '%s'\n", name);
        qsaveflag = 0;
        return;
    }
    malwerk_fpbild = f;
    offene_datei = name;
    fehler_gemeldet = false;
    qsaveflag = 1;
    errno = 0;
    switch (format()) {
    case Plotformat::iff: iff_kopf(f); break;
    case Plotformat::postscript: ps_kopf(f); break;
    case Plotformat::svg: svg_kopf(f); break;
    case Plotformat::tellagraf: tella_kopf(f); break;
    }
    schreiben_gelungen(f);
}

int bildplot(double x, double y, int ipen)
{
    FILE *f = malwerk_fpbild;
    if (!f) return 0;
    errno = 0;
    switch (format()) {
    case Plotformat::iff: iff_plot(f, x, y, ipen); break;
    case Plotformat::postscript: ps_plot(f, x, y, ipen); break;
    case Plotformat::svg: svg_plot(f, x, y, ipen); break;
    case Plotformat::tellagraf: tella_plot(f, x, y, ipen); break;
    }
    return schreiben_gelungen(f) ? 0 : -1;
}

void farbe_null(int *r, int *g, int *b)
{
    if (colortabelle) {
        *r = colortabelle[0].red >> 8;
        *g = colortabelle[0].green >> 8;
        *b = colortabelle[0].blue >> 8;
    } else {
        *r = rgbtabelle[0][0];
        *g = rgbtabelle[0][1];
        *b = rgbtabelle[0][2];
    }
}

namespace {

// The writer of the shapes of the file that takes them now, that file in
// *f; null when none does.
const Formschreiber *formschreiber(FILE **f)
{
    *f = qsaveflag ? malwerk_fpbild : nullptr;
    if (!*f) return nullptr;
    const Plotformat art = format();
    if (art == Plotformat::svg) return &svg_formen;
    if (art == Plotformat::postscript && bildschirmtreu) return &ps_formen;
    return nullptr;
}

}  // namespace

void kasten_aufzeichnen(int x, int y, unsigned b, unsigned h, bool fuellen)
{
    FILE *f;
    if (const Formschreiber *s = formschreiber(&f)) s->kasten(f, x, y, b, h, fuellen);
}

void ellipse_aufzeichnen(int x, int y, unsigned rx, unsigned ry, bool fuellen)
{
    FILE *f;
    if (const Formschreiber *s = formschreiber(&f)) s->ellipse(f, x, y, rx, ry, fuellen);
}

void polygon_aufzeichnen(const XPoint *p, int n)
{
    FILE *f;
    if (n <= 0) return;
    if (const Formschreiber *s = formschreiber(&f)) s->polygon(f, p, n);
}

bool bild_schliessen()
{
    if (debug > 0) printf("bildclose()\n");
    bool gelungen = true;
    if (FILE *f = malwerk_fpbild) {
        errno = 0;
        bool ok = true;
        switch (format()) {
        case Plotformat::iff: ok = iff_schluss(f); break;
        case Plotformat::postscript: ps_schluss(f); break;
        case Plotformat::svg: svg_schluss(f); break;
        case Plotformat::tellagraf: tella_schluss(f); break;
        }
        // fclose writes what is still buffered: a full disk often shows
        // only here.
        gelungen = schreiben_gelungen(f, ok && fflush(f) == 0);
        if (fclose(f) != 0) {
            fehler_melden(errno);
            gelungen = false;
        }
        malwerk_fpbild = nullptr;
    }
    qsaveflag = 0;
    return gelungen;
}

void bildclose()
{
    bild_schliessen();
}

bool bild_aufzeichnen(const char *art, const char *name, const std::function<void()> &zeichnen)
{
    if (malwerk_fpbild) {
        printf("bild_aufzeichnen(): es wird schon die Plotdatei '%s' geschrieben\n",
               malwerk_bildname ? malwerk_bildname : "");
        return false;
    }
    PLOT_FLUSH();
    // Recording as it was before, switched on or off by plotsave.
    const int iff = malwerk_iffflag, post = malwerk_postflag, svg = malwerk_svgflag, q1 = qsave1flag;
    format_waehlen(art);
    // The picture is the one on the screen, shapes and background included.
    bildschirmtreu = true;
    bildopen(name);
    bool gut = malwerk_fpbild != nullptr;
    if (gut) {
        zeichnen();
        PLOT_FLUSH();
        bildplot(0, 0, 4);
        // A failed write is reported once, naming the file, when it closes.
        gut = bild_schliessen();
    }
    bildschirmtreu = false;
    malwerk_iffflag = iff;
    malwerk_postflag = post;
    malwerk_svgflag = svg;
    qsave1flag = q1;
    qsaveflag = 0;
    return gut;
}
