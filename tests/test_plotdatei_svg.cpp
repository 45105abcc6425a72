// SVG plot files and PNG pictures of the drawing area: a picture drawn on a
// private Xvfb and recorded at the same time is rendered with rsvg-convert
// and must show its lines, shapes and colours where the screen has them;
// the PNG read back with libpng must equal the screen pixel for pixel.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/malflaeche.h"
#include "hilfe/plotdateien.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <X11/Xutil.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>

using testhilfe::Arbeitsverzeichnis;
using testhilfe::datei_lesen;
using testhilfe::Malflaeche;
using testhilfe::RgbBild;

namespace {

// The drawing area: the pixels that user coordinates reach.
const int B = 400, H = 300;

// A picture of every kind of element, in user coordinates that are the
// window's pixels (y up from the bottom row).
void zeichnen()
{
    setcolor(4, 100, 150, 255);  // colour numbers from now on index the table
    screenclear(0);
    color(2);
    mal_pen("KS");  // short dashes
    q2plot(20, 20, 3);
    q2plot(380, 120, 2);
    mal_pen("NO");
    mal_pen("FE");  // thick
    color(3);
    q2plot(20, 280, 3);
    q2plot(200, 250, 2);
    q2plot(380, 280, 2);
    mal_pen("NO");
    color(6);
    fillbox(30, 150, 90, 200);
    color(5);
    drawbox(100, 150, 160, 200);
    color(1);
    fillcircle(250, 180, 30, 30);
    color(16);
    drawcircle(330, 180, 25, 25);
    double px[3] = {150, 250, 200}, py[3] = {40, 40, 110};
    color(12);
    fillpolygon(3, px, py);
    color(1);
    schrift(20, 230, "a<b & \"c\" \xe4", 0);
}

// The drawing area as 8-bit RGB, read from the server.
RgbBild bildschirm()
{
    XSync(dpy, False);
    XImage *x = XGetImage(dpy, aktuelles_ziel(), 0, 0, B, H, AllPlanes, ZPixmap);
    RgbBild b;
    b.breite = B;
    b.hoehe = H;
    for (int y = 0; y < H; ++y)
        for (int i = 0; i < B; ++i) {
            unsigned long p = XGetPixel(x, i, y);
            b.daten.insert(b.daten.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
        }
    XDestroyImage(x);
    return b;
}

bool aehnlich(const uint8_t *a, const uint8_t *b, int toleranz)
{
    for (int k = 0; k < 3; ++k)
        if (std::abs(int(a[k]) - int(b[k])) > toleranz) return false;
    return true;
}

bool hintergrund(const uint8_t *p)
{
    return p[0] < 40 && p[1] < 40 && p[2] < 40;
}

// Full colour: not an edge pixel that a renderer blends with the background.
bool kraeftig(const uint8_t *p)
{
    return std::max({p[0], p[1], p[2]}) >= 200;
}

// Pixels of a that are drawn (in full colour with nur_kraeftig) and have no
// pixel of about the same colour within one pixel in b.
int ohne_gegenstueck(const RgbBild &a, const RgbBild &b, int toleranz, bool nur_kraeftig)
{
    int n = 0;
    for (int y = 0; y < a.hoehe; ++y)
        for (int x = 0; x < a.breite; ++x) {
            if (y >= 55 && y <= 75) continue;  // the text: another font
            const uint8_t *p = a.pixel(x, y);
            if (hintergrund(p) || (nur_kraeftig && !kraeftig(p))) continue;
            bool da = false;
            for (int dy = -1; dy <= 1 && !da; ++dy)
                for (int dx = -1; dx <= 1 && !da; ++dx)
                    da = b.innen(x + dx, y + dy) && aehnlich(p, b.pixel(x + dx, y + dy), toleranz);
            n += !da;
        }
    return n;
}

}  // namespace

TEST(SvgDatei, ZeigtWasDerBildschirmZeigt)
{
    Malflaeche m(B, H);
    Arbeitsverzeichnis v;
    const std::string datei = v.datei("bild.svg");
    ASSERT_TRUE(bild_aufzeichnen("SVG", datei.c_str(), zeichnen));
    EXPECT_EQ(qsaveflag, 0);
    EXPECT_EQ(malwerk_fpbild, nullptr);
    RgbBild schirm = bildschirm();

    RgbBild svg;
    std::string meldungen;
    ASSERT_EQ(testhilfe::svg_rendern(datei, &svg, &meldungen), 0) << meldungen << datei_lesen(datei);
    ASSERT_EQ(svg.breite, B);
    ASSERT_EQ(svg.hoehe, H);
    // Every screen pixel of a line or shape is there in the SVG; of the
    // SVG's strongly coloured pixels (its edges are smoothed) every one is
    // on the screen.
    EXPECT_LT(ohne_gegenstueck(schirm, svg, 90, false), 20);
    EXPECT_LT(ohne_gegenstueck(svg, schirm, 90, true), 20);
    // The text is drawn at its place, in white.
    int weiss = 0;
    for (int y = 55; y <= 75; ++y)
        for (int x = 20; x < 120; ++x) weiss += svg.weiss(x, y);
    EXPECT_GT(weiss, 20);

    std::string text = datei_lesen(datei);
    EXPECT_NE(text.find(">a&lt;b &amp; &quot;c&quot; \xc3\xa4</text>"), std::string::npos) << text;
    EXPECT_NE(text.find("stroke-dasharray=\"8 3\""), std::string::npos);
    EXPECT_NE(text.find("stroke-width=\"3\""), std::string::npos);
}

TEST(SvgDatei, UnschreibbarerNameWieBeiDenAnderenFormaten)
{
    Malflaeche m(B, H);
    Arbeitsverzeichnis v;
    ASSERT_EQ(mkdir(v.datei("zu").c_str(), 0555), 0);
    for (const char *art : {"SVG", "POST", "IFF"}) {
        const std::string name = v.datei("zu/x");
        testing::internal::CaptureStdout();
        bool gut = bild_aufzeichnen(art, name.c_str(), zeichnen);
        std::string aus = testing::internal::GetCapturedStdout();
        if (geteuid() == 0) continue;  // root writes anywhere
        EXPECT_FALSE(gut) << art;
        EXPECT_EQ(aus, "Fehler beim Oeffnen von '" + name + "'\n") << art;
        EXPECT_FALSE(testhilfe::datei_existiert(name));
    }
    EXPECT_EQ(qsaveflag, 0);
    EXPECT_EQ(malwerk_postflag + malwerk_iffflag + malwerk_svgflag, 0);
}

TEST(PngDatei, GleichDemBildschirm)
{
    Malflaeche m(B, H);
    changebuffer(0, 1);  // from the back buffer, as an animation draws
    zeichnen();
    Arbeitsverzeichnis v;
    const std::string datei = v.datei("bild.png");
    ASSERT_EQ(png_speichern(datei.c_str()), 1);
    RgbBild png = testhilfe::png_lesen(datei);
    RgbBild schirm = bildschirm();
    ASSERT_EQ(png.breite, B);
    ASSERT_EQ(png.hoehe, H);
    EXPECT_TRUE(png.daten == schirm.daten);

    testing::internal::CaptureStdout();
    EXPECT_EQ(png_speichern(v.datei("fehlt/x.png").c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Fehler beim Oeffnen von '" + v.datei("fehlt/x.png") + "'\n");
}
