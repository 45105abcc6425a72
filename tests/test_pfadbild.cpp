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

}  // namespace
