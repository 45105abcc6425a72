// The menu "Ort" of the real program, driven with its shortcuts: a place
// typed in (and a wrong one refused), picked with the crosshair, kept for
// the next start, and the eclipses seen from it.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/umbrixlauf.h"
#include "ortsumstaende.h"

#include <X11/keysym.h>

#include <climits>
#include <cstdlib>
#include <string>

using testhilfe::Arbeitsverzeichnis;
using testhilfe::Elemente;
using testhilfe::Umbrixlauf;
using testhilfe::datei_lesen;
using testhilfe::eingelesen;
using testhilfe::finsternis;

namespace {

const unsigned long magenta = 0xFF00FF;
const char *const dallas = "32.7763 -96.7969";

// The settings store of one test, named by ENV for the program.
struct Einstellungen {
    Arbeitsverzeichnis v;
    testhilfe::Umgebung env{"ENV", v.pfad().c_str()};
    std::string ort() const { return testhilfe::datei_existiert(v.datei("UMBRIXORT")) ? datei_lesen(v.datei("UMBRIXORT")) : ""; }
};

// The program on the eclipse of April 2024, stopped and waiting.
bool wartend(Umbrixlauf &u)
{
    u.daten_kopieren();
    if (!u.starten({"2024", "4"})) return false;
    const Elemente &e = finsternis(2024, 4);
    return u.warten_auf(eingelesen(e), 10) && testhilfe::anhalten(u, e);
}

// Escape and a key with the pointer over the drawing area, below the globe.
void kuerzel(Umbrixlauf &u, unsigned long taste, int px = 640)
{
    u.zeiger(px, u.menubalken() + Umbrixlauf::hoehe - 20);
    testhilfe::schlafen(0.1);
    u.taste(XK_Escape);
    u.taste(taste);
}

// The pointer into the window of that title, keys then go there.
Window zu_fenster(Umbrixlauf &u, const char *titel)
{
    Window w = testhilfe::fenster_suchen(u.display(), titel, 5);
    if (!w) return 0;
    XWindowAttributes a;
    XGetWindowAttributes(u.display(), w, &a);
    u.zeiger_in(w, a.width / 2, 3);
    return w;
}

// Koordinaten...: both fields typed into the empty or filled form, then OK.
void koordinaten(Umbrixlauf &u, const std::string &breite, const std::string &laenge)
{
    kuerzel(u, XK_k);
    ASSERT_NE(zu_fenster(u, "Input-Requester"), 0u) << u.ausgabe();
    for (const std::string &wert : {breite, laenge}) {
        u.taste(XK_Tab);
        for (int i = 0; i < 20; ++i) u.taste(XK_Delete);
        u.tippen(wert);
    }
    u.taste(XK_Tab);  // OK
    u.taste(XK_Return);
    EXPECT_TRUE(u.fenster_weg("Input-Requester", 5));
}

// The message box that follows, closed with its key o.
void meldung_schliessen(Umbrixlauf &u)
{
    ASSERT_NE(zu_fenster(u, "Requester"), 0u) << u.ausgabe();
    u.taste(XK_o);
    EXPECT_TRUE(u.fenster_weg("Requester", 5));
}

// What `umbrix --ort` prints for the place and the eclipse of April 2024.
std::string ortzeilen(Umbrixlauf &u, const std::string &breite, const std::string &laenge)
{
    testhilfe::Kindprozess k({UMBRIX_BINARY, "--ort", breite, laenge, "2024", "4"}, {}, u.verzeichnis().pfad());
    EXPECT_EQ(k.warten(10), 0);
    return k.ausgabe();
}

// The magenta cross of the place (degrees) at moment t, or none on the far side.
bool kreuz_gezeichnet(Umbrixlauf &u, const testhilfe::Bild &b, double breite, double laenge, double t)
{
    const Elemente &e = finsternis(2024, 4);
    double xi, eta, zeta;
    testhilfe::grundebene(laenge, breite, e.mu_grad(t), e.d_grad(t), &xi, &eta, &zeta);
    int x = u.spalte(xi), y = u.reihe(eta);
    return zeta >= 0 && b.in_naehe(x, y, 1, magenta) && b.in_naehe(x - 4, y, 1, magenta) &&
           b.in_naehe(x, y + 4, 1, magenta) && !b.in_naehe(x + 3, y + 3, 1, magenta);
}

}  // namespace

// Koordinaten... with Dallas: the lines of --ort on standard output, the
// place stored, the cross on the globe; a latitude of 95 is refused and
// the place stays.
TEST(E2eOrt, KoordinatenSetzenDenOrtFalscheBleibenOhneWirkung)
{
    Einstellungen s;
    Umbrixlauf u;
    ASSERT_TRUE(wartend(u)) << u.ausgabe();
    koordinaten(u, "32.7763", "-96.7969");
    meldung_schliessen(u);
    std::string erwartet = ortzeilen(u, "32.7763", "-96.7969");
    ASSERT_NE(erwartet.find("Ort: "), std::string::npos) << erwartet;
    EXPECT_NE(u.ausgabe().find(erwartet), std::string::npos) << u.ausgabe() << "\nexpected:\n" << erwartet;
    EXPECT_EQ(s.ort(), std::string(dallas) + "\n");

    const int px = 300;
    auto b = testhilfe::zeigen(u, px);
    ASSERT_TRUE(b);
    EXPECT_TRUE(kreuz_gezeichnet(u, *b, 32.7763, -96.7969, Umbrixlauf::t_bei(px)));

    koordinaten(u, "95", "10");
    meldung_schliessen(u);
    EXPECT_NE(u.ausgabe().find("Breite ausserhalb -90..90"), std::string::npos) << u.ausgabe();
    EXPECT_EQ(s.ort(), std::string(dallas) + "\n");
    EXPECT_EQ(u.zaehlen("Ort: "), 1) << u.ausgabe();
    b = testhilfe::zeigen(u, px);
    ASSERT_TRUE(b);
    EXPECT_TRUE(kreuz_gezeichnet(u, *b, 32.7763, -96.7969, Umbrixlauf::t_bei(px)));
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// Zeigen: a click off the disc sets nothing; a click on the globe sets the
// place under it as the globe stands.
TEST(E2eOrt, ZeigenNimmtDenOrtUnterDemFadenkreuz)
{
    Einstellungen s;
    Umbrixlauf u;
    ASSERT_TRUE(wartend(u)) << u.ausgabe();
    const int px = 900;
    ASSERT_TRUE(testhilfe::zeigen(u, px));
    const double t = Umbrixlauf::t_bei(px);

    kuerzel(u, XK_o, px);
    testhilfe::schlafen(0.3);
    u.klick(u.spalte(1.7), u.reihe(0));
    meldung_schliessen(u);
    EXPECT_NE(u.ausgabe().find("nicht auf der Erde"), std::string::npos) << u.ausgabe();
    EXPECT_EQ(s.ort(), "");

    const Elemente &e = finsternis(2024, 4);
    double xi, eta, zeta;
    testhilfe::grundebene(-96.7969, 32.7763, e.mu_grad(t), e.d_grad(t), &xi, &eta, &zeta);
    ASSERT_GT(zeta, 0.3);
    ASSERT_TRUE(testhilfe::zeigen(u, px));
    kuerzel(u, XK_o, px);
    testhilfe::schlafen(0.3);
    u.klick(u.spalte(xi), u.reihe(eta));
    meldung_schliessen(u);
    double breite = 0, laenge = 0;
    ASSERT_EQ(sscanf(s.ort().c_str(), "%lf %lf", &breite, &laenge), 2) << u.ausgabe();
    // One pixel is a fifth of a degree at the centre of the disc.
    EXPECT_NEAR(breite, 32.7763, 0.5);
    EXPECT_NEAR(laenge, -96.7969, 0.5);
    EXPECT_EQ(u.zaehlen("Ort: "), 1) << u.ausgabe();
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// The place stored by an earlier run: every eclipse read prints its lines;
// a broken stored value is named and left unused.
TEST(E2eOrt, GespeicherterOrtGiltBeimNaechstenStart)
{
    struct Fall {
        const char *gespeichert;
        bool gilt;
    } faelle[] = {{dallas, true}, {"95 -96", false}, {"Dallas", false}};
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.gespeichert);
        Einstellungen s;
        testhilfe::datei_schreiben(s.v.datei("UMBRIXORT"), std::string(f.gespeichert) + "\n");
        Umbrixlauf u;
        ASSERT_TRUE(wartend(u)) << u.ausgabe();
        if (f.gilt) {
            EXPECT_NE(u.ausgabe().find(ortzeilen(u, "32.7763", "-96.7969")), std::string::npos) << u.ausgabe();
        } else {
            EXPECT_NE(u.ausgabe().find("UMBRIXORT"), std::string::npos) << u.ausgabe();
            EXPECT_EQ(u.zaehlen("Ort: "), 0) << u.ausgabe();
            // Without a place the list has nothing to show, and says so.
            kuerzel(u, XK_l);
            meldung_schliessen(u);
            EXPECT_NE(u.ausgabe().find("Noch kein Ort"), std::string::npos) << u.ausgabe();
        }
        EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
    }
}

// Finsternisse hier...: the second eclipse of the list seen from Dallas,
// chosen with the keyboard, is read and shown.
TEST(E2eOrt, FinsternisseHierZeigtDieGewaehlte)
{
    Einstellungen s;
    testhilfe::datei_schreiben(s.v.datei("UMBRIXORT"), std::string(dallas) + "\n");
    Umbrixlauf u;
    ASSERT_TRUE(wartend(u)) << u.ausgabe();
    std::vector<Listeneintrag> liste;
    {
        testhilfe::Verzeichniswechsel hier(u.verzeichnis().pfad());
        liste = finsternisliste(Ort{32.7763, -96.7969, 0}, INT_MIN, INT_MAX);
    }
    ASSERT_GE(liste.size(), 2u);
    const Elemente &gewaehlt = finsternis(liste[1].jahr, liste[1].monat);

    kuerzel(u, XK_l);
    ASSERT_NE(zu_fenster(u, "Finsternisse hier"), 0u) << u.ausgabe();
    u.taste(XK_Tab);  // the list, its first entry
    u.taste(XK_Down);
    u.taste(XK_Tab);  // OK
    u.taste(XK_Return);
    EXPECT_TRUE(u.fenster_weg("Finsternisse hier", 5));
    ASSERT_TRUE(u.warten_auf(eingelesen(gewaehlt), 10)) << u.ausgabe();
    EXPECT_TRUE(testhilfe::animation_gezeigt(u, gewaehlt));
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}
