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
using testhilfe::schwarz;

namespace {

// The caption's box: it starts at user (1.0, 1.0), its baseline there.
struct Ausschnitt {
    int x0, y0, x1, y1;
};

bool gleich(const Bild &a, const Bild &b, const Ausschnitt &r)
{
    for (int y = r.y0; y <= r.y1; ++y)
        for (int x = r.x0; x <= r.x1; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

bool nur_schwarz(const Bild &a, const Ausschnitt &r)
{
    for (int y = r.y0; y <= r.y1; ++y)
        for (int x = r.x0; x <= r.x1; ++x)
            if (a.pixel(x, y) != schwarz) return false;
    return true;
}

// Minutes since the start of the UT day that the caption names at moment t.
int caption_minute(const Elemente &e, double t)
{
    double h = e.t0_stunde() + t;
    if (h < 0) h += 24;
    if (h >= 24) h -= 24;
    int stunden = static_cast<int>(h);
    return stunden * 60 + static_cast<int>((h - stunden) * 60);
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
    // the later one further on.
    // (A frame is shown when the next one begins.)
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

    // The caption names the moment in UT to the minute: one pixel column
    // is about 17 seconds, so where the caption changes between neighbouring
    // columns tells T0's seconds. Near the left edge the shadow is far away.
    Ausschnitt text{u.spalte(1.0) - 2, u.reihe(1.0) - 25, u.spalte(1.0) + 220, u.reihe(1.0) + 6};
    std::vector<std::unique_ptr<Bild>> spalten;
    for (int px = 0; px <= 6; ++px) {
        spalten.push_back(zeigen(u, px));
        ASSERT_TRUE(spalten.back());
    }
    EXPECT_FALSE(nur_schwarz(*spalten[0], text));
    int wechsel = 0;
    for (int px = 1; px <= 6; ++px) {
        bool gleiche_minute =
            caption_minute(e, Umbrixlauf::t_bei(px)) == caption_minute(e, Umbrixlauf::t_bei(px - 1));
        wechsel += !gleiche_minute;
        EXPECT_EQ(gleich(*spalten[px], *spalten[px - 1], text), gleiche_minute) << "columns " << px - 1 << ", " << px;
    }
    EXPECT_GE(wechsel, 1);  // the boundary lies within the columns looked at

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
