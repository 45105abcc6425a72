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
    return testhilfe::ausschnitt(testhilfe::Bild(dpy, aktuelles_ziel(), B, H), 0, 0, B, H);
}

// Pixels of a that are drawn (in full colour with nur_kraeftig: not an
// edge that a renderer blends with the background) and have no pixel of
// about the same colour within one pixel in b. The text, in another font,
// is left out.
int ohne_gegenstueck(const RgbBild &a, const RgbBild &b, bool nur_kraeftig)
{
    int n = 0;
    for (int y = 0; y < a.hoehe; ++y)
        for (int x = 0; x < a.breite; ++x) {
            const uint8_t *p = a.pixel(x, y);
            if ((y >= 55 && y <= 75) || std::max({p[0], p[1], p[2]}) < 40 || (nur_kraeftig && std::max({p[0], p[1], p[2]}) < 200))
                continue;
            bool da = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!b.innen(x + dx, y + dy)) continue;
                    const uint8_t *q = b.pixel(x + dx, y + dy);
                    auto nah = [&](int k) { return std::abs(int(p[k]) - int(q[k])) <= 90; };
                    da = da || (nah(0) && nah(1) && nah(2));
                }
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
    // Every screen pixel of a line or shape is there in the SVG, and every
    // full-coloured pixel of the SVG on the screen.
    EXPECT_LT(ohne_gegenstueck(schirm, svg, false), 20);
    EXPECT_LT(ohne_gegenstueck(svg, schirm, true), 20);
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

TEST(PngDatei, GleichDemBildschirm)
{
    Malflaeche m(B, H);
    changebuffer(0, 1);  // from the back buffer, as an animation draws
    zeichnen();
    Arbeitsverzeichnis v;
    const std::string datei = v.datei("bild.png");
    ASSERT_EQ(png_speichern(datei.c_str()), 1);
    RgbBild png = testhilfe::png_lesen(datei);
    ASSERT_EQ(png.breite, B);
    ASSERT_EQ(png.hoehe, H);
    EXPECT_TRUE(png.daten == bildschirm().daten);
}

// A name that cannot be opened gets the message of every plot file, in
// SVG, PostScript, IFF and PNG alike; recording is off again afterwards.
TEST(SvgDatei, NameDerSichNichtOeffnenLaesst)
{
    Malflaeche m(B, H);
    Arbeitsverzeichnis v;
    const std::string name = v.datei("fehlt/x");
    for (const char *art : {"SVG", "POST", "IFF", "PNG"}) {
        testing::internal::CaptureStdout();
        bool gut = std::string(art) == "PNG" ? png_speichern(name.c_str()) == 1
                                            : bild_aufzeichnen(art, name.c_str(), zeichnen);
        EXPECT_FALSE(gut) << art;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Fehler beim Oeffnen von '" + name + "'\n") << art;
    }
    EXPECT_EQ(qsaveflag + malwerk_postflag + malwerk_iffflag + malwerk_svgflag, 0);
}
