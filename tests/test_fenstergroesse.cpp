// The window's size from setsize's sides: given, 0 for the screen's room,
// negative for a proportion of the other side.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <climits>
#include <string>
#include <tuple>

TEST(Fenstergroesse, AnteiligeSeiteFolgtDerAnderen)
{
    // Room on the screen: 1274 x 998; sides as setsize passes them.
    const struct {
        int winbreite, winhoehe, menu;
        Fenstermasse erwartet;
        bool meldung;
    } faelle[] = {
        {801, -7500, 0, {801, 601, 800, 600}, false},
        {801, -7500, 20, {801, 621, 800, 600}, false},
        {-15000, 401, 0, {601, 401, 600, 400}, false},
        {801, INT_MIN, 0, {801, 998, 800, 997}, false},    // too high, without overflow
        {-20000, 901, 0, {1274, 901, 1273, 900}, true},    // too wide
        {-7500, -7500, 0, {1274, 955, 1273, 954}, true},   // neither side given
    };
    for (const auto &f : faelle) {
        auto gegeben = [](int seite, int abzug) { return seite > 0 ? seite - abzug : seite; };
        Fenstermasse m{f.winbreite, f.winhoehe, gegeben(f.winbreite, 1), gegeben(f.winhoehe, f.menu + 1)};
        testing::internal::CaptureStdout();
        fenstergroesse_festlegen(m, 1274, 998, f.menu);
        std::string aus = testing::internal::GetCapturedStdout();
        const Fenstermasse &e = f.erwartet;
        EXPECT_EQ(std::make_tuple(m.winbreite, m.winhoehe, m.breite, m.hoehe, !aus.empty()),
                  std::make_tuple(e.winbreite, e.winhoehe, e.breite, e.hoehe, f.meldung))
            << f.winbreite << " x " << f.winhoehe << ": " << aus;
    }
}

TEST(Fenstergroesse, FesteBreiteMitAnteiligerHoeheImFenster)
{
    testhilfe::XvfbServer x(1280, 1024, 24);
    x.als_display_setzen();
    setsize(800, -7500, 24);
    qinital(1, 0, 0, 1, 1);
    XWindowAttributes a;
    XGetWindowAttributes(dpy, win10, &a);
    EXPECT_EQ(std::make_tuple(a.width, a.height, malwerk_hoehe), std::make_tuple(801, 601, 600));
    term_exit();
}
