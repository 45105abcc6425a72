// The window's size from setsize's sides: given, 0 for the screen's room,
// negative for a proportion of the other side; and full-screen windows.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <climits>
#include <string>

using testhilfe::XvfbServer;

namespace {

struct Fall {
    const char *name;
    int winbreite, winhoehe, menu;  // as setsize and the menu bar leave them
    Fenstermasse erwartet;
    bool meldung;
};

}  // namespace

TEST(Fenstergroesse, AnteiligeSeiteFolgtDerAnderen)
{
    // Room on the screen: 1274 × 998. setsize(w, h) leaves w + 1 and
    // h + 1 for given sides, the value itself for 0 and negative ones.
    const Fall faelle[] = {
        {"Breite 800, Hoehe drei Viertel", 801, -7500, 0, {801, 601, 800, 600}, false},
        {"dasselbe mit Menuleiste", 801, -7500, 20, {801, 621, 800, 600}, false},
        {"Hoehe 400, Breite anderthalbfach", -15000, 401, 0, {601, 401, 600, 400}, false},
        {"Schirmbreite, Hoehe aus der Fensterbreite", 0, -7500, 0, {1274, 955, 1273, 954}, false},
        {"zu breit: Schirmbreite, Hoehe daraus", 3001, -7500, 0, {1274, 955, 1273, 954}, false},
        {"anteilige Hoehe zu hoch", 801, -20000, 0, {801, 998, 800, 997}, false},
        {"riesiger Anteil ohne Ueberlauf", 801, INT_MIN, 0, {801, 998, 800, 997}, false},
        {"anteilige Breite zu breit", -20000, 901, 0, {1274, 901, 1273, 900}, true},
        {"beide anteilig", -7500, -7500, 0, {1274, 955, 1273, 954}, true},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        // What setsize leaves in the drawing sizes: the sides as given.
        Fenstermasse m{f.winbreite, f.winhoehe, f.winbreite > 0 ? f.winbreite - 1 : f.winbreite,
                       f.winhoehe > 0 ? f.winhoehe - 1 : f.winhoehe};
        if (m.winhoehe > 0) m.winhoehe += f.menu;
        testing::internal::CaptureStdout();
        fenstergroesse_festlegen(m, 1274, 998, f.menu);
        std::string aus = testing::internal::GetCapturedStdout();
        EXPECT_EQ(m.winbreite, f.erwartet.winbreite);
        EXPECT_EQ(m.winhoehe, f.erwartet.winhoehe);
        EXPECT_EQ(m.breite, f.erwartet.breite);
        EXPECT_EQ(m.hoehe, f.erwartet.hoehe);
        EXPECT_EQ(!aus.empty(), f.meldung) << aus;
    }
}

TEST(Fenstergroesse, FesteBreiteMitAnteiligerHoeheImFenster)
{
    XvfbServer x(1280, 1024, 24);
    x.als_display_setzen();
    setsize(800, -7500, 24);
    qinital(1, 0, 0, 1, 1);
    Window wurzel;
    int wx, wy;
    unsigned b, h, rand, tiefe;
    XGetGeometry(dpy, win10, &wurzel, &wx, &wy, &b, &h, &rand, &tiefe);
    EXPECT_EQ(b, 801u);
    EXPECT_EQ(h, 601u);
    EXPECT_EQ(malwerk_breite, 800);
    EXPECT_EQ(malwerk_hoehe, 600);
    // The back buffer has the window's size.
    changebuffer(0, 1);
    XGetGeometry(dpy, dpuffer, &wurzel, &wx, &wy, &b, &h, &rand, &tiefe);
    EXPECT_EQ(h, 601u);
    term_exit();
}

TEST(Fenstergroesse, VollbildMitMenusLaesstKeineMenuzeilenFrei)
{
    XvfbServer x(640, 480, 24);
    x.als_display_setzen();
    fullscreen_modus(1);
    setmenu(1, "File");
    setsize(0, 0, 24);
    qinital(1, 0, 0, 1, 1);
    EXPECT_EQ(menubalkenhoehe, 0);
    EXPECT_EQ(malwerk_hoehe, 479);
    // The top of the user box lies on the window's first row.
    int px, py;
    koorduser2pix(0.5, 1.0, &px, &py);
    EXPECT_EQ(py, 0);
    term_exit();
    fullscreen_modus(0);
}
