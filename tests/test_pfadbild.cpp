// The path of the shadow in the viewer: yellow through the centre of the
// umbra, switched off and on with Escape P, and the choice kept.
#include <gtest/gtest.h>

#include "hilfe/dateien.h"
#include "hilfe/umbrixlauf.h"

#include <X11/keysym.h>

#include <cstdlib>

using namespace testhilfe;

namespace {

const unsigned long gelb = 0xFFFF00;

// The picture once it shows the path (or no path).
std::unique_ptr<Bild> pfad_abwarten(Umbrixlauf &u, bool mit_pfad)
{
    for (int i = 0; i < 50; ++i) {
        schlafen(0.1);
        auto b = u.bild();
        if ((b->anzahl(gelb) > 0) == mit_pfad) return b;
    }
    return nullptr;
}

// The pull-down "Ansicht" while the button is held on its title, once its
// frame is drawn (after the item); released there after a move (else it
// would stay open), nothing is chosen.
std::unique_ptr<Bild> ansicht_zeigen(Umbrixlauf &u)
{
    int kx = 0, ky = 0;
    Window k = u.menu_oeffnen(600, &kx, &ky);
    XWindowAttributes a;
    std::unique_ptr<Bild> b;
    for (int i = 0; k && i < 50 && XGetWindowAttributes(u.display(), k, &a); ++i) {
        b = std::make_unique<Bild>(u.display(), k, a.width, a.height);
        if (b->pixel(0, a.height - 1) == schwarz) break;
        b.reset();
        schlafen(0.05);
    }
    u.zeiger(604, u.zeilenabstand() / 2);
    schlafen(0.1);
    u.loslassen();
    return b;
}

TEST(Pfadbild, DurchDieMitteDesKernschattensUndUmschaltbar)
{
    Umbrixlauf u;
    u.daten_kopieren();
    setenv("ENV", u.verzeichnis().pfad().c_str(), 1);
    const Elemente &e = finsternis(2024, 4);
    ASSERT_TRUE(u.starten({"2024", "4"}));
    ASSERT_TRUE(anhalten(u, e));
    const int px = Umbrixlauf::spalte_fuer(0);
    auto b = zeigen(u, px);
    ASSERT_TRUE(b);
    const double t = Umbrixlauf::t_bei(px);
    EXPECT_TRUE(b->in_naehe(u.spalte(e.X(t)), u.reihe(e.Y(t)), 2, gelb));
    EXPECT_TRUE(schatten_bei(u, *b, e, t));  // the outlines still on top

    u.taste(XK_Escape);
    u.taste(XK_p);
    ASSERT_TRUE(pfad_abwarten(u, false));
    EXPECT_EQ(datei_lesen(u.verzeichnis().datei("UMBRIXPFAD")), "0\n");
    EXPECT_EQ(u.schliessen(), 0);

    // Off at the next start too, until switched on again.
    ASSERT_TRUE(u.starten({"2024", "4"}));
    ASSERT_TRUE(anhalten(u, e));
    EXPECT_EQ(u.bild()->anzahl(gelb), 0);
    u.menu_waehlen(600, 1);  // "Pfad" in the last menu, "Ansicht"
    ASSERT_TRUE(pfad_abwarten(u, true));
    EXPECT_EQ(datei_lesen(u.verzeichnis().datei("UMBRIXPFAD")), "1\n");
    EXPECT_EQ(u.schliessen(), 0);
    unsetenv("ENV");
}

// The item "Pfad" carries a check mark while the path is on, from the
// start on.
TEST(Pfadbild, DerMenuepunktZeigtObDerPfadAnIst)
{
    Umbrixlauf u;
    u.daten_kopieren();
    Umgebung env("ENV", u.verzeichnis().pfad().c_str());
    datei_schreiben(u.verzeichnis().datei("UMBRIXPFAD"), "0\n");
    ASSERT_TRUE(u.starten({"2024", "4"}));
    ASSERT_TRUE(anhalten(u, finsternis(2024, 4)));
    auto aus = ansicht_zeigen(u);
    u.zeiger(640, u.menubalken() + 300);  // keys go to the window under the pointer
    u.taste(XK_Escape);
    u.taste(XK_p);
    ASSERT_TRUE(pfad_abwarten(u, true));
    auto an = ansicht_zeigen(u);
    ASSERT_TRUE(aus && an);
    EXPECT_GT(an->anzahl(schwarz), aus->anzahl(schwarz));
    EXPECT_EQ(u.schliessen(), 0);
}

}  // namespace
