// The graphics session on private Xvfb screens: window size, position,
// title, close protocol, background, and the end of the session.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/menuaufrufe.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/xmalwerk1.h"
#include "xmalwerk1/core/intern.h"

#include <X11/Xatom.h>

#include <string>

using testhilfe::XvfbServer;

namespace {

struct Geometrie {
    int x, y;
    unsigned b, h;
};

Geometrie geometrie(Display *d, Window w)
{
    Window wurzel;
    int x, y;
    unsigned b, h, rand, tiefe;
    XGetGeometry(d, w, &wurzel, &x, &y, &b, &h, &rand, &tiefe);
    return {x, y, b, h};
}

bool hat_schliessprotokoll(Display *d, Window w)
{
    Atom *protokolle = nullptr;
    int n = 0;
    bool gefunden = false;
    if (XGetWMProtocols(d, w, &protokolle, &n)) {
        Atom loeschen = XInternAtom(d, "WM_DELETE_WINDOW", False);
        for (int i = 0; i < n; ++i) gefunden |= protokolle[i] == loeschen;
        XFree(protokolle);
    }
    return gefunden;
}

}  // namespace

TEST(Sitzung, FesteGroesseOhneMenuIstZeichenflaechePlusEins)
{
    XvfbServer x(1280, 1024, 24);
    x.als_display_setzen();
    setsize(600, 400, 24);
    qinital(1, -1, -1, 1, 1);
    Geometrie g = geometrie(dpy, win10);
    EXPECT_EQ(g.b, 601u);
    EXPECT_EQ(g.h, 401u);
    EXPECT_EQ(g.x, (1280 - 601) / 2);  // centred across, at the top
    EXPECT_EQ(g.y, 0);
    EXPECT_EQ(menubalkenhoehe, 0);
    EXPECT_EQ(testhilfe::fenstertitel(dpy, win10), "  XMALWERK1   Version 2.89");
    EXPECT_TRUE(hat_schliessprotokoll(dpy, win10));
    EXPECT_EQ(malwerk_initalflag, 1);
    EXPECT_NEAR(malwerk_xs, 599 / 2.0, 1e-12);
    EXPECT_NEAR(malwerk_ys, 399 / 2.0, 1e-12);
    EXPECT_EQ(malwerk_win, static_cast<Drawable>(win10));
    EXPECT_EQ(malwerk_tiefe, 24);
    EXPECT_EQ(term_exit(), 0);
    EXPECT_EQ(dpy, nullptr);
    EXPECT_EQ(malwerk_initalflag, 0);
}

TEST(Sitzung, GroesseNullFuelltDenBildschirmOhneRaender)
{
    XvfbServer x(1024, 768, 24);
    x.als_display_setzen();
    setsize(0, 0, 8);
    qinital(1, 0, 0, 1, 1);
    Geometrie g = geometrie(dpy, win10);
    EXPECT_EQ(g.b, 1024u - 6);
    EXPECT_EQ(g.h, 768u - 26);
    EXPECT_EQ(breite, 1024 - 6 - 1);
    EXPECT_EQ(hoehe, 768 - 26 - 1);
    term_exit();
}

TEST(Sitzung, NegativeHoeheIstAnteilDerBreite)
{
    XvfbServer x(1024, 1000, 24);
    x.als_display_setzen();
    setsize(0, -7500, 8);
    qinital(1, 0, 0, 1, 1);
    Geometrie g = geometrie(dpy, win10);
    EXPECT_EQ(g.b, 1018u);
    EXPECT_EQ(g.h, 1018u * 3 / 4);
    EXPECT_EQ(hoehe, 1018 * 3 / 4 - 1);
    term_exit();
}

TEST(Sitzung, WeisserHintergrundUndDebugAusDerTiefe)
{
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    setsize(300, 200, 32008);
    EXPECT_EQ(hintergrundflag, 1);
    EXPECT_EQ(mydept, 8);
    qinital(1, 0, 0, 1, 1);
    EXPECT_EQ(hintergrundistschwarz, 0);
    EXPECT_EQ(malwerk_hintergrundfarbe, WhitePixelOfScreen(screen));
    XClearWindow(dpy, win10);
    XSync(dpy, False);
    EXPECT_EQ(testhilfe::pixel_lesen(dpy, win10, 10, 10), WhitePixelOfScreen(screen));
    term_exit();

    setsize(300, 200, 2008);
    EXPECT_EQ(debug, 2);
    EXPECT_EQ(mydept, 8);
    EXPECT_EQ(hintergrundflag, 0);

    // The white background was that session's: the next one is black again,
    // drawing in white.
    mal_setdebug(0);
    setsize(300, 200, 24);
    qinital(1, 0, 0, 1, 1);
    int r0, g0, b0, r1, g1, b1;
    getcolor(0, &r0, &g0, &b0);
    getcolor(1, &r1, &g1, &b1);
    EXPECT_EQ(hintergrundistschwarz, 1);
    EXPECT_EQ(mal_farbe, 0xFFFFFF);
    EXPECT_EQ(r0 + g0 + b0, 0);
    EXPECT_EQ(r1 + g1 + b1, 3 * 255);
    term_exit();
}

TEST(Sitzung, TiefeWirdAufDenBildschirmGesenkt)
{
    XvfbServer x(1024, 768, 8);
    x.als_display_setzen();
    setsize(200, 100, 24);
    qinital(1, 0, 0, 1, 1);
    EXPECT_EQ(mydept, 8);
    EXPECT_EQ(malwerk_tiefe, 8);
    EXPECT_EQ(mal_farbe, 1);  // not 24 bits deep: colour 1 contrasts
    term_exit();
}

TEST(Sitzung, VollbildOhneTitelProtokollUndMenu)
{
    XvfbServer x(640, 480, 24);
    x.als_display_setzen();
    fullscreen_modus(1);
    EXPECT_EQ(scxrand, 0);
    EXPECT_EQ(scyrand, 0);
    setmenu(1, "File");
    setsize(0, 0, 24);
    qinital(1, 0, 0, 1, 1);
    Geometrie g = geometrie(dpy, win10);
    EXPECT_EQ(g.b, 640u);
    EXPECT_EQ(g.h, 480u);  // the whole screen
    // No title bar: the window's rows are the menu bar's, if any, and the
    // drawing area's.
    EXPECT_EQ(hoehe, 480 - menubalkenhoehe - 1);
    EXPECT_EQ(testhilfe::fenstertitel(dpy, win10), "");
    EXPECT_FALSE(hat_schliessprotokoll(dpy, win10));
    term_exit();
    fullscreen_modus(0);
    EXPECT_EQ(scxrand, 6);
    EXPECT_EQ(scyrand, 26);
}

TEST(Sitzung, NeuesBildBehaeltFensterUndLeererKastenDenMassstab)
{
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    setsize(400, 300, 24);
    qinital(1, 0, 0, 10, 10);
    Window fenster = win10;
    double xs = malwerk_xs;
    term();
    EXPECT_EQ(malwerk_initalflag, 0);
    EXPECT_EQ(inital_new(5, 5, 5, 7), 0);  // xmin = xmax: the old box stays
    EXPECT_EQ(malwerk_xmax, 10);
    EXPECT_EQ(malwerk_xs, xs);
    EXPECT_EQ(malwerk_initalflag, 1);
    inital_new(0, 0, 20, 20);
    EXPECT_NEAR(malwerk_xs, 399 / 20.0, 1e-12);
    qinital(1, -1, -1, 1, 1);
    EXPECT_EQ(win10, fenster);  // a second picture keeps the window
    term_exit();

    // A picture after the end opens a new connection and window.
    qinital(1, -1, -1, 1, 1);
    EXPECT_NE(dpy, nullptr);
    EXPECT_NE(win10, 0u);
    term_exit();
}

TEST(Sitzung, JedeSitzungBeginntMitDerGroesseAusSetsize)
{
    XvfbServer x(1280, 1024, 24);
    x.als_display_setzen();
    for (bool nochmals : {false, true}) {  // the size asked again while the menu bar is shown
        setsize(600, 400, 24);
        for (int sitzung = 1; sitzung <= 3; ++sitzung) {
            testhilfe::beispielmenue();
            qinital(1, 0, 0, 1, 1);
            ASSERT_GT(menubalkenhoehe, 0);
            Geometrie g = geometrie(dpy, win10);
            EXPECT_EQ(g.b, 601u) << nochmals << sitzung;
            EXPECT_EQ(g.h, 401u + static_cast<unsigned>(menubalkenhoehe)) << nochmals << sitzung;
            EXPECT_EQ(hoehe, 400) << nochmals << sitzung;
            if (nochmals) setsize(600, 400, 24);
            term_exit();
        }
    }
}

// On an 8-bit screen the pixel of a colour is whatever cell the server
// granted; the cells of one server mean nothing on the next.
TEST(Sitzung, NeueVerbindungBautDieFarbtabelleNeu)
{
    {
        XvfbServer erster(640, 480, 8);
        erster.als_display_setzen();
        setsize(100, 100, 8);
        qinital(1, 0, 0, 1, 1);
        setcolor(2, 10, 20, 30);
        term_exit();
    }
    XvfbServer zweiter(640, 480, 8);
    zweiter.als_display_setzen();
    setsize(100, 100, 8);
    qinital(1, 0, 0, 99, 99);
    color(2);
    ifillbox(10, 10, 30, 30);
    XSync(dpy, False);
    XColor c{};
    c.pixel = testhilfe::pixel_lesen(dpy, win10, 20, 20);
    XQueryColor(dpy, DefaultColormapOfScreen(screen), &c);
    // Colour 2 as at the start of the first session: red.
    EXPECT_EQ((c.red >> 8) << 16 | (c.green >> 8) << 8 | c.blue >> 8, 0xFF0000u);
    term_exit();
}

TEST(Sitzung, TitelUndVersion)
{
    EXPECT_DOUBLE_EQ(get_malwerk_version(), 2.89);
    XvfbServer x(800, 600, 24);
    x.als_display_setzen();
    setsize(100, 100, 24);
    qinital(1, 0, 0, 1, 1);
    char titel[] = "Neuer Titel";
    EXPECT_EQ(set_maltitel(titel), 1);
    EXPECT_EQ(testhilfe::fenstertitel(dpy, win10), "Neuer Titel");
    EXPECT_STREQ(malwerk_fenstername, "Neuer Titel");
    int b, h, t, k;
    getsize(&b, &h, &t, &k);
    EXPECT_EQ(b, 100);
    EXPECT_EQ(h, 100);
    EXPECT_EQ(t, 24);
    EXPECT_EQ(k, TrueColor);
    term_exit();
}

TEST(Sitzung, MaximaleGroesseAusDerEingebautenTabelle)
{
    XvfbServer x(1280, 1024, 8);
    x.als_display_setzen();
    int b, h, t, k;
    getmaxsize(&b, &h, &t, &k);
    EXPECT_EQ(b, 1280);  // "Bildschirm C": no margins
    EXPECT_EQ(h, 1024);
    EXPECT_EQ(t, 8);
    EXPECT_EQ(malwerk_xborder, 8);
    EXPECT_EQ(malwerk_yborder, 32);
    EXPECT_EQ(malwerk_borderflag, 1);
}

TEST(Sitzung, UnbekannterBildschirmBehaeltDieRaender)
{
    XvfbServer x(1920, 1080, 24);
    x.als_display_setzen();
    int b, h, t, k;
    testing::internal::CaptureStdout();
    getmaxsize(&b, &h, &t, &k);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(b, 1914);
    EXPECT_EQ(h, 1054);
    EXPECT_NE(aus.find("unbekannter Screen: Breite=1920 Hoehe=1080 Tiefe=24"), std::string::npos);
    EXPECT_NE(aus.find("angenommene FensterRandbreiten: 8 und 32"), std::string::npos);
    EXPECT_NE(aus.find("angenommene ScreenRandbreiten: 6 und 26"), std::string::npos);
    EXPECT_NE(aus.find("Setzen Sie in \"xmalwerk.screens\" neue Werte fuer diesen Screen!"), std::string::npos);
}

TEST(SitzungDeathTest, ErrExitEndetMitFehlerstatus)
{
    EXPECT_EXIT(err_exit("kaputt\n"), testing::ExitedWithCode(1), "");
}
