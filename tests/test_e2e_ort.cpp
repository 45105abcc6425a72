// The menu "Ort" of the real program, driven with its shortcuts: a place
// typed in (a wrong one refused), picked with the crosshair, kept for the
// next start, and the eclipses seen from it.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/besselsaetze.h"
#include "hilfe/umbrixlauf.h"
#include "finsternis/finsternis.h"

#include <X11/keysym.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

using testhilfe::Umbrixlauf;
using testhilfe::finsternis;

namespace {

const char *const dallas = "32.7763 -96.7969\n";
const char *const seattle = "47.6 -122.3\n";  // sees 31.7.2000, the second eclipse of its month

// The program on the eclipse of April 2024, stopped, with a settings store.
struct Lauf {
    testhilfe::Arbeitsverzeichnis v;
    testhilfe::Umgebung env{"ENV", v.pfad().c_str()};
    Umbrixlauf u;
    bool starten(const char *ort = nullptr)
    {
        if (ort) testhilfe::datei_schreiben(v.datei("UMBRIXORT"), ort);
        u.daten_kopieren();
        return u.starten({"2024", "4"}) && u.warten_auf(eingelesen(finsternis(2024, 4)), 10) &&
               testhilfe::anhalten(u, finsternis(2024, 4));
    }
    std::string ort() const { return testhilfe::datei_lesen(v.datei("UMBRIXORT")); }
    // Escape and a key over the drawing area at column px; the window of
    // that title then takes the keys.
    void kuerzel(unsigned long taste, const char *titel, int px = 640)
    {
        u.zeiger(px, u.menubalken() + Umbrixlauf::hoehe - 20);
        testhilfe::schlafen(0.1);
        u.taste(XK_Escape);
        u.taste(taste);
        if (titel) u.zeiger_in(testhilfe::fenster_suchen(u.display(), titel, 5), 20, 3);
    }
    void meldung_schliessen()
    {
        u.zeiger_in(testhilfe::fenster_suchen(u.display(), "Requester", 5), 20, 3);
        u.taste(XK_o);
        EXPECT_TRUE(u.fenster_weg("Requester", 5)) << u.ausgabe();
    }
    void koordinaten(const std::string &breite, const std::string &laenge)
    {
        kuerzel(XK_k, "Input-Requester");
        for (const std::string &wert : {breite, laenge}) {
            u.taste(XK_Tab);  // the cursor at the field's start: to its end, then Delete deletes left
            for (unsigned long taste : {XK_Right, XK_Delete})
                for (int i = 0; i < 12; ++i) u.taste(taste);
            u.tippen(wert);
        }
        for (unsigned long taste : {XK_Tab, XK_Return}) u.taste(taste);  // OK
        meldung_schliessen();
    }
    // The crosshair over the globe shown at column px, clicked at (x, y).
    void fadenkreuz(int px, int x, int y)
    {
        kuerzel(XK_o, nullptr, px);
        testhilfe::schlafen(0.3);
        u.klick(x, y);
        meldung_schliessen();
    }
    // What `umbrix --ort` prints for the place and April 2024.
    std::string ortzeilen(const char *breite, const char *laenge)
    {
        testhilfe::Kindprozess k({UMBRIX_BINARY, "--ort", breite, laenge, "2024", "4"}, {}, u.verzeichnis().pfad());
        EXPECT_EQ(k.warten(10), 0);
        return k.ausgabe();
    }
};

// Dallas's pixel on the globe shown at column px; false on the far side.
bool dallas_pixel(Lauf &l, int px, int *x, int *y)
{
    const double t = Umbrixlauf::t_bei(px);
    double xi, eta, zeta;
    testhilfe::grundebene(-96.7969, 32.7763, finsternis(2024, 4).mu_grad(t), finsternis(2024, 4).d_grad(t), &xi,
                          &eta, &zeta);
    *x = l.u.spalte(xi);
    *y = l.u.reihe(eta);
    return zeta > 0;
}

// Centre and arms of a magenta cross there, nothing between the arms.
bool kreuz_bei_dallas(Lauf &l, int px)
{
    auto b = testhilfe::zeigen(l.u, px);
    int x, y;
    return b && dallas_pixel(l, px, &x, &y) && b->in_naehe(x, y, 1, 0xFF00FF) &&
           b->in_naehe(x - 4, y, 1, 0xFF00FF) && b->in_naehe(x, y + 4, 1, 0xFF00FF) &&
           !b->in_naehe(x + 3, y + 3, 1, 0xFF00FF);
}

}  // namespace

// Typed coordinates set the place, wrong ones and a click beside the disc
// change nothing, the crosshair picks the place under it, and a close
// request while it waits picks nothing.
TEST(E2eOrt, KoordinatenUndFadenkreuz)
{
    Lauf l;
    ASSERT_TRUE(l.starten()) << l.u.ausgabe();
    l.koordinaten("32.7763", "-96.7969");
    const std::string zeilen = l.ortzeilen("32.7763", "-96.7969");
    EXPECT_NE(l.u.ausgabe().find(zeilen), std::string::npos) << l.u.ausgabe() << "expected:\n" << zeilen;
    EXPECT_EQ(l.ort(), dallas);

    l.koordinaten("95", "10");
    EXPECT_NE(l.u.ausgabe().find("Breite ausserhalb -90..90: \"95\""), std::string::npos) << l.u.ausgabe();
    const int px = 900;
    ASSERT_TRUE(testhilfe::zeigen(l.u, px));
    l.fadenkreuz(px, l.u.spalte(1.7), l.u.reihe(0));
    EXPECT_NE(l.u.ausgabe().find("nicht auf der Erde"), std::string::npos) << l.u.ausgabe();
    EXPECT_EQ(l.ort(), dallas);
    EXPECT_EQ(l.u.zaehlen("Ort: "), 1) << l.u.ausgabe();
    EXPECT_TRUE(kreuz_bei_dallas(l, 300));

    int x, y;
    ASSERT_TRUE(dallas_pixel(l, px, &x, &y));
    l.fadenkreuz(px, x, y);
    double breite = 0, laenge = 0;
    const std::string gewaehlt = l.ort();
    ASSERT_EQ(sscanf(gewaehlt.c_str(), "%lf %lf", &breite, &laenge), 2) << l.u.ausgabe();
    EXPECT_NEAR(breite, 32.7763, 0.5);  // a pixel is a fifth of a degree at the disc's centre
    EXPECT_NEAR(laenge, -96.7969, 0.5);
    EXPECT_EQ(l.u.zaehlen("Ort: "), 2) << l.u.ausgabe();

    l.kuerzel(XK_o, nullptr, px);
    testhilfe::schlafen(0.3);
    EXPECT_EQ(l.u.schliessen(2), 0) << l.u.ausgabe();
    EXPECT_EQ(l.ort(), gewaehlt);
}

// The place stored by an earlier run counts from the start; the list opens
// on the eclipse shown, or the nearest seen from the place; the eclipse
// chosen in it after a Next, the second of its month, is read and shown.
TEST(E2eOrt, GespeicherterOrtUndFinsternisseHier)
{
    Lauf l;
    ASSERT_TRUE(l.starten(seattle)) << l.u.ausgabe();
    EXPECT_NE(l.u.ausgabe().find(l.ortzeilen("47.6", "-122.3")), std::string::npos) << l.u.ausgabe();
    std::vector<Listeneintrag> liste;
    {
        testhilfe::Verzeichniswechsel hier(l.u.verzeichnis().pfad());
        liste = finsternisliste(testhilfe::besselsaetze(), Ort{47.6, -122.3, 0}, INT_MIN, INT_MAX);
    }
    auto zeile = std::find_if(liste.begin(), liste.end(),
                              [](const Listeneintrag &e) { return e.jahr == 2000 && e.monat == 7 && e.tag == 31; });
    ASSERT_NE(zeile, liste.end());
    const testhilfe::Elemente &gewaehlt = *(testhilfe::finsternis_ab(testhilfe::ecad22(), 2000, 7) + 1);

    // The list opens on the eclipse shown: OK at once shows it again.
    l.kuerzel(XK_l, "Finsternisse hier");
    for (unsigned long taste : {XK_Tab, XK_Return}) l.u.taste(taste);  // OK
    ASSERT_TRUE(l.u.warten_auf(eingelesen(finsternis(2024, 4)), 10, 2)) << l.u.ausgabe();

    l.kuerzel(XK_n, nullptr);
    ASSERT_TRUE(l.u.warten_auf(eingelesen(finsternis(2024, 5)), 10)) << l.u.ausgabe();
    // That one is not seen from here: the list opens on the nearest in time.
    const double jd = finsternis(2024, 5).jd;
    auto abstand = [jd](const Listeneintrag &e) {
        return std::fabs(testhilfe::besselsaetze()[static_cast<size_t>(e.satz)].jd - jd);
    };
    auto naechste = std::min_element(liste.begin(), liste.end(), [&](const Listeneintrag &a, const Listeneintrag &b) {
        return abstand(a) < abstand(b);
    });
    ASSERT_GT(abstand(*naechste), 1.0);
    l.kuerzel(XK_l, "Finsternisse hier");
    for (auto i = zeile; i != naechste; ++i) l.u.taste(XK_Up);
    for (unsigned long taste : {XK_Tab, XK_Return}) l.u.taste(taste);  // OK
    ASSERT_TRUE(l.u.warten_auf(eingelesen(gewaehlt), 10)) << l.u.ausgabe();
    EXPECT_TRUE(testhilfe::animation_gezeigt(l.u, gewaehlt));
    EXPECT_EQ(l.u.schliessen(5), 0) << l.u.ausgabe();
}

// Ort - Suchen...: a name typed, the third of its places chosen in the list,
// set with its name and zone, kept so, and named so in the circumstances.
TEST(E2eOrt, SuchenNachNamen)
{
    Lauf l;
    ASSERT_TRUE(l.starten()) << l.u.ausgabe();
    l.kuerzel(XK_s, "Input-Requester");
    l.u.taste(XK_Tab);  // into the field
    l.u.tippen("springfield");
    for (unsigned long taste : {XK_Tab, XK_Return}) l.u.taste(taste);  // OK
    l.u.zeiger_in(testhilfe::fenster_suchen(l.u.display(), "Orte dieses Namens", 5), 20, 3);
    // Most populous first: Missouri, Massachusetts, Illinois.
    for (unsigned long taste : {XK_Down, XK_Down, XK_Tab, XK_Return}) l.u.taste(taste);
    l.meldung_schliessen();
    EXPECT_EQ(l.ort(), "39.80172 -89.64371\tAmerica/Chicago\tSpringfield\tIllinois\tUnited States of America\t7\n");
    const char *const zeile = "Ort: Springfield, Illinois, United States of America (39.8017 -89.6437, "
                              "America/Chicago); 7 weitere Orte dieses Namens\n";
    EXPECT_NE(l.u.ausgabe().find(zeile), std::string::npos) << l.u.ausgabe();
    EXPECT_EQ(l.u.schliessen(2), 0) << l.u.ausgabe();
    ASSERT_TRUE(l.u.starten({"2024", "4"})) << l.u.ausgabe();
    EXPECT_TRUE(l.u.warten_auf(zeile, 10)) << l.u.ausgabe();
    EXPECT_EQ(l.u.schliessen(2), 0) << l.u.ausgabe();
}
