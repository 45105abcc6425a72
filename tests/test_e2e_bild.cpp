// The picture of the real program checked against values found outside it:
// the Moon's shadow at the places and times of greatest eclipse that are
// published for 8 April 2024 and 21 August 2017, the coastlines where the
// coastline file puts them, the colours of globe, background and shadow
// marks, green for an annular eclipse and red for a nearly vanishing umbra.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/umbrixlauf.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using testhilfe::Bild;
using testhilfe::Elemente;
using testhilfe::Umbrixlauf;
using testhilfe::finsternis;
using testhilfe::grundebene;

namespace {

struct Ort {
    double laenge, breite;  // degrees, east and north positive
};

// The points of the shipped coastline file, read here on their own.
std::vector<Ort> kuestenpunkte()
{
    std::ifstream ein(std::string(UMBRIX_SOURCE_DIR) + "/data/gmtkuesten.dat");
    std::vector<Ort> punkte;
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (zeile.empty() || zeile[0] == '>' || zeile[0] == '#') continue;
        std::istringstream z(zeile);
        Ort o;
        if (z >> o.laenge >> o.breite) punkte.push_back(o);
    }
    return punkte;
}

// Share of the visible coastline points (well inside the limb) that have a
// white pixel within one pixel, with the globe turned by mu and d.
double kueste_getroffen(const Umbrixlauf &u, const Bild &b, double mu, double d)
{
    int sichtbar = 0, weiss = 0;
    for (const Ort &o : kuestenpunkte()) {
        double xi, eta, zeta;
        grundebene(o.laenge, o.breite, mu, d, &xi, &eta, &zeta);
        if (zeta < 0.2) continue;
        ++sichtbar;
        weiss += b.in_naehe(u.spalte(xi), u.reihe(eta), 1, testhilfe::weiss);
    }
    return sichtbar ? static_cast<double>(weiss) / sichtbar : 0;
}

// Colours of globe and background, sampled on a grid away from the lines
// that are expected there (penumbra, umbra mark, place marker, caption, key,
// time scale).
void farben_pruefen(const Umbrixlauf &u, const Bild &b, const Elemente &e, double t)
{
    double zx, zy;
    grundebene(8.5, 47.5, e.mu_grad(t), e.d_grad(t), &zx, &zy, nullptr);
    int scheibe = 0, blau = 0, fremd = 0, hinten = 0, nicht_schwarz = 0;
    for (int py = u.menubalken(); py < u.menubalken() + Umbrixlauf::hoehe; py += 5) {
        for (int px = 0; px < Umbrixlauf::breite; px += 5) {
            double x = u.user_x(px), y = u.user_y(py);
            double rho = std::hypot(x, y);
            if (std::fabs(std::hypot(x - e.X(t), y - e.Y(t)) - e.L1(t)) < 0.015) continue;
            if (std::hypot(x - e.X(t), y - e.Y(t)) < 0.03) continue;
            if (std::hypot(x - zx, y - zy) < 0.02) continue;
            if (x > 0.98 && x < 1.8 && y > 0.9 && y < 1.1) continue;
            if ((x < -1.2 && y > 1.1) || y < -1.35) continue;  // the key, the time scale
            unsigned long p = b.pixel(px, py);
            if (rho < 0.985) {
                ++scheibe;
                blau += p == testhilfe::hellblau;
                fremd += p != testhilfe::hellblau && p != testhilfe::weiss;
            } else if (rho > 1.015) {
                ++hinten;
                nicht_schwarz += p != testhilfe::schwarz;
            }
        }
    }
    ASSERT_GT(scheibe, 10000);
    EXPECT_GT(blau, scheibe * 9 / 10) << "globe light blue";
    EXPECT_EQ(fremd, 0) << "only light blue and white coastlines on the globe";
    ASSERT_GT(hinten, 20000);
    EXPECT_EQ(nicht_schwarz, 0) << "background black";
}

// The eclipse whose greatest phase is published for this UT date and hour
// at this place: in the elements the shadow axis meets the Earth there, and
// the program draws the umbra's mark there.
void am_veroeffentlichten_ort(int jahr, int monat, int tag, double ut, Ort ort)
{
    const Elemente &e = finsternis(jahr, monat);
    ASSERT_EQ(e.jahr * 10000 + e.monat * 100 + e.tag, jahr * 10000 + monat * 100 + tag);
    double t = ut - e.t0_stunde();
    // The file's own greatest eclipse, a few seconds off by another Delta T.
    EXPECT_NEAR(t, e.groesste, 0.005);
    double xi, eta, zeta;
    grundebene(ort.laenge, ort.breite, e.mu_grad(t), e.d_grad(t), &xi, &eta, &zeta);
    EXPECT_NEAR(xi, e.X(t), 0.01);
    EXPECT_NEAR(eta, e.Y(t), 0.01);
    EXPECT_GT(zeta, 0);
    double r = e.kernradius(t);
    EXPECT_GT(r, 0.005) << "a total eclipse with an umbra drawn to scale";

    Umbrixlauf u;
    u.daten_kopieren();
    // Without the path of the shadow, which would cross the umbra's mark
    // (the setting falls back to the environment).
    setenv("UMBRIXPFAD", "0", 1);
    ASSERT_TRUE(u.starten({std::to_string(jahr), std::to_string(monat)})) << u.ausgabe();
    unsetenv("UMBRIXPFAD");
    ASSERT_TRUE(u.warten_auf(testhilfe::eingelesen(e), 10)) << u.ausgabe();
    ASSERT_TRUE(testhilfe::anhalten(u, e)) << u.ausgabe();
    int px = Umbrixlauf::spalte_fuer(t);
    double tp = Umbrixlauf::t_bei(px);
    ASSERT_LT(std::fabs(tp - t), 0.003);
    auto b = testhilfe::zeigen(u, px);
    ASSERT_TRUE(b);
    grundebene(ort.laenge, ort.breite, e.mu_grad(tp), e.d_grad(tp), &xi, &eta, &zeta);
    EXPECT_TRUE(testhilfe::kreis_gezeichnet(u, *b, xi, eta, e.kernradius(tp), testhilfe::weiss, 2))
        << "the umbra's mark around the published place";
    EXPECT_EQ(b->pixel(u.spalte(xi), u.reihe(eta)), testhilfe::hellblau) << "a ring, not a blot";
    EXPECT_TRUE(testhilfe::schatten_bei(u, *b, e, tp));
    EXPECT_GE(u.zaehlen("Totale Finsternis\n"), 1) << u.ausgabe();

    farben_pruefen(u, *b, e, tp);
    EXPECT_GT(kueste_getroffen(u, *b, e.mu_grad(tp), e.d_grad(tp)), 0.97) << "coastlines in place";
    // The same points with the globe turned a little further miss.
    EXPECT_LT(kueste_getroffen(u, *b, e.mu_grad(tp) + 15, e.d_grad(tp)), 0.5);
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

// The central shadow's mark at greatest eclipse, of a colour for its kind.
void kernschatten_farbe(int jahr, int monat, unsigned long farbe, const char *meldung)
{
    const Elemente &e = finsternis(jahr, monat);
    double t = e.groesste;
    Umbrixlauf u;
    u.daten_kopieren();
    // Without the path of the shadow, which would cross the umbra's mark
    // (the setting falls back to the environment).
    setenv("UMBRIXPFAD", "0", 1);
    ASSERT_TRUE(u.starten({std::to_string(jahr), std::to_string(monat)})) << u.ausgabe();
    unsetenv("UMBRIXPFAD");
    ASSERT_TRUE(u.warten_auf(testhilfe::eingelesen(e), 10)) << u.ausgabe();
    ASSERT_TRUE(testhilfe::anhalten(u, e)) << u.ausgabe();
    int px = Umbrixlauf::spalte_fuer(t);
    auto b = testhilfe::zeigen(u, px);
    ASSERT_TRUE(b);
    double tp = Umbrixlauf::t_bei(px);
    EXPECT_TRUE(testhilfe::kreis_gezeichnet(u, *b, e.X(tp), e.Y(tp), 0.005, farbe, 1));
    EXPECT_TRUE(testhilfe::schatten_bei(u, *b, e, tp));
    // Nowhere else in that colour.
    EXPECT_LT(b->anzahl(farbe), 40);
    EXPECT_GE(u.zaehlen(meldung), 1) << u.ausgabe();
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}

}  // namespace

// Greatest eclipse 18:17:20 UT at 25.3° N, 104.1° W (NASA).
TEST(E2eBild, April2024SchattenAmVeroeffentlichtenOrtUndDieFarben)
{
    am_veroeffentlichten_ort(2024, 4, 8, 18 + 17 / 60.0 + 20 / 3600.0, {-104.1, 25.3});
}

// Greatest eclipse 18:25:31 UT at 37.0° N, 87.7° W (NASA).
TEST(E2eBild, August2017SchattenAmVeroeffentlichtenOrtUndDieFarben)
{
    am_veroeffentlichten_ort(2017, 8, 21, 18 + 25 / 60.0 + 31 / 3600.0, {-87.7, 37.0});
}

// 2 October 2024 was annular: the antumbra is marked in green.
TEST(E2eBild, RingfoermigeFinsternisGruen)
{
    const Elemente &e = finsternis(2024, 10);
    ASSERT_EQ(e.tag, 2);
    ASSERT_LT(e.kernradius(e.groesste), 0);
    kernschatten_farbe(2024, 10, testhilfe::gruen, "Ringfoermige Finsternis\n");
}

// 20 April 2023 was hybrid, total in the middle with a narrow umbra: the
// mark is red, drawn larger than the umbra.
TEST(E2eBild, SchmalerKernschattenRot)
{
    const Elemente &e = finsternis(2023, 4);
    ASSERT_EQ(e.tag, 20);
    double r = e.kernradius(e.groesste);
    ASSERT_GT(r, 0);
    ASSERT_LT(r, 0.005);
    kernschatten_farbe(2023, 4, testhilfe::rot, "Totale Finsternis\n");
}
