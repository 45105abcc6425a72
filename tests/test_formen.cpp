// Boxes, ellipses, polygons and the requesters' double frame.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/malflaeche.h"
#include "xmalwerk1/xmalwerk1.h"
#include "xmalwerk1/core/intern.h"

#include <climits>
#include <string>

using testhilfe::Malflaeche;

namespace {

// Length of the run of pixels of value wert through (x, y) along a row
// (quer) or a column.
int lauf(Malflaeche &m, int x, int y, unsigned long wert, bool quer)
{
    if (quer) {
        std::string z = m.zeile(y, 0, 399, wert);
        size_t a = z.rfind('.', x), b = z.find('.', x);
        return static_cast<int>(b - a - 1);
    }
    int n = 0;
    for (int i = y; i >= 0 && m.pixel(x, i) == wert; --i) ++n;
    for (int i = y + 1; i < 300 && m.pixel(x, i) == wert; ++i) ++n;
    return n;
}

}  // namespace

TEST(Kasten, GefuellteUndUmrissKaestenDeckenBeideEcken)
{
    Malflaeche m;
    ifillbox(5, 5, 2, 2);
    EXPECT_EQ(m.zaehlen(0, 0, 9, 9, m.weiss()), 16);
    EXPECT_EQ(m.zaehlen(2, 2, 5, 5, m.weiss()), 16);
    color(0);
    ifillbox(2, 2, 5, 5);
    EXPECT_EQ(m.zaehlen(0, 0, 9, 9, m.weiss()), 0);
    color(0xFFFFFF);
    idrawbox(25, 2, 22, 5);  // outline through both corners
    EXPECT_EQ(m.zaehlen(20, 0, 29, 9, m.weiss()), 12);
    EXPECT_EQ(m.zaehlen(23, 3, 24, 4, m.weiss()), 0);
    ifillbox(40, 3, 40, 3);
    EXPECT_EQ(m.zaehlen(35, 0, 45, 9, m.weiss()), 1);
    EXPECT_EQ(m.pixel(40, 3), m.weiss());
    iviereck(50, 0, 52, 1, 0x00FF00);
    EXPECT_EQ(mal_farbe, 0x00FF00);
    EXPECT_EQ(m.zaehlen(50, 0, 52, 1, 0x00FF00), 6);
}

TEST(Kasten, BenutzerkoordinatenWerdenAnDenRandGeklemmt)
{
    Malflaeche m;
    q2plot(100, 100, 3);
    q2plot(200, 100, 2);
    color(0x0000FF);
    fillbox(-50, -50, 10, 10);  // flushes the white line first
    EXPECT_EQ(m.pixel(150, m.zeile_von(100)), m.weiss());
    EXPECT_EQ(m.zaehlen(0, 289, 399, 299, 0x0000FF), 11 * 11);
    drawbox(390, 290, 500, 500);
    EXPECT_EQ(m.pixel(399, 0), 0x0000FFu);
    EXPECT_EQ(m.pixel(390, m.zeile_von(290)), 0x0000FFu);
}

TEST(Ellipse, GleicheRadienWerdenBeiUngleichenMassstaebenZurEllipse)
{
    Malflaeche m;
    qinital(1, 0, 0, 199.5, 299);  // two pixels per unit across, one up
    fillcircle(100, 150, 20, 20);
    // Centre (200, 149), radii 40 and 20 pixels.
    EXPECT_NEAR(lauf(m, 200, 149, m.weiss(), true), 81, 1);
    EXPECT_NEAR(lauf(m, 200, 149, m.weiss(), false), 41, 1);
    color(0x00FF00);
    drawcircle(100, 150, -10, -10);  // negative radii by their length
    EXPECT_EQ(m.pixel(220, 149), 0x00FF00u);
    EXPECT_EQ(m.pixel(180, 149), 0x00FF00u);
    EXPECT_EQ(m.pixel(200, 139), 0x00FF00u);
    EXPECT_EQ(m.pixel(200, 149), m.weiss());  // an outline only
    idrawcircle(50, 50, 5, 5);
    ifillcircle(350, 50, 5, 5);
    EXPECT_EQ(m.pixel(50, 50), m.schwarz());
    EXPECT_EQ(m.pixel(350, 50), 0x00FF00u);
}

TEST(Ellipse, RiesigeRadienBleibenAusserhalbDesFensters)
{
    // Circles around the window's centre far larger than the window (from
    // far-out data): an outline passes outside, a filled one covers all.
    Malflaeche m;
    color(0xFF0000);
    idrawcircle(200, 150, INT_MAX, INT_MAX);
    idrawcircle(200, 150, INT_MIN, -40000);
    drawcircle(200, 150, 1e300, 1e300);
    drawcircle(200, 150, -1e300, 1e12);
    EXPECT_EQ(m.zaehlen(0, 0, 399, 299, 0xFF0000), 0);
    ifillcircle(200, 150, INT_MAX, 70000);
    EXPECT_EQ(m.zaehlen(0, 0, 399, 299, 0xFF0000), 400 * 300);
    color(0x00FF00);
    fillcircle(200, 150, -1e300, 1e300);
    EXPECT_EQ(m.zaehlen(0, 0, 399, 299, 0x00FF00), 400 * 300);
}

TEST(Vieleck, PunkteAusserhalbLiegenAufDemRand)
{
    Malflaeche m;
    double x[3] = {-100, 100, 100}, y[3] = {10, 10, 110};
    fillpolygon(3, x, y);  // the first point becomes (0, 10)
    EXPECT_EQ(m.pixel(90, m.zeile_von(20)), m.weiss());
    EXPECT_EQ(m.pixel(10, m.zeile_von(50)), m.schwarz());
    EXPECT_EQ(m.pixel(5, m.zeile_von(12)), m.weiss());
    int ix[4] = {200, 260, 260, 200}, iy[4] = {10, 10, 40, 40};
    color(0xFF0000);
    ifillpolygon(4, ix, iy);
    EXPECT_EQ(m.pixel(230, 25), 0xFF0000u);
    testing::internal::CaptureStdout();
    ifillpolygon(0, nullptr, nullptr);
    fillpolygon(-3, nullptr, nullptr);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR in fillpolygon(): negative Anzahl -3\n");
}

TEST(Doppelbox, ZweiRahmenUndZurueckZuSchwarz)
{
    Malflaeche m;
    XSetForeground(dpy, gc, 0x00FF00);
    doppelbox(0, 0, 0xFF0000, dpy, win10, gc, 20, 30, 10, 4);
    XSync(dpy, False);
    // Inner (20, 30, 10, 4) in the GC's colour, outer (17, 27, 16, 10) red.
    EXPECT_EQ(m.zaehlen(20, 30, 30, 34, 0x00FF00), 2 * 11 + 2 * 3);
    EXPECT_EQ(m.zaehlen(17, 27, 33, 37, 0xFF0000), 2 * 17 + 2 * 9);
    EXPECT_EQ(m.pixel(33, 37), 0xFF0000u);
    XGCValues w;
    XGetGCValues(dpy, gc, GCForeground, &w);
    EXPECT_EQ(w.foreground, m.schwarz());
    XSetForeground(dpy, gc, 0x0000FF);
    doppelbox(1, 0, 0xFF0000, dpy, win10, gc, 100, 100, 10, 10);
    EXPECT_EQ(m.pixel(97, 97), 0x0000FFu);
    EXPECT_EQ(m.pixel(100, 100), 0x0000FFu);
}
