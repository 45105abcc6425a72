// The real program with its shipped data, watched as a user watches it: the
// eclipse of 8 April 2024 animated and then waiting, the mouse choosing the
// moment, a click stopping the animation, the colours of the picture, and
// the Moon's shadow where published values put it. Expected positions come
// from the elements in the data file and from published times and places,
// through geometry written here, not the program's.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/umbrixlauf.h"

#include <X11/extensions/XTest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using testhilfe::Bild;
using testhilfe::Elemente;
using testhilfe::Umbrixlauf;
using testhilfe::finsternis;
using testhilfe::schatten_bei;
using testhilfe::gezeigte_bilder;
using testhilfe::zeigen;

namespace {

// The caption the program should write at moment t: the day of the file's
// date and the time of day in UT from the Julian date of T0.
std::string beschriftung(const Elemente &e, double t)
{
    static const char *const monate[13] = {"",    "Jan", "Feb", "Mar", "Apr", "Mai", "Jun",
                                           "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    double h = e.t0_stunde() + t;
    int tag = e.tag;
    if (h < 0) {
        tag -= 1;
        h += 24;
    } else if (h >= 24) {
        tag += 1;
        h -= 24;
    }
    int stunden = static_cast<int>(h);
    int minuten = static_cast<int>((h - stunden) * 60);
    char text[64];
    snprintf(text, sizeof text, "%2d.%s.%04d  %02d:%02d", tag, monate[e.monat], e.jahr, stunden, minuten);
    return text;
}

// Whether the picture shows exactly this caption, in white with the
// server's default font, its baseline starting at user (1.0, 1.0): the
// test draws the text itself and compares the pixels around it.
bool beschriftung_gezeigt(const Umbrixlauf &u, const Bild &b, const std::string &text)
{
    Display *d = u.display();
    int x = u.spalte(1.0), y = u.reihe(1.0);
    Pixmap p = XCreatePixmap(d, DefaultRootWindow(d), static_cast<unsigned>(b.breite()),
                             static_cast<unsigned>(b.hoehe()), static_cast<unsigned>(DefaultDepth(d, 0)));
    GC g = XCreateGC(d, p, 0, nullptr);
    XSetForeground(d, g, testhilfe::schwarz);
    XFillRectangle(d, p, g, 0, 0, static_cast<unsigned>(b.breite()), static_cast<unsigned>(b.hoehe()));
    XSetForeground(d, g, testhilfe::weiss);
    XDrawString(d, p, g, x, y, text.c_str(), static_cast<int>(text.size()));
    Bild soll(d, p, b.breite(), b.hoehe());
    XFreeGC(d, g);
    XFreePixmap(d, p);
    int weiss = 0;
    for (int j = y - 20; j <= y + 8; ++j) {
        for (int i = x - 4; i <= x + 12 * static_cast<int>(text.size()); ++i) {
            if (b.pixel(i, j) != soll.pixel(i, j)) return false;
            weiss += soll.pixel(i, j) == testhilfe::weiss;
        }
    }
    return weiss > 0;
}

}  // namespace

// 8 April 2024: read, total, animated forwards in steps of 3 minutes, then
// waiting; the pointer's column chooses the moment, the left edge 3 hours
// before T0, the right edge 3 hours after it, the middle T0.
TEST(E2eFinsternis, April2024AnimiertWartetUndFolgtDerMaus)
{
    const Elemente &e = finsternis(2024, 4);
    ASSERT_EQ(e.jahr * 10000 + e.monat * 100 + e.tag, 20240408);  // the published date
    Umbrixlauf u;
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"2024", "4"})) << u.ausgabe();
    u.zeiger(640, u.menubalken() + Umbrixlauf::hoehe - 20);
    ASSERT_TRUE(u.warten_auf("8.4.2024 Besselelemente eingelesen.\n", 10)) << u.ausgabe();
    ASSERT_TRUE(u.warten_auf("Totale Finsternis\n", 5)) << u.ausgabe();

    // Two pictures of the running animation: frames of the elements' path,
    // the later one further on (a frame is shown when the next one begins).
    std::unique_ptr<Bild> a;
    std::vector<int> ka;
    for (int i = 0; i < 100 && ka.empty(); ++i) {
        a = u.bild();
        ka = gezeigte_bilder(u, *a, e);
    }
    testhilfe::schlafen(0.4);
    auto b = u.bild();
    std::vector<int> kb = gezeigte_bilder(u, *b, e);
    ASSERT_EQ(ka.size(), 1u) << u.ausgabe();
    ASSERT_EQ(kb.size(), 1u) << u.ausgabe();
    EXPECT_GT(kb[0], ka[0]);
    EXPECT_TRUE(schatten_bei(u, *a, e, -3.0 + 0.05 * ka[0]));
    // The caption goes with them, 3 minutes a frame.
    EXPECT_TRUE(beschriftung_gezeigt(u, *a, beschriftung(e, -3.0 + 0.05 * ka[0])));
    EXPECT_TRUE(beschriftung_gezeigt(u, *b, beschriftung(e, -3.0 + 0.05 * kb[0])));

    // Afterwards it waits on this eclipse and shows the pointer's moment.
    ASSERT_TRUE(u.ruhig_warten(60)) << u.ausgabe();
    EXPECT_TRUE(u.programm().laeuft());
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 1) << u.ausgabe();
    EXPECT_EQ(u.zaehlen("Finsternis\n"), 1) << u.ausgabe();
    EXPECT_TRUE(schatten_bei(u, *u.bild(), e, Umbrixlauf::t_bei(640)));

    auto links = zeigen(u, 0);
    ASSERT_TRUE(links);
    EXPECT_DOUBLE_EQ(Umbrixlauf::t_bei(0), -3.0);
    EXPECT_TRUE(schatten_bei(u, *links, e, -3.0));
    EXPECT_FALSE(schatten_bei(u, *links, e, -2.95));
    auto rechts = zeigen(u, Umbrixlauf::breite - 1);
    ASSERT_TRUE(rechts);
    EXPECT_NEAR(Umbrixlauf::t_bei(Umbrixlauf::breite - 1), 3.0, 1e-12);
    EXPECT_TRUE(schatten_bei(u, *rechts, e, 3.0));
    EXPECT_FALSE(schatten_bei(u, *rechts, e, -3.0));
    auto mitte = zeigen(u, 640);
    ASSERT_TRUE(mitte);
    EXPECT_TRUE(schatten_bei(u, *mitte, e, 0.0));
    EXPECT_FALSE(schatten_bei(u, *mitte, e, 0.05));
    EXPECT_FALSE(schatten_bei(u, *mitte, e, -0.05));

    // The caption names the moment in UT: T0 - 3 h at the left edge, the
    // next minute one column further (a column is about 17 seconds), T0 in
    // the middle. There the shadow is far from it.
    EXPECT_TRUE(beschriftung_gezeigt(u, *links, beschriftung(e, -3.0))) << beschriftung(e, -3.0);
    auto zweite = zeigen(u, 1);
    ASSERT_TRUE(zweite);
    EXPECT_TRUE(beschriftung_gezeigt(u, *zweite, beschriftung(e, Umbrixlauf::t_bei(1))))
        << beschriftung(e, Umbrixlauf::t_bei(1));
    EXPECT_NE(beschriftung(e, Umbrixlauf::t_bei(1)), beschriftung(e, -3.0));
    EXPECT_TRUE(beschriftung_gezeigt(u, *mitte, beschriftung(e, Umbrixlauf::t_bei(640))))
        << beschriftung(e, Umbrixlauf::t_bei(640));
    EXPECT_FALSE(beschriftung_gezeigt(u, *mitte, beschriftung(e, -3.0)));

    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 1) << u.ausgabe();
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

namespace {

// From 1999 on the program goes from eclipse to eclipse by itself, so a
// click that got lost would show as the next eclipse being read. klick
// makes the click at column px once the first eclipse is animated; the
// picture must then settle at once on the pointer's moment and stay.
void klick_haelt_an(const std::function<void(Umbrixlauf &, int)> &klick)
{
    const Elemente &e = finsternis(1999, 1);
    ASSERT_EQ(e.jahr * 10000 + e.monat * 100 + e.tag, 19990216);
    const Elemente &naechste = finsternis(e.jahr, e.monat + 1);
    std::string naechste_zeile = testhilfe::eingelesen(naechste);
    Umbrixlauf u;
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"1999"})) << u.ausgabe();
    const int px = 900, py = u.menubalken() + Umbrixlauf::hoehe - 20;
    u.zeiger(200, py);
    ASSERT_TRUE(u.warten_auf("16.2.1999 Besselelemente eingelesen.\n", 10)) << u.ausgabe();
    ASSERT_TRUE(testhilfe::animation_gezeigt(u, e));
    klick(u, px);
    // The animation runs at least 121 ticks of 20 ms; stopped, the picture
    // stands still long before that.
    EXPECT_TRUE(u.ruhig_warten(1.5, 0.15)) << "the animation goes on";
    auto bild = u.bild();
    EXPECT_TRUE(schatten_bei(u, *bild, e, Umbrixlauf::t_bei(px)));
    testhilfe::schlafen(3.5);
    EXPECT_EQ(u.ausgabe().find(naechste_zeile), std::string::npos) << u.ausgabe();
    EXPECT_EQ(u.bild()->unterschiede(*bild), 0);
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

}  // namespace

TEST(E2eFinsternis, KlickHaeltDieAnimationAn)
{
    klick_haelt_an([](Umbrixlauf &u, int px) { u.klick(px, u.menubalken() + Umbrixlauf::hoehe - 20); });
}

// A short tap right after a move, as a touchpad sends it: motion, press and
// release reach the program together.
TEST(E2eFinsternis, KurzerKlickNachBewegungGehtNichtVerloren)
{
    klick_haelt_an([](Umbrixlauf &u, int px) {
        Display *d = u.display();
        Window kind;
        int rx, ry;
        XTranslateCoordinates(d, u.fenster(), DefaultRootWindow(d), px, u.menubalken() + Umbrixlauf::hoehe - 20, &rx,
                              &ry, &kind);
        XTestFakeMotionEvent(d, DefaultScreen(d), rx, ry, CurrentTime);
        XTestFakeButtonEvent(d, 1, True, CurrentTime);
        XTestFakeButtonEvent(d, 1, False, CurrentTime);
        XSync(d, False);
    });
}
