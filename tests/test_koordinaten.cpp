// Coordinate mapping and the numeric helpers.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/plotdateien.h"
#include "xmalwerk1/xmalwerk1.h"
#include "xmalwerk1/core/intern.h"

#include <cmath>
#include <limits>

namespace {

// The state that qinital sets for a 1280 x 1024 drawing area under a
// menu bar of 20 rows.
void massstab(double xmin, double ymin, double xmax, double ymax)
{
    testhilfe::bild_ohne_fenster(xmin, ymin, xmax, ymax, 1280, 1024);
    menubalkenhoehe = 20;
}

}  // namespace

TEST(Koordinaten, UserZuPixelMitUndOhneKlemmen)
{
    massstab(-1.875, -1.5, 1.875, 1.5);
    int px, py;
    koorduser2pix(-1.875, 0, &px, &py);
    EXPECT_EQ(px, 0);
    koorduser2pix(1.875, 0, &px, &py);
    EXPECT_EQ(px, 1279);
    koorduser2pix(0, 0, &px, &py);
    EXPECT_EQ(px, 640);
    koorduser2pix(10, 0, &px, &py);
    EXPECT_EQ(px, 1279);
    qkoorduser2pix(10, 0, &px, &py);
    EXPECT_EQ(px, 4050);

    // y: ymin on the bottom row of the drawing area, ymax on its top row.
    koorduser2pix(0, -1.5, &px, &py);
    EXPECT_EQ(py, 1024 + 20 - 1);
    koorduser2pix(0, 1.5, &px, &py);
    EXPECT_EQ(py, 20);
    koorduser2pix(0, 100, &px, &py);
    EXPECT_EQ(py, 20);
    koorduser2pix(-100, -100, &px, &py);
    EXPECT_EQ(px, 0);
    EXPECT_EQ(py, 1043);
    qkoorduser2pix(0, 100, &px, &py);
    EXPECT_LT(py, 20);
}

TEST(Koordinaten, KlemmenBeiUeberlaufUndNaN)
{
    massstab(-1.875, -1.5, 1.875, 1.5);
    int px, py;
    koorduser2pix(1e300, 1e300, &px, &py);
    EXPECT_EQ(px, 1279);
    EXPECT_EQ(py, 20);
    double nan = std::numeric_limits<double>::quiet_NaN();
    koorduser2pix(nan, nan, &px, &py);
    EXPECT_EQ(px, 0);  // a NaN goes to the left or bottom edge
    EXPECT_EQ(py, 1043);
}

TEST(Koordinaten, PixelZuUser)
{
    massstab(-1.875, -1.5, 1.875, 1.5);
    double x, y;
    koordpix2user(0, 1024 + 20 - 1, &x, &y);
    EXPECT_DOUBLE_EQ(x, -1.875);
    EXPECT_DOUBLE_EQ(y, -1.5);
    // The window's last row lies one pixel below the drawing area.
    koordpix2user(0, 1024 + 20, &x, &y);
    EXPECT_NEAR(y, -1.5 - 1 / malwerk_ys, 1e-12);
    koordpix2user(1279, 20, &x, &y);
    EXPECT_NEAR(x, 1.875, 1e-12);
    EXPECT_NEAR(y, 1.5, 1e-12);
    // A round trip through the pixels lands on the same pixel.
    int px, py;
    koorduser2pix(x, y, &px, &py);
    EXPECT_EQ(px, 1279);
    EXPECT_EQ(py, 20);
}

TEST(Koordinaten, GroessenWerdenNichtGespiegelt)
{
    massstab(0, 0, 127.9, 102.3);  // ten pixels per unit
    int dx, dy;
    deltakoorduser2pix(-0.3, 0, &dx, &dy);
    EXPECT_EQ(dx, -3);
    EXPECT_EQ(dy, 0);
    deltakoorduser2pix(0.25, 0.35, &dx, &dy);
    EXPECT_EQ(dx, 3);  // 2.5 rounds away from zero
    EXPECT_EQ(dy, 4);
    deltakoorduser2pix(-0.25, -0.04, &dx, &dy);
    EXPECT_EQ(dx, -3);
    EXPECT_EQ(dy, 0);
    double ux, uy;
    deltakoordpix2user(5, -5, &ux, &uy);
    EXPECT_NEAR(ux, 0.5, 1e-12);
    EXPECT_NEAR(uy, -0.5, 1e-12);
}

TEST(Koordinaten, AspektUndPostScript)
{
    massstab(0, 0, 1279, 1023);
    EXPECT_DOUBLE_EQ(getaspect(), 1.0);
    setaspect(2.0);
    EXPECT_DOUBLE_EQ(getaspect(), 2.0);
    EXPECT_DOUBLE_EQ(getraspect(), 0.5);
    setaspect(1.0);
}

TEST(Runden, IdfixRundetHalbeVonNullWeg)
{
    EXPECT_EQ(idfix(2.5), 3);
    EXPECT_EQ(idfix(-2.5), -3);
    EXPECT_EQ(idfix(-0.4), 0);
    EXPECT_EQ(idfix(0.49), 0);
    EXPECT_EQ(idfix(-1.5), -2);
    EXPECT_EQ(idfix(1e30), 2147483647);  // pinned, not undefined
}

TEST(Rundezahl, RundesteZahlImIntervall)
{
    EXPECT_DOUBLE_EQ(rundezahl(3, 17), 10);
    EXPECT_DOUBLE_EQ(rundezahl(17, 3), 10);
    EXPECT_DOUBLE_EQ(rundezahl(0.03, 0.7), 0.1);
    EXPECT_DOUBLE_EQ(rundezahl(23, 27), 25);
    EXPECT_DOUBLE_EQ(rundezahl(11, 13), 12);
    EXPECT_DOUBLE_EQ(rundezahl(-17, -3), -10);
    EXPECT_DOUBLE_EQ(rundezahl(5, -5), 0);
    EXPECT_NEAR(rundezahl(0.9, 0.95), 0.9, 1e-12);
    EXPECT_NEAR(rundezahl(123.4, 123.9), 123.5, 1e-9);
    EXPECT_DOUBLE_EQ(rundezahl(7, 7), 7);
    EXPECT_DOUBLE_EQ(rundezahl(0, 0), 0);
}
