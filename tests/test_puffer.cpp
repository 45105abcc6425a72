// Picture buffers on a private screen: the back buffer and when it shows,
// the empty frame, clearing without a back buffer, the refresh picture, and
// the frame pacing calls.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/bild.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <X11/extensions/XTest.h>

#include <chrono>
#include <string>

using testhilfe::XvfbServer;

namespace {

const unsigned long schwarz = 0, rot = 0xFF0000, gruen = 0x00FF00, blau = 0x0000FF;

unsigned long pixel(Drawable d, int x, int y)
{
    return testhilfe::pixel_lesen(dpy, d, x, y) & 0xFFFFFF;
}

void viereck(int farbe, int x, int y)
{
    color(farbe);
    ifillbox(x, y, x + 9, y + 9);
}

double millisekunden(void (*f)())
{
    auto a = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - a).count();
}

class Puffer : public testing::Test {
protected:
    void SetUp() override
    {
        x_.als_display_setzen();
        setsize(400, 300, 8);
        qinital(1, 0, 0, 1, 1);
    }
    void TearDown() override { term_exit(); }
    XvfbServer x_{1280, 1024, 24};
};

}  // namespace

TEST_F(Puffer, ErsterWechselZeigtNichtsNeues)
{
    viereck(2, 10, 10);  // on the window, before there is a back buffer
    EXPECT_EQ(pixel(win10, 12, 12), rot);
    EXPECT_EQ(changebuffer(0, 1), 0);
    ASSERT_NE(dpuffer, 0u);
    EXPECT_EQ(pixel(dpuffer, 12, 12), rot);  // seeded with the window
    EXPECT_EQ(pixel(dpuffer, 50, 50), schwarz);

    viereck(3, 50, 50);  // into the back buffer only
    EXPECT_EQ(pixel(dpuffer, 55, 55), gruen);
    EXPECT_EQ(pixel(win10, 55, 55), schwarz);
    changebuffer(0, 1);
    EXPECT_EQ(pixel(win10, 55, 55), gruen);  // now it shows
    EXPECT_EQ(pixel(win10, 12, 12), rot);
    // The whole window, its last row and column included.
    viereck(4, winbreite - 10, winhoehe - 10);
    changebuffer(0, 1);
    EXPECT_EQ(pixel(win10, winbreite - 1, winhoehe - 1), blau);

    // Equal arguments end double buffering: drawing reaches the window.
    screenclear(-1);
    ASSERT_NE(leerpuffer, 0u);
    EXPECT_EQ(changebuffer(1, 1), 0);
    EXPECT_EQ(dpuffer, 0u);
    EXPECT_EQ(leerpuffer, 0u);
    viereck(4, 100, 100);
    EXPECT_EQ(pixel(win10, 105, 105), blau);
    EXPECT_EQ(changebuffer(1, 1), 0);  // without buffers: nothing
    EXPECT_EQ(dpuffer, 0u);
}

TEST_F(Puffer, LeerbildAusFarbeNull)
{
    viereck(2, 10, 10);
    changebuffer(0, 1);
    color(5);
    screenclear(-1);  // the first clear makes the empty frame in colour 0
    ASSERT_NE(leerpuffer, 0u);
    EXPECT_EQ(pixel(dpuffer, 12, 12), schwarz);
    EXPECT_EQ(pixel(leerpuffer, 12, 12), schwarz);
    EXPECT_EQ(pixel(dpuffer, winbreite - 1, winhoehe - 1), schwarz);
    EXPECT_EQ(mal_farbe, 5);  // the drawing colour is given back

    viereck(3, 20, 20);
    screenclear(-1);
    EXPECT_EQ(pixel(dpuffer, 22, 22), schwarz);

    // Another colour fills the picture but leaves the empty frame alone.
    screenclear(3);
    EXPECT_EQ(pixel(dpuffer, 100, 100), gruen);
    EXPECT_EQ(pixel(leerpuffer, 100, 100), schwarz);
    EXPECT_EQ(mal_farbe, 3);  // set by the square drawn before
    screenclear(-1);
    EXPECT_EQ(pixel(dpuffer, 100, 100), schwarz);
    screenclear(0);
    EXPECT_EQ(pixel(dpuffer, 100, 100), schwarz);
}

TEST_F(Puffer, LeerbildInEigenerFarbe)
{
    changebuffer(0, 1);
    mal_farbe = -1;  // no colour set yet
    screenclear(2);
    EXPECT_EQ(pixel(dpuffer, 0, 0), rot);
    EXPECT_EQ(pixel(leerpuffer, 200, 200), rot);
    EXPECT_EQ(mal_farbe, 1);
    viereck(3, 20, 20);
    screenclear(-1);  // the empty frame's colour is now 2
    EXPECT_EQ(pixel(dpuffer, 22, 22), rot);
    screenclear(0);
    EXPECT_EQ(pixel(dpuffer, 22, 22), schwarz);
    EXPECT_EQ(pixel(leerpuffer, 22, 22), rot);
    // A new back buffer gets a new empty frame; the colour is remembered.
    changebuffer(0, 0);
    changebuffer(0, 1);
    screenclear(-1);
    EXPECT_EQ(pixel(dpuffer, 22, 22), rot);
}

TEST_F(Puffer, LoeschenOhnePuffer)
{
    setcolor(0, 10, 20, 30);
    viereck(2, 10, 10);
    term_refresh();
    ASSERT_EQ(malwerk_rambildflag, 1);
    screenclear(-1);  // to the window's background
    EXPECT_EQ(pixel(win10, 12, 12), schwarz);
    EXPECT_EQ(malwerk_rambild, 0u);
    EXPECT_EQ(malwerk_rambildflag, 0);
    EXPECT_EQ(malwerk_refreshflag, 0);
    screenclear(0);  // and filled with colour 0
    EXPECT_EQ(pixel(win10, 12, 12), 0x0A141Eu);
    EXPECT_EQ(pixel(win10, winbreite - 1, winhoehe - 1), 0x0A141Eu);

    // A window that was resized is taken up by the next clear.
    XResizeWindow(dpy, win10, 501, 351);
    XSync(dpy, False);
    screenclear(-1);
    EXPECT_EQ(winbreite, 501);
    EXPECT_EQ(winhoehe, 351);
    EXPECT_EQ(breite, 500);
    EXPECT_EQ(malwerk_breite, 500);
    EXPECT_EQ(hoehe, 350 - menubalkenhoehe);
    EXPECT_EQ(malwerk_hoehe, hoehe);
}

TEST_F(Puffer, AnimationSammeltKeineEreignisse)
{
    // Copies between the pictures must not leave an event each in the queue.
    XSync(dpy, False);
    while (XPending(dpy)) {
        XEvent e;
        XNextEvent(dpy, &e);  // the window's first Expose
    }
    changebuffer(0, 1);
    for (int i = 0; i < 20; ++i) {
        changebuffer(0, 1);
        screenclear(-1);
    }
    XSync(dpy, False);
    EXPECT_EQ(XPending(dpy), 0);
}

TEST_F(Puffer, RefreshBildAmEndeEinesBildes)
{
    changebuffer(0, 1);
    screenclear(-1);
    viereck(3, 30, 30);  // in the back buffer, not shown
    ASSERT_EQ(malwerk_initalflag, 1);
    EXPECT_EQ(term_refresh(), 0);
    ASSERT_NE(malwerk_rambild, 0u);
    EXPECT_EQ(pixel(malwerk_rambild, 32, 32), gruen);  // a copy of the current drawable
    EXPECT_EQ(malwerk_rambildflag, 1);
    EXPECT_EQ(malwerk_refreshflag, 1);
    EXPECT_EQ(malwerk_initalflag, 0);

    testing::internal::CaptureStdout();
    term_refresh();
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "WARNING: term_refresh() without inital()\n");

    // The next picture reuses the refresh picture; a plot file is closed and
    // the next picture will open one again.
    Pixmap alt = malwerk_rambild;
    inital_new(0, 0, 1, 1);
    qsaveflag = 1;
    viereck(4, 30, 30);
    term_refresh();
    EXPECT_EQ(malwerk_rambild, alt);
    EXPECT_EQ(pixel(malwerk_rambild, 32, 32), blau);
    EXPECT_EQ(qsaveflag, 0);
    EXPECT_EQ(qsave1flag, 1);
}

TEST_F(Puffer, FensterWirdBeiModusZweiNachUntenGelegt)
{
    Window anderes = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 50, 50, 0, 0, 0);
    XMapRaised(dpy, anderes);
    XRaiseWindow(dpy, win10);
    qinital(2, 0, 0, 1, 1);
    term_refresh();
    Window wurzel, eltern, *kinder = nullptr;
    unsigned n = 0;
    ASSERT_TRUE(XQueryTree(dpy, DefaultRootWindow(dpy), &wurzel, &eltern, &kinder, &n));
    int unser = -1, fremd = -1;
    for (unsigned i = 0; i < n; ++i) {
        if (kinder[i] == win10) unser = static_cast<int>(i);
        if (kinder[i] == anderes) fremd = static_cast<int>(i);
    }
    XFree(kinder);
    EXPECT_LT(unser, fremd);  // bottom to top
}

TEST_F(Puffer, DelayUndSpaeteLinien)
{
    EXPECT_GE(millisekunden([] { Delay(0); }), 20);
    EXPECT_GE(millisekunden([] { Delay(1); }), 20);
    EXPECT_GE(millisekunden([] { Delay(3); }), 60);
    EXPECT_EQ(Delay(-5), 0);

    // A polyline still pending is drawn before a long pause only.
    int px, py;
    koorduser2pix(0.5, 0.5, &px, &py);
    color(1);
    q2plot(0.1, 0.5, 3);
    q2plot(0.9, 0.5, 2);
    EXPECT_GE(millisekunden([] { Delay(11); }), 220);
    EXPECT_EQ(pixel(win10, px, py), schwarz);
    EXPECT_GE(millisekunden([] { Delay(12); }), 240);
    EXPECT_EQ(pixel(win10, px, py), 0xFFFFFFu);

    // Outside a picture nothing is flushed.
    term_refresh();
    q2plot(0.5, 0.1, 3);
    q2plot(0.5, 0.9, 2);
    koorduser2pix(0.5, 0.3, &px, &py);
    testing::internal::CaptureStdout();
    Delay(12);
    EXPECT_EQ(pixel(win10, px, py), schwarz);
    mal_flush();
    fflush(stdout);
    testing::internal::GetCapturedStdout();
}

TEST_F(Puffer, TaktBedientDieEingabe)
{
    // Without a menu bar the pacing call takes the window's own events.
    Display *d2 = XOpenDisplay(x_.name().c_str());
    ASSERT_NE(d2, nullptr);
    Window wurzel;
    int fx, fy;
    unsigned fb, fh, rand, tiefe;
    XGetGeometry(dpy, win10, &wurzel, &fx, &fy, &fb, &fh, &rand, &tiefe);
    XTestFakeMotionEvent(d2, 0, fx + 50, fy + 60, 0);
    XTestFakeButtonEvent(d2, 1, True, 0);
    XSync(d2, False);
    for (int i = 0; i < 50 && !(maustasten_zustand & 0x40); ++i) waitTOF();
    EXPECT_EQ(maustasten_zustand & 0x40, 0x40);
    XTestFakeButtonEvent(d2, 1, False, 0);
    XSync(d2, False);
    for (int i = 0; i < 50 && (maustasten_zustand & 0x40); ++i) waitBOF();
    EXPECT_EQ(maustasten_zustand & 0x40, 0);
    XCloseDisplay(d2);
}
