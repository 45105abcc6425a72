// The yes/no message box driven with XTest from another thread: keys,
// clicks strictly inside a button, the selection frame and the window size.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <functional>
#include <string>

using testhilfe::Fernbedienung;
using testhilfe::Fernsteuerung;
using testhilfe::XvfbServer;

namespace {

class Meldung : public ::testing::Test {
protected:
    void SetUp() override
    {
        x_.als_display_setzen();
    }
    // The layout the box must have, from the requester's own cell.
    Meldungsanordnung anordnung(const char *text, const char *ja, const char *nein) const
    {
        requester_font_anfordern(0);
        EXPECT_TRUE(requester_bereit());
        int zeilen = 0;
        int laengste = strlen_zeile(text, &zeilen);
        int lb = static_cast<int>(strlen(ja ? ja : "ok"));
        if (nein && static_cast<int>(strlen(nein)) > lb) lb = static_cast<int>(strlen(nein));
        return meldung_anordnen(reqpixprobuchst_x, reqpixprobuchst_y, zeilen, laengste, lb, nein != nullptr);
    }
    int zeigen(const char *text, const char *ja, const char *nein, std::function<void(Fernbedienung &)> skript)
    {
        Fernsteuerung s(x_.name(), [skript](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden("Requester"));
            skript(f);
        });
        return janeinrequester(const_cast<char *>(text), const_cast<char *>(ja), const_cast<char *>(nein));
    }
    static void mitte_klicken(Fernbedienung &f, const Rechteck &r)
    {
        f.klick(r.x + r.breite / 2, r.y + r.hoehe / 2);
    }
    // Whether the outer frame of a button (3 px outside) is drawn: a pixel
    // on its left line, half way down.
    static bool aussenrahmen(Fernbedienung &f, const Rechteck &r)
    {
        f.abwarten(0.1);
        Display *d = f.display();
        return testhilfe::pixel_lesen(d, f.fenster(), r.x - 3, r.y + r.hoehe / 2) ==
               BlackPixel(d, DefaultScreen(d));
    }

    XvfbServer x_;
};

}  // namespace

TEST_F(Meldung, EinzeiligDreiviertelSoHochWieBreit)
{
    Meldungsanordnung m = anordnung("Hallo Welt", nullptr, nullptr);
    int r = zeigen("Hallo Welt", nullptr, nullptr, [&](Fernbedienung &f) {
        XWindowAttributes a;
        ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &a));
        EXPECT_EQ(a.width, m.breite);
        EXPECT_EQ(a.height, m.breite * 3 / 4);
        EXPECT_EQ(a.border_width, 5);
        f.tippen("o");
    });
    EXPECT_EQ(r, 1);
    Fernbedienung pruefer(x_.name());
    EXPECT_EQ(testhilfe::fenster_suchen(pruefer.display(), "Requester", 0.2), 0u);
}

TEST_F(Meldung, MehrzeiligWaechstMitDenZeilen)
{
    std::string text;
    for (int i = 0; i < 30; ++i) text += "Zeile " + std::to_string(i) + "\n";
    text += "Ende";
    Meldungsanordnung m = anordnung(text.c_str(), nullptr, nullptr);
    int r = zeigen(text.c_str(), nullptr, nullptr, [&](Fernbedienung &f) {
        XWindowAttributes a;
        ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &a));
        EXPECT_EQ(a.height, m.hoehe);
        EXPECT_GT(a.height, a.width * 3 / 4);
        f.taste(XK_Return);
    });
    EXPECT_EQ(r, 1);
}

TEST_F(Meldung, EinKnopfTabTutNichtsReturnGibtEins)
{
    Meldungsanordnung m = anordnung("Text", nullptr, nullptr);
    int r = zeigen("Text", nullptr, nullptr, [&](Fernbedienung &f) {
        EXPECT_TRUE(aussenrahmen(f, m.knopf[0])) << "the single button is selected";
        f.taste(XK_Tab);
        EXPECT_TRUE(aussenrahmen(f, m.knopf[0]));
        f.tippen("x");
        f.abwarten(0.2);
        EXPECT_TRUE(f.fenster_da());
        f.taste(XK_Return);
    });
    EXPECT_EQ(r, 1);
}

TEST_F(Meldung, ZweiKnoepfeTabDannReturnGibtNull)
{
    Meldungsanordnung m = anordnung("Weiter?", "ja", "nein");
    int r = zeigen("Weiter?", "ja", "nein", [&](Fernbedienung &f) {
        EXPECT_TRUE(aussenrahmen(f, m.knopf[0]));
        EXPECT_FALSE(aussenrahmen(f, m.knopf[1]));
        f.taste(XK_Tab);
        EXPECT_FALSE(aussenrahmen(f, m.knopf[0])) << "the frame moves to the second button";
        EXPECT_TRUE(aussenrahmen(f, m.knopf[1]));
        f.taste(XK_Return);
    });
    EXPECT_EQ(r, 0);
}

TEST_F(Meldung, AnfangsbuchstabenDerKnoepfe)
{
    EXPECT_EQ(zeigen("?", "ja", "nein", [](Fernbedienung &f) { f.tippen("n"); }), 0);
    EXPECT_EQ(zeigen("?", "ja", "nein", [](Fernbedienung &f) { f.tippen("j"); }), 1);
    // The first button's letter is tested first.
    EXPECT_EQ(zeigen("?", "nicht", "nein", [](Fernbedienung &f) { f.tippen("n"); }), 1);
    // Tab twice comes back to the first button.
    EXPECT_EQ(zeigen("?", "ja", "nein",
                     [](Fernbedienung &f) {
                         f.taste(XK_Tab);
                         f.taste(XK_Tab);
                         f.taste(XK_Return);
                     }),
              1);
}

TEST_F(Meldung, KlickNurStriktInnerhalbEinesKnopfes)
{
    Meldungsanordnung m = anordnung("Weiter?", "ja", "nein");
    int r = zeigen("Weiter?", "ja", "nein", [&](Fernbedienung &f) {
        const Rechteck &k = m.knopf[1];
        f.klick(k.x, k.y + k.hoehe / 2);              // left frame line
        f.klick(k.x + k.breite, k.y + k.hoehe / 2);   // right frame line
        f.klick(k.x + k.breite / 2, k.y);             // top line
        f.klick(k.x + k.breite / 2, k.y + k.hoehe);   // bottom line
        f.klick(4, 4);                                // empty space
        f.abwarten(0.3);
        EXPECT_TRUE(f.fenster_da());
        f.klick(k.x + k.breite - 1, k.y + k.hoehe - 1);
    });
    EXPECT_EQ(r, 0);
    EXPECT_EQ(zeigen("Weiter?", "ja", "nein", [&](Fernbedienung &f) { mitte_klicken(f, m.knopf[0]); }), 1);
}

TEST_F(Meldung, OhneZweitenKnopfSchliesstSeinRechteckNicht)
{
    Meldungsanordnung m = anordnung("Text", nullptr, nullptr);
    const Rechteck &leer = m.knopf[1];
    const Rechteck &ok = m.knopf[0];
    // A point of the second rectangle outside the first.
    int x = leer.x + leer.breite - 2;
    ASSERT_GT(x, ok.x + ok.breite);
    int r = zeigen("Text", nullptr, nullptr, [&](Fernbedienung &f) {
        f.klick(x, leer.y + leer.hoehe / 2);
        f.abwarten(0.3);
        EXPECT_TRUE(f.fenster_da());
        mitte_klicken(f, ok);
    });
    EXPECT_EQ(r, 1);
}

TEST_F(Meldung, EreignisseAndererFensterBleibenInDerWarteschlange)
{
    // With the main window open, a key pressed over it while the box is
    // shown stays queued for the application.
    qinital(1, 0, 0, 1, 1);
    XSync(dpy, False);
    while (XPending(dpy)) {
        XEvent e;
        XNextEvent(dpy, &e);
    }
    requester_font_anfordern(0);
    ASSERT_EQ(requester_dpy, dpy) << "the requesters share the main connection";
    int r = zeigen("Text", nullptr, nullptr, [&](Fernbedienung &f) {
        Window haupt = win10;
        // Over the main window, below the box.
        Window kind;
        int rx, ry;
        XTranslateCoordinates(f.display(), haupt, DefaultRootWindow(f.display()), 600, 500, &rx, &ry, &kind);
        XTestFakeMotionEvent(f.display(), -1, rx, ry, CurrentTime);
        f.taste(XK_q);
        f.abwarten();
        f.bewegen(4, 4);
        f.taste(XK_Return);
    });
    EXPECT_EQ(r, 1);
    bool taste_da = false;
    while (XPending(dpy)) {
        XEvent e;
        XNextEvent(dpy, &e);
        taste_da = taste_da || (e.type == KeyPress && e.xkey.window == win10);
    }
    EXPECT_TRUE(taste_da);
    term_exit();
}
