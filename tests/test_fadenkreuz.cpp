// Graphic input with the crosshair on a private Xvfb: the cross follows
// fake pointer motion (its lines read back as pixels), a fake button press
// ends the input with the point in user coordinates, and the window title
// announces the mode only while it lasts.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/malflaeche.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/menu/menu_intern.h"

#include <X11/keysym.h>

#include <cstdlib>
#include <string>
#include <vector>

using testhilfe::Fernbedienung;
using testhilfe::Fernsteuerung;
using testhilfe::Malflaeche;

namespace {

constexpr int B = 400, H = 300;

// A 400 x 300 window whose user box is 0..399 x 0..299, with a picture of
// stripes, so that a line drawn wrongly or not removed shows.
class Fadenkreuz : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(menubalkenhoehe, 0);
        for (int x = 0; x < B; x += 7) {
            iplotline(x, 0, x, H - 1, x % 2 ? 2 : 3);
        }
        mal_flush();
        XSync(dpy, False);
        bild_ = bild_lesen(dpy, win10);
    }
    static std::vector<unsigned long> bild_lesen(Display *d, Window w)
    {
        XImage *i = XGetImage(d, w, 0, 0, B, H, AllPlanes, ZPixmap);
        std::vector<unsigned long> p;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < B; ++x) p.push_back(XGetPixel(i, x, y));
        XDestroyImage(i);
        return p;
    }
    // The pixels that differ from the picture: the set of columns that differ
    // in every row, and of rows that differ in every column, must be exactly
    // the cross at (x, y); nothing else may differ.
    ::testing::AssertionResult kreuz_bei(Display *d, Window w, int x, int y)
    {
        std::vector<unsigned long> jetzt = bild_lesen(d, w);
        for (int j = 0; j < H; ++j)
            for (int i = 0; i < B; ++i) {
                bool anders = jetzt[static_cast<size_t>(j * B + i)] != bild_[static_cast<size_t>(j * B + i)];
                bool soll = (i == x) != (j == y);  // XOR twice at the crossing point
                if (x < 0 && y < 0) soll = false;
                if (anders != soll)
                    return ::testing::AssertionFailure()
                           << "pixel (" << i << ", " << j << ") " << (anders ? "changed" : "unchanged");
            }
        return ::testing::AssertionSuccess();
    }
    // The title as desktops read it (UTF-8); changes with WM_NAME.
    std::string netz_titel(Display *d, Window w)
    {
        Atom typ;
        int format;
        unsigned long n, rest;
        unsigned char *daten = nullptr;
        std::string t;
        if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 256, False,
                               XInternAtom(d, "UTF8_STRING", False), &typ, &format, &n, &rest, &daten) == Success &&
            daten) {
            t.assign(reinterpret_cast<char *>(daten), n);
            XFree(daten);
        }
        return t;
    }
    Malflaeche flaeche_{B, H};
    std::vector<unsigned long> bild_;
};

}  // namespace

TEST_F(Fadenkreuz, ErsterAufrufMitteDannFolgtEsDerBewegung)
{
    double x = -1, y = -1;
    {
        Fernsteuerung s(getenv("DISPLAY"), [&](Fernbedienung &f) {
            Window w = testhilfe::fenster_suchen(f.display(), fenstername2);
            ASSERT_NE(w, 0u) << "the title announces the input";
            EXPECT_TRUE(kreuz_bei(f.display(), w, B / 2, H / 2)) << "never seen pointer: the centre";
            ASSERT_TRUE(f.fenster_finden(fenstername2));
            f.bewegen(100, 50);
            f.abwarten();
            EXPECT_TRUE(kreuz_bei(f.display(), w, 100, 50));
            f.bewegen(300, 250);
            f.bewegen(330, 260);
            f.abwarten();
            EXPECT_TRUE(kreuz_bei(f.display(), w, 330, 260));
            f.taste(XK_a);  // keys do not end the input
            f.abwarten();
            EXPECT_EQ(testhilfe::fenstertitel(f.display(), w), fenstername2);
            EXPECT_EQ(netz_titel(f.display(), w), fenstername2);
            f.klick(120, 80);
        });
        mal_grein(&x, &y);
    }
    EXPECT_NEAR(x, 120, 1);
    EXPECT_NEAR(y, 299 - 80, 1);
    double ux, uy;
    koordpix2user(120, 80, &ux, &uy);
    EXPECT_DOUBLE_EQ(x, ux);
    EXPECT_DOUBLE_EQ(y, uy);
    EXPECT_EQ(mal_mausx, 120);
    EXPECT_EQ(mal_mausy, 80);
    EXPECT_EQ(testhilfe::fenstertitel(dpy, win10), malwerk_fenstername);
    EXPECT_EQ(netz_titel(dpy, win10), malwerk_fenstername);
    EXPECT_TRUE(kreuz_bei(dpy, win10, -1, -1)) << "the picture is as it was";
}

TEST_F(Fadenkreuz, ZweiterAufrufBeginntWoDerLetzteEndete)
{
    float x = 0, y = 0;
    {
        Fernsteuerung s(getenv("DISPLAY"), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(fenstername2));
            f.klick(60, 40);
        });
        grein(&x, &y);
    }
    EXPECT_NEAR(x, 60, 1);
    EXPECT_NEAR(y, 299 - 40, 1);
    {
        Fernsteuerung s(getenv("DISPLAY"), [&](Fernbedienung &f) {
            Window w = testhilfe::fenster_suchen(f.display(), fenstername2);
            ASSERT_NE(w, 0u);
            EXPECT_TRUE(kreuz_bei(f.display(), w, 60, 40));
            ASSERT_TRUE(f.fenster_finden(fenstername2));
            f.klick(10, 290, 3);  // any button
        });
        grein(&x, &y);
    }
    EXPECT_NEAR(x, 10, 1);
    EXPECT_NEAR(y, 299 - 290, 1);
    EXPECT_EQ(maustasten_zustand, 0) << "the press does not reach the mouse state word";
    EXPECT_TRUE(kreuz_bei(dpy, win10, -1, -1));
}

TEST_F(Fadenkreuz, AndereEreignisseBleibenFuerDieEreignisschleife)
{
    // A polyline still pending is drawn before the input starts.
    color(4);
    q2plot(10, 10, 3);
    q2plot(390, 10, 2);
    const unsigned long vorher = bild_[static_cast<size_t>((H - 1 - 10) * B + 200)];
    mal_setdebug(1);
    double x = 0, y = 0;
    testing::internal::CaptureStdout();
    {
        Fernsteuerung s(getenv("DISPLAY"), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(fenstername2));
            EXPECT_NE(testhilfe::pixel_lesen(f.display(), f.fenster(), 200, H - 1 - 10), vorher);
            f.taste(XK_b);
            // Uncover the window: its Expose waits for the repaint.
            Window decke = XCreateSimpleWindow(f.display(), DefaultRootWindow(f.display()), 0, 0, 500, 400, 0, 0, 0);
            XMapRaised(f.display(), decke);
            f.abwarten();
            XDestroyWindow(f.display(), decke);
            f.abwarten();
            f.klick(200, 100);
        });
        mal_grein(&x, &y);
    }
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_NE(aus.find("grein()  ButtonPress=4\n"), std::string::npos) << aus;
    char zeile[80];
    snprintf(zeile, sizeof zeile, "grein: 1000x=%d 1000y=%d\n", static_cast<int>(x * 1000),
             static_cast<int>(y * 1000));
    EXPECT_NE(aus.find(zeile), std::string::npos) << aus;
    EXPECT_NEAR(x, 200, 1);
    // The key, the exposure and the release are left for the event loop.
    XSync(dpy, False);
    std::vector<int> arten;
    while (XPending(dpy)) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type != KeyRelease && (arten.empty() || arten.back() != e.type)) arten.push_back(e.type);
    }
    ASSERT_GE(arten.size(), 3u);
    EXPECT_EQ(std::vector<int>(arten.end() - 3, arten.end()), (std::vector<int>{KeyPress, Expose, ButtonRelease}));
}

TEST_F(Fadenkreuz, SchliessanfrageEndetWieAbgebrochen)
{
    double x = 7, y = 8;
    {
        Fernsteuerung s(getenv("DISPLAY"), [&](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(fenstername2));
            f.bewegen(100, 50);
            testhilfe::schliessen_anfordern(f.display(), f.fenster());
            f.abwarten(0.5);
            f.klick(120, 80);  // ends an input that missed the request
        });
        mal_grein(&x, &y);
    }
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(schliessen_angefordert(), 1);
    EXPECT_EQ(testhilfe::fenstertitel(dpy, win10), malwerk_fenstername);
    XSync(dpy, False);
    EXPECT_TRUE(kreuz_bei(dpy, win10, -1, -1)) << "the picture is as it was";
}

TEST(FadenkreuzOhneFenster, MeldetUndLaesstDieWerte)
{
    double x = 7, y = 8;
    testing::internal::CaptureStdout();
    mal_grein(&x, &y);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
    EXPECT_NE(aus.find("mal_grein"), std::string::npos);
    EXPECT_EQ(grein_fadenkreuz(5, 5), 0);
}

// The cross's graphics context belongs to a display connection: after the
// session ends, the next session's input works with one of its own.
TEST(FadenkreuzZweiSitzungen, NeueSitzungZeichntWieder)
{
    testhilfe::XvfbServer server;
    server.als_display_setzen();
    for (int sitzung = 0; sitzung < 2; ++sitzung) {
        setsize(B, H, 24);
        qinital(1, 0, 0, B - 1, H - 1);
        XSync(dpy, False);
        double x = 0, y = 0;
        {
            Fernsteuerung s(server.name(), [&](Fernbedienung &f) {
                ASSERT_TRUE(f.fenster_finden(fenstername2));
                f.bewegen(50, 60);
                f.abwarten();
                EXPECT_NE(testhilfe::pixel_lesen(f.display(), f.fenster(), 50, 5),
                          testhilfe::pixel_lesen(f.display(), f.fenster(), 51, 5))
                    << "session " << sitzung;
                f.klick(50 + sitzung, 60);
            });
            mal_grein(&x, &y);
        }
        EXPECT_NEAR(x, 50 + sitzung, 1);
        term_exit();
    }
}
