// The shaded globe as one image. What a pixel needs that does not change
// while the window keeps its size (its place on the globe and its height
// above the fundamental plane) is kept; per frame each pixel is turned to
// its longitude and latitude for the land mask, and its fraction of the Sun
// covered comes from a small table over the distance from the shadow axis,
// a row per height (the cones narrow with the height by tan f).
#include "schattenbild.h"

#include "datendatei.h"

#include "xmalwerk1/xmalwerk1.h"

#ifdef UMBRIX_MIT_SHM
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#endif

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// ---- the land mask: cells of equal longitude and latitude, row 0 at the
// North Pole, column 0 at 180 degrees west; 1 land, 0 sea.
struct Landmaske {
    int spalten = 0, zeilen = 0;
    std::vector<unsigned char> zellen;
};
Landmaske maske;
bool maske_gesucht = false;  // the first shaded frame loads the mask

bool maske_fehler(const char *name, int zeile)
{
    printf("Landmaske '%s' ist beschaedigt (Zeile %d); der Globus bleibt ohne Land.\n", name, zeile);
    fflush(stdout);
    maske = Landmaske();
    return false;
}

// ---- the palette: the pixel values of every step of land and sea and of
// the two cores, asked of the server once per connection.
struct Palette {
    Display *dpy = nullptr;
    unsigned long land[schattenstufen + 1], meer[schattenstufen + 1];
    unsigned long kern_total = 0, kern_ring = 0;
};
Palette palette;

const int landfarbe = 0x96aa6e, meerfarbe = 0x3c64b4;
// At the full step a colour keeps this much of its brightness.
const double rest_hell = 0.18;

int abdunkeln(int farbe, int stufe)
{
    const double f = 1 - (1 - rest_hell) * stufe / schattenstufen;
    int ergebnis = 0;
    for (int schieben = 0; schieben <= 16; schieben += 8) {
        const int k = (farbe >> schieben) & 0xff;
        ergebnis |= static_cast<int>(k * f + 0.5) << schieben;
    }
    return ergebnis;
}

unsigned long pixelwert(int rgb)
{
    XColor c{};
    c.red = static_cast<unsigned short>(((rgb >> 16) & 0xff) * 257);
    c.green = static_cast<unsigned short>(((rgb >> 8) & 0xff) * 257);
    c.blue = static_cast<unsigned short>((rgb & 0xff) * 257);
    c.flags = DoRed | DoGreen | DoBlue;
    XAllocColor(malwerk_dpy, DefaultColormapOfScreen(malwerk_screen), &c);
    return c.pixel;
}

void palette_anlegen()
{
    if (palette.dpy == malwerk_dpy) return;
    for (int s = 0; s <= schattenstufen; ++s) {
        palette.land[s] = pixelwert(schattenfarbe(true, s));
        palette.meer[s] = pixelwert(schattenfarbe(false, s));
    }
    palette.kern_total = pixelwert(kernfarbe(true));
    palette.kern_ring = pixelwert(kernfarbe(false));
    palette.dpy = malwerk_dpy;
}

// ---- the pixels of the globe while the drawing area keeps its size and
// user box: per row the columns on the globe, per pixel its height z.
struct Geometrie {
    int breite = -1, hoehe = -1, oben = -1;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    std::vector<double> xs, ys;         // user coordinates per column, per row
    std::vector<int> anfang, ende;      // per row of the box, the globe's columns
    std::vector<size_t> versatz;        // per row, where its heights begin in z
    std::vector<float> z;
    int x0 = 0, y0 = 0, b = 0, h = 0;   // the box around the globe, pixels
    XImage *bild = nullptr;
#ifdef UMBRIX_MIT_SHM
    // The image in memory shared with a server on this machine: a frame's
    // pixels are not copied through the connection.
    XShmSegmentInfo geteilt{};
    bool mit_shm = false;
#endif
};
Geometrie geo;

// Frees the image; the server is told only while its connection is the one
// the image was made on (a closed connection took its share with it).
void bild_freigeben(bool verbindung_offen)
{
    Geometrie &g = geo;
    if (!g.bild) return;
#ifdef UMBRIX_MIT_SHM
    if (g.mit_shm) {
        if (verbindung_offen) XShmDetach(malwerk_dpy, &g.geteilt);
        XDestroyImage(g.bild);
        shmdt(g.geteilt.shmaddr);
        g.bild = nullptr;
        return;
    }
#endif
    (void)verbindung_offen;
    XDestroyImage(g.bild);
    g.bild = nullptr;
}

#ifdef UMBRIX_MIT_SHM
bool shm_fehler = false;
int shm_fehler_merken(Display *, XErrorEvent *)
{
    shm_fehler = true;
    return 0;
}

// Only a server on this machine can share memory with the program.
bool shm_moeglich()
{
    const char *name = DisplayString(malwerk_dpy);
    if (!name || !(name[0] == ':' || std::strncmp(name, "unix:", 5) == 0)) return false;
    return XShmQueryExtension(malwerk_dpy);
}

XImage *shm_bild_anlegen(Visual *visual, int tiefe, int b, int h)
{
    Geometrie &g = geo;
    if (!shm_moeglich()) return nullptr;
    XImage *bild = XShmCreateImage(malwerk_dpy, visual, static_cast<unsigned>(tiefe), ZPixmap, nullptr, &g.geteilt,
                                   static_cast<unsigned>(b), static_cast<unsigned>(h));
    if (!bild) return nullptr;
    g.geteilt.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(bild->bytes_per_line) * h, IPC_CREAT | 0600);
    if (g.geteilt.shmid < 0) {
        XDestroyImage(bild);
        return nullptr;
    }
    g.geteilt.shmaddr = bild->data = static_cast<char *>(shmat(g.geteilt.shmid, nullptr, 0));
    g.geteilt.readOnly = False;
    if (g.geteilt.shmaddr == reinterpret_cast<char *>(-1)) {
        shmctl(g.geteilt.shmid, IPC_RMID, nullptr);
        XDestroyImage(bild);
        return nullptr;
    }
    // A server that refuses the memory says so by an error, not a result.
    XSync(malwerk_dpy, False);
    shm_fehler = false;
    XErrorHandler alt = XSetErrorHandler(shm_fehler_merken);
    const bool angehaengt = XShmAttach(malwerk_dpy, &g.geteilt);
    XSync(malwerk_dpy, False);
    XSetErrorHandler(alt);
    // Gone as soon as both sides let go of it, also when the program dies.
    shmctl(g.geteilt.shmid, IPC_RMID, nullptr);
    if (!angehaengt || shm_fehler) {
        XDestroyImage(bild);
        shmdt(g.geteilt.shmaddr);
        return nullptr;
    }
    g.mit_shm = true;
    return bild;
}
#endif

void geometrie_pruefen()
{
    Geometrie &g = geo;
    if (g.bild && g.breite == malwerk_breite && g.hoehe == malwerk_hoehe && g.oben == menubalkenhoehe &&
        g.xmin == malwerk_xmin && g.xmax == malwerk_xmax && g.ymin == malwerk_ymin && g.ymax == malwerk_ymax &&
        palette.dpy == malwerk_dpy)
        return;
    bild_freigeben(true);
    g = Geometrie();
    g.breite = malwerk_breite;
    g.hoehe = malwerk_hoehe;
    g.oben = menubalkenhoehe;
    g.xmin = malwerk_xmin;
    g.xmax = malwerk_xmax;
    g.ymin = malwerk_ymin;
    g.ymax = malwerk_ymax;
    const int spalten = g.breite + 1, zeilen = g.oben + g.hoehe + 1;
    double u, v;
    g.xs.resize(static_cast<size_t>(spalten));
    g.ys.resize(static_cast<size_t>(zeilen));
    for (int px = 0; px < spalten; ++px) koordpix2user(px, 0, &g.xs[static_cast<size_t>(px)], &v);
    for (int py = 0; py < zeilen; ++py) koordpix2user(0, py, &u, &g.ys[static_cast<size_t>(py)]);
    int links = spalten, rechts = -1, oben = zeilen, unten = -1;
    for (int py = g.oben; py < zeilen; ++py)
        for (int px = 0; px < spalten; ++px) {
            const double x = g.xs[static_cast<size_t>(px)], y = g.ys[static_cast<size_t>(py)];
            if (x * x + y * y > 1) continue;
            links = std::min(links, px);
            rechts = std::max(rechts, px);
            oben = std::min(oben, py);
            unten = std::max(unten, py);
        }
    if (rechts < 0) return;
    g.x0 = links;
    g.y0 = oben;
    g.b = rechts - links + 1;
    g.h = unten - oben + 1;
    for (int py = oben; py <= unten; ++py) {
        const double y = g.ys[static_cast<size_t>(py)];
        int a = rechts + 1, e = rechts + 1;
        for (int px = links; px <= rechts; ++px) {
            const double x = g.xs[static_cast<size_t>(px)];
            if (x * x + y * y > 1) continue;
            if (a > rechts) a = px;
            e = px + 1;
        }
        g.anfang.push_back(a);
        g.ende.push_back(e);
        g.versatz.push_back(g.z.size());
        for (int px = a; px < e; ++px) {
            const double x = g.xs[static_cast<size_t>(px)];
            g.z.push_back(static_cast<float>(std::sqrt(std::fmax(0.0, 1 - x * x - y * y))));
        }
    }
    Visual *visual = DefaultVisualOfScreen(malwerk_screen);
    const int tiefe = DefaultDepthOfScreen(malwerk_screen);
#ifdef UMBRIX_MIT_SHM
    g.bild = shm_bild_anlegen(visual, tiefe, g.b, g.h);
#endif
    if (!g.bild) {
        g.bild = XCreateImage(malwerk_dpy, visual, static_cast<unsigned>(tiefe), ZPixmap, 0, nullptr,
                              static_cast<unsigned>(g.b), static_cast<unsigned>(g.h), 32, 0);
        if (!g.bild) return;
        g.bild->data = static_cast<char *>(std::calloc(static_cast<size_t>(g.bild->bytes_per_line) * g.h, 1));
        if (!g.bild->data) {
            XDestroyImage(g.bild);
            g.bild = nullptr;
            return;
        }
    }
    // The image goes to the server whole: around the globe it holds the
    // emptied frame's colour, read from the box's corner, which the globe
    // never reaches.
    XImage *ecke = XGetImage(malwerk_dpy, dpuffer ? dpuffer : malwerk_win, g.x0, g.y0, 1, 1, AllPlanes, ZPixmap);
    const unsigned long grund = ecke ? XGetPixel(ecke, 0, 0) : 0;
    if (ecke) XDestroyImage(ecke);
    for (int r = 0; r < g.h; ++r)
        for (int px = 0; px < g.b; ++px) XPutPixel(g.bild, px, r, grund);
}

// ---- per frame

// atan2(y, x) within a few thousandths of a degree, far cheaper than the
// library's: the land mask's cells are a quarter of a degree.
inline double schnell_atan2(double y, double x)
{
    const double ax = std::fabs(x), ay = std::fabs(y);
    const double gross = ax > ay ? ax : ay, klein = ax > ay ? ay : ax;
    if (gross == 0) return 0;
    const double a = klein / gross, s = a * a;
    double w = ((-0.0464964749 * s + 0.15931422) * s - 0.327622764) * s * a + a;
    if (ay > ax) w = M_PI / 2 - w;
    if (x < 0) w = M_PI - w;
    return y < 0 ? -w : w;
}

// The mask's row for sin(latitude), in fine steps of the sine.
const int sinusschritte = 16384;
std::vector<int> zeile_fuer_sinus;
int zeile_fuer_sinus_zeilen = -1;

void sinustafel_pruefen()
{
    if (zeile_fuer_sinus_zeilen == maske.zeilen) return;
    zeile_fuer_sinus.assign(sinusschritte + 1, 0);
    for (int i = 0; i <= sinusschritte; ++i) {
        const double breite = std::asin(std::fmin(1.0, -1.0 + 2.0 * i / sinusschritte));
        const int z = static_cast<int>((M_PI / 2 - breite) / M_PI * maske.zeilen);
        zeile_fuer_sinus[static_cast<size_t>(i)] = std::max(0, std::min(maske.zeilen - 1, z));
    }
    zeile_fuer_sinus_zeilen = maske.zeilen;
}

// The step of the shading by distance from the axis, one row per height.
const int hoehenzeilen = 16;
const int abstandsschritte = 1024;
struct Bedeckungstafel {
    double l1 = -1, l2 = 0, tanf1 = 0, tanf2 = 0;  // the cones it was made for
    double abstand_max = 0, je_schritt = 0;  // distance of the last entry; entries per Earth radius
    float stufe[hoehenzeilen][abstandsschritte + 2];
};
Bedeckungstafel tafel;
std::vector<unsigned char> landzeile;

void tafel_fuellen(const Elementwerte &e)
{
    // The stopped viewer draws the same moment again and again.
    if (e.l1 == tafel.l1 && e.l2 == tafel.l2 && e.tanf1 == tafel.tanf1 && e.tanf2 == tafel.tanf2) return;
    tafel.l1 = e.l1;
    tafel.l2 = e.l2;
    tafel.tanf1 = e.tanf1;
    tafel.tanf2 = e.tanf2;
    tafel.abstand_max = std::fmax(e.l1, 1e-9);
    tafel.je_schritt = abstandsschritte / tafel.abstand_max;
    for (int i = 0; i < hoehenzeilen; ++i) {
        const double zeta = static_cast<double>(i) / (hoehenzeilen - 1);
        const double L1 = e.l1 - zeta * e.tanf1, L2 = e.l2 - zeta * e.tanf2;
        for (int j = 0; j <= abstandsschritte; ++j)
            tafel.stufe[i][j] =
                static_cast<float>(bedeckung_im_abstand(j / tafel.je_schritt, L1, L2) * schattenstufen);
        tafel.stufe[i][abstandsschritte + 1] = tafel.stufe[i][abstandsschritte];
    }
}

}  // namespace

void schattenbild_vergessen()
{
    bild_freigeben(false);
    geo = Geometrie();
    palette.dpy = nullptr;
}

bool landmaske_laden(const char *name)
{
    maske_gesucht = true;
    FILE *f = fopen2(const_cast<char *>(name), const_cast<char *>("r"));
    if (!f) {
        printf("Landmaske '%s' nicht gefunden; der Globus bleibt ohne Land.\n", name);
        fflush(stdout);
        maske = Landmaske();
        return false;
    }
    Landmaske m;
    char text[16384];
    int zeile = 0, gelesen = 0;
    bool ok = true;
    while (ok && fgets(text, sizeof text, f)) {
        ++zeile;
        if (text[0] == '#') continue;
        if (!strchr(text, '\n') && !feof(f)) ok = false;
        if (m.spalten == 0) {
            if (sscanf(text, "%d %d", &m.spalten, &m.zeilen) != 2 || m.spalten < 1 || m.zeilen < 1 ||
                m.spalten > 100000 || m.zeilen > 100000 || static_cast<long>(m.spalten) * m.zeilen > 50000000)
                ok = false;
            else
                m.zellen.reserve(static_cast<size_t>(m.spalten) * static_cast<size_t>(m.zeilen));
            continue;
        }
        if (gelesen == m.zeilen) {
            ok = false;
            break;
        }
        // Runs, alternately sea and land, that fill the row exactly.
        long summe = 0;
        unsigned char art = 0;
        char *p = text, *ende = nullptr;
        for (long lauf = strtol(p, &ende, 10); ok && ende != p; lauf = strtol(p, &ende, 10)) {
            p = ende;
            if (lauf < 0 || summe + lauf > m.spalten) ok = false;
            else m.zellen.insert(m.zellen.end(), static_cast<size_t>(lauf), art);
            summe += lauf;
            art ^= 1;
        }
        while (*p == ' ' || *p == '\n' || *p == '\r') ++p;
        if (*p || summe != m.spalten) ok = false;
        ++gelesen;
    }
    fclose(f);
    if (!ok || m.spalten == 0 || gelesen != m.zeilen) return maske_fehler(name, ok ? zeile : std::max(zeile, 1));
    maske = std::move(m);
    return true;
}

bool ist_land(double laenge, double breite)
{
    if (maske.zellen.empty()) return false;
    int s = static_cast<int>((laenge + 180) / 360 * maske.spalten);
    int z = static_cast<int>((90 - breite) / 180 * maske.zeilen);
    s = ((s % maske.spalten) + maske.spalten) % maske.spalten;
    z = std::max(0, std::min(maske.zeilen - 1, z));
    return maske.zellen[static_cast<size_t>(z) * static_cast<size_t>(maske.spalten) + static_cast<size_t>(s)];
}

int schattenfarbe(bool land, int stufe)
{
    return abdunkeln(land ? landfarbe : meerfarbe, std::max(0, std::min(schattenstufen, stufe)));
}

int kernfarbe(bool total)
{
    return total ? 0x0a0a14 : 0x5a2a00;
}

void schattenbild_zeichnen(const Elementwerte *e, double drehung, double neigung)
{
    PLOT_FLUSH();
    if (!maske_gesucht) landmaske_laden("gmtland.dat");
    palette_anlegen();
    geometrie_pruefen();
    const Geometrie &g = geo;
    if (!g.bild) return;
    // Shared with the server, the pixels may still be read for the picture
    // put before: a frame is put whole over the same box, so the next one
    // (after the frame shown, which waits for the server) covers it anyway.
    sinustafel_pruefen();
    if (e) tafel_fuellen(*e);
    const bool mit_land = !maske.zellen.empty();
    const double cd = std::cos(drehung), sd = std::sin(drehung);
    const double cn = std::cos(neigung), sn = std::sin(neigung);
    const double spalte_je_rad = maske.spalten / (2 * M_PI);
    const double sinus_index = 0.5 * sinusschritte;
    const double ax = e ? e->x : 1e9, ay = e ? e->y : 1e9;
    const double l2 = e ? e->l2 : 0, tanf2 = e ? e->tanf2 : 0;
    const double grenze2 = tafel.abstand_max * tafel.abstand_max;
    // Pixels written as words of this machine where the image has them so.
    const uint32_t eins = 1;
    const int eigene_ordnung = *reinterpret_cast<const unsigned char *>(&eins) ? LSBFirst : MSBFirst;
    const bool direkt = g.bild->bits_per_pixel == 32 && g.bild->byte_order == eigene_ordnung;
    const unsigned char *zellen = maske.zellen.data();
    const int *zeilentafel = zeile_fuer_sinus.data();

    // Land is looked up for every other column and, where the row's
    // columns lie within the row's above, every other row: two pixels are
    // less than a cell of the mask at the globe's centre.
    std::vector<unsigned char> &land = landzeile;
    land.assign(static_cast<size_t>(g.breite) + 3, 0);
    int land_a = 0, land_e = -1;
    for (int r = 0; r < g.h; ++r) {
        const int py = g.y0 + r;
        const double y = g.ys[static_cast<size_t>(py)];
        const int a = g.anfang[static_cast<size_t>(r)], en = g.ende[static_cast<size_t>(r)];
        if (a >= en) continue;
        XImage *bild = g.bild;
        char *zeilenanfang = bild->data + static_cast<size_t>(r) * static_cast<size_t>(bild->bytes_per_line);
        uint32_t *zeile = direkt ? reinterpret_cast<uint32_t *>(zeilenanfang) : nullptr;
        const float *zs = g.z.data() + g.versatz[static_cast<size_t>(r)];
        if (mit_land && (r % 2 == 0 || a < land_a || en > land_e)) {
            for (int px = a; px < en; px += 2) {
                // Back from the fundamental plane to the Earth: the turning
                // of Globusdrehung undone.
                const double x = g.xs[static_cast<size_t>(px)], z = zs[px - a];
                const double q = cn * z - sn * y;
                const double sb = sn * z + cn * y;
                const double X = q * cd + x * sd, Y = x * cd - q * sd;
                int s = static_cast<int>((schnell_atan2(Y, X) + M_PI) * spalte_je_rad);
                if (s >= maske.spalten) s = maske.spalten - 1;
                if (s < 0) s = 0;
                const int zi = zeilentafel[static_cast<int>((sb + 1) * sinus_index + 0.5)];
                land[static_cast<size_t>(px)] = land[static_cast<size_t>(px) + 1] =
                    zellen[static_cast<size_t>(zi) * static_cast<size_t>(maske.spalten) + static_cast<size_t>(s)];
            }
            land_a = a;
            land_e = en;
        }
        const double dy = y - ay;
        for (int px = a; px < en; ++px) {
            const double x = g.xs[static_cast<size_t>(px)];
            const unsigned long *farben = land[static_cast<size_t>(px)] ? palette.land : palette.meer;
            const double dx = x - ax;
            const double m2 = dx * dx + dy * dy;
            unsigned long wert = farben[0];
            if (m2 < grenze2) {
                const double z = zs[px - a];
                const double m = std::sqrt(m2);
                const double L2 = l2 - z * tanf2;
                if (m < std::fabs(L2)) {
                    wert = L2 < 0 ? palette.kern_total : palette.kern_ring;
                } else {
                    const float *stufen = tafel.stufe[static_cast<int>(z * (hoehenzeilen - 1) + 0.5)];
                    const double p = m * tafel.je_schritt;
                    const int j = static_cast<int>(p);
                    const double st = stufen[j] + (p - j) * (stufen[j + 1] - stufen[j]);
                    wert = farben[static_cast<int>(st + 0.5)];
                }
            }
            if (zeile)
                zeile[px - g.x0] = static_cast<uint32_t>(wert);
            else
                XPutPixel(bild, px - g.x0, r, wert);
        }
    }
    const Drawable ziel = dpuffer ? dpuffer : malwerk_win;
#ifdef UMBRIX_MIT_SHM
    if (g.mit_shm) {
        XShmPutImage(malwerk_dpy, ziel, malwerk_gc, g.bild, 0, 0, g.x0, g.y0, static_cast<unsigned>(g.b),
                     static_cast<unsigned>(g.h), False);
        return;
    }
#endif
    XPutImage(malwerk_dpy, ziel, malwerk_gc, g.bild, 0, 0, g.x0, g.y0, static_cast<unsigned>(g.b),
              static_cast<unsigned>(g.h));
}

void schattenskala_zeichnen(int x, int y, int b, int h)
{
    if (b < 2 || h < 2) return;
    palette_anlegen();
    Visual *visual = DefaultVisualOfScreen(malwerk_screen);
    XImage *bild = XCreateImage(malwerk_dpy, visual, static_cast<unsigned>(DefaultDepthOfScreen(malwerk_screen)),
                                ZPixmap, 0, nullptr, static_cast<unsigned>(b), static_cast<unsigned>(h), 32, 0);
    if (!bild) return;
    bild->data = static_cast<char *>(std::calloc(static_cast<size_t>(bild->bytes_per_line) * h, 1));
    if (!bild->data) {
        XDestroyImage(bild);
        return;
    }
    for (int i = 0; i < b; ++i) {
        const int stufe = (i * schattenstufen + (b - 1) / 2) / (b - 1);
        for (int j = 0; j < h; ++j) XPutPixel(bild, i, j, j < h / 2 ? palette.meer[stufe] : palette.land[stufe]);
    }
    PLOT_FLUSH();
    XPutImage(malwerk_dpy, dpuffer ? dpuffer : malwerk_win, malwerk_gc, bild, 0, 0, x, y, static_cast<unsigned>(b),
              static_cast<unsigned>(h));
    XDestroyImage(bild);
}
