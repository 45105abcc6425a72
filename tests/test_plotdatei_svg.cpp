// SVG plot files, rendered, show what the screen shows; PNG pictures of
// the drawing area equal it pixel for pixel.
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

// Every kind of element; user coordinates are the window's pixels.
const int B = 400, H = 300;

void zeichnen()
{
    setcolor(4, 100, 150, 255);  // colour numbers from now on index the table
    screenclear(0);
    color(2);
    mal_pen("KS");  // dashes
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

RgbBild bildschirm()
{
    XSync(dpy, False);
    return testhilfe::ausschnitt(testhilfe::Bild(dpy, aktuelles_ziel(), B, H), 0, 0, B, H);
}

// Drawn pixels of a (with nur_kraeftig only full-coloured ones, not
// blended edges) without a pixel of about their colour within one pixel in
// b; the text rows, in another font, are left out.
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

// Drawn into the back buffer, as an animation draws.
TEST(SvgUndPngDatei, ZeigenWasDerBildschirmZeigt)
{
    Malflaeche m(B, H);
    changebuffer(0, 1);
    Arbeitsverzeichnis v;
    const std::string datei = v.datei("bild.svg");
    ASSERT_TRUE(bild_aufzeichnen("SVG", datei.c_str(), zeichnen));
    EXPECT_TRUE(qsaveflag == 0 && malwerk_fpbild == nullptr);
    RgbBild schirm = bildschirm(), svg;
    ASSERT_EQ(png_speichern(v.datei("bild.png").c_str()), 1);
    RgbBild png = testhilfe::png_lesen(v.datei("bild.png"));
    EXPECT_TRUE(png.breite == B && png.daten == schirm.daten);

    std::string meldungen;
    ASSERT_EQ(testhilfe::svg_rendern(datei, &svg, &meldungen), 0) << meldungen << datei_lesen(datei);
    ASSERT_TRUE(svg.breite == B && svg.hoehe == H);
    EXPECT_LT(ohne_gegenstueck(schirm, svg, false), 20);
    EXPECT_LT(ohne_gegenstueck(svg, schirm, true), 20);
    int weiss = 0;
    for (int y = 55; y <= 75; ++y)
        for (int x = 20; x < 120; ++x) weiss += svg.weiss(x, y);
    EXPECT_GT(weiss, 20);

    // Rendering leaves the text's characters and a line's width unchecked.
    std::string text = datei_lesen(datei);
    EXPECT_NE(text.find(">a&lt;b &amp; &quot;c&quot; \xc3\xa4</text>"), std::string::npos) << text;
    EXPECT_NE(text.find("stroke-width=\"3\""), std::string::npos);
}

// A name that cannot be opened: the same message in every format, and
// recording off again.
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
