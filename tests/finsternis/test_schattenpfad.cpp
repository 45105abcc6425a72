// The path of the shadow from the shipped elements, against published
// values (Espenak, NASA); the table of a partial eclipse.
#include "hilfe/besselsaetze.h"
#include "finsternis/finsternis.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <regex>
#include <tuple>
#include <vector>

namespace {

struct Veroeffentlicht {
    int jahr, monat;
    double breite, laenge, dauer;  // degrees, seconds
    double toleranz;               // degrees
};

// NASA's pages; 2023's used a Delta T a second off the canon's (0.01 deg).
TEST(Schattenpfad, GroessteFinsternisWieVeroeffentlicht)
{
    const Veroeffentlicht tabelle[] = {
        {2024, 4, 25.29, -104.13, 4 * 60 + 28, 0.01},     // total
        {2017, 8, 36.97, -87.67, 2 * 60 + 40, 0.01},      // total
        {2023, 10, 11.373, -83.102, 5 * 60 + 17, 0.02},   // annular
        {2023, 4, -9.607, 125.805, 1 * 60 + 16, 0.02},    // hybrid
    };
    for (const Veroeffentlicht &v : tabelle) {
        SCOPED_TRACE(v.jahr * 100 + v.monat);
        const Schattenpfad p = schattenpfad(testhilfe::besselsatz(v.jahr, v.monat));
        ASSERT_TRUE(p.zentral);
        EXPECT_NEAR(p.groesste.ort.breite, v.breite, v.toleranz);
        EXPECT_NEAR(p.groesste.ort.laenge, v.laenge, v.toleranz);
        EXPECT_NEAR(p.groesste.dauer, v.dauer, 1.0);
        EXPECT_GE(p.laengste.dauer, p.groesste.dauer);
        for (const Zentralpunkt &z : p.punkte) EXPECT_LE(z.dauer, p.laengste.dauer + 1e-6);
    }
    // The hybrid one: annular at sunrise, total further on.
    const Schattenpfad h = schattenpfad(testhilfe::besselsatz(2023, 4));
    int total = 0;
    for (const Zentralpunkt &z : h.punkte) total += z.total;
    EXPECT_GT(total, 0);
    EXPECT_TRUE(h.punkte.front().zentral.gibt_es && !h.punkte.front().total);
}

// Widths at greatest eclipse from NASA's pages (km), the last three with the
// Sun 17 to 26 degrees high.
TEST(Schattenpfad, BreiteWieVeroeffentlicht)
{
    const std::tuple<int, int, double> tabelle[] = {{2024, 4, 197.5}, {2017, 8, 114.7}, {2023, 10, 187.1},
                                                    {2023, 4, 49.0},  {2021, 6, 526.6}, {2021, 12, 418.6},
                                                    {2026, 8, 294.0}};
    for (const auto &[jahr, monat, breite] : tabelle) {
        const Schattenpfad p = schattenpfad(testhilfe::besselsatz(jahr, monat));
        const Zentralpunkt *z = &p.punkte.at(0);
        for (const Zentralpunkt &k : p.punkte)
            if (std::fabs(k.t - p.groesste.t) < std::fabs(z->t - p.groesste.t)) z = &k;
        EXPECT_NEAR(z->breite_km, breite, breite * 0.01) << jahr << "-" << monat;
    }
}

// Over Spain on 12 August 2026, the Sun 7 to 13 degrees high: the distance
// between the table's own limit lines (through its minutes) across the
// track, in the plane through the central point square to it.
TEST(Schattenpfad, BreiteZwischenDenGrenzlinien)
{
    using Vektor = std::array<double, 3>;
    const auto raum = [](const Ort &o) {
        const Geozentrisch g = geozentrisch(o);
        return Vektor{g.rhocos * std::cos(g.laenge), g.rhocos * std::sin(g.laenge), g.rhosin};
    };
    const auto skalar = [](const Vektor &a, const Vektor &b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
    const std::vector<Zentralpunkt> z = schattenpfad(testhilfe::besselsatz(2026, 8)).punkte;
    int geprueft = 0;
    for (size_t i = 1; i + 1 < z.size(); ++i) {
        const Ort &o = z[i].zentral.ort;
        if (o.breite > 45 || o.laenge < -8 || o.laenge > 0 || !z[i].nord.gibt_es || !z[i].sued.gibt_es) continue;
        const Vektor c = raum(o), vor = raum(z[i + 1].zentral.ort), nach = raum(z[i - 1].zentral.ort);
        const Vektor spur{vor[0] - nach[0], vor[1] - nach[1], vor[2] - nach[2]};
        double breite = 0;
        for (Pfadort Zentralpunkt::*grenze : {&Zentralpunkt::nord, &Zentralpunkt::sued}) {
            double naechste = HUGE_VAL;
            for (size_t k = 0; k + 1 < z.size(); ++k) {
                if (!(z[k].*grenze).gibt_es || !(z[k + 1].*grenze).gibt_es) continue;
                const Vektor a = raum((z[k].*grenze).ort), b = raum((z[k + 1].*grenze).ort);
                const double fa = skalar(a, spur) - skalar(c, spur), fb = skalar(b, spur) - skalar(c, spur);
                if ((fa > 0) == (fb > 0)) continue;
                Vektor x;
                for (int j = 0; j < 3; ++j) x[j] = a[j] + fa / (fa - fb) * (b[j] - a[j]) - c[j];
                naechste = std::fmin(naechste, std::sqrt(skalar(x, x)) * 6378.137);
            }
            breite += naechste;
        }
        EXPECT_NEAR(z[i].breite_km, breite, breite * 0.02) << o.laenge;
        ++geprueft;
    }
    EXPECT_GE(geprueft, 4);
}

// Nothing at each limit; seconds a tenth of the way to the central line.
TEST(Schattenpfad, GrenzenOhneDauer)
{
    for (const auto &[jahr, monat] : std::vector<std::pair<int, int>>{{2024, 4}, {2023, 10}}) {
        SCOPED_TRACE(jahr * 100 + monat);
        const Elemente b = testhilfe::besselsatz(jahr, monat);
        const Schattenpfad p = schattenpfad(b);
        int geprueft = 0;
        for (size_t i = 10; i < p.punkte.size(); i += 40) {
            const Zentralpunkt &z = p.punkte[i];
            for (const Pfadort &g : {z.nord, z.sued}) {
                if (!g.gibt_es) continue;
                EXPECT_LT(ortsumstaende(b, g.ort).dauer, 1.0);
                Ort innen = g.ort;
                innen.breite += (z.zentral.ort.breite - g.ort.breite) / 10;
                innen.laenge += (z.zentral.ort.laenge - g.ort.laenge) / 10;
                EXPECT_GT(ortsumstaende(b, innen).dauer, 5.0);
                ++geprueft;
            }
        }
        EXPECT_GE(geprueft, 4);
    }
}

// Northern limits with the Sun a degree high (independently computed): the
// iteration must not stop beyond the limb.
TEST(Schattenpfad, GrenzenNaheDemHorizont)
{
    const struct {
        int jahr, monat, stunde, minute;
        double breite, laenge;
    } faelle[] = {
        {2026, 8, 17, 2, 76.5482, 108.7627},
        {2033, 3, 18, 14, 79.1521, 160.3128},
        {2045, 8, 19, 21, -10.5265, -22.6339},
        {2008, 8, 9, 24, 69.4882, -104.0715},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.jahr);
        const Elemente b = testhilfe::besselsatz(f.jahr, f.monat);
        const double t = f.stunde + f.minute / 60.0 - (b.mjd - std::floor(b.mjd)) * 24;
        const Schattenpfad p = schattenpfad(b);
        const Zentralpunkt *z = nullptr;
        for (const Zentralpunkt &k : p.punkte)
            if (std::fabs(k.t - t) < 1e-6) z = &k;
        ASSERT_TRUE(z);
        ASSERT_TRUE(z->nord.gibt_es);
        EXPECT_NEAR(z->nord.ort.breite, f.breite, 0.05);
        EXPECT_NEAR(z->nord.ort.laenge, f.laenge, 0.1);
        EXPECT_LT(ortsumstaende(b, z->nord.ort).dauer, 1.0);
    }
}

// 25 October 2022: magnitude 0.862 at 61.6 N 77.4 E, on the limb at sunset.
TEST(Schattenpfad, PartielleFinsternis)
{
    const Elemente b = testhilfe::besselsatz(2022, 10);
    const Schattenpfad p = schattenpfad(b);
    EXPECT_FALSE(p.zentral);
    EXPECT_FALSE(p.kernschatten);
    EXPECT_TRUE(p.punkte.empty());
    EXPECT_NEAR(p.groesste.groesse, 0.862, 0.001);
    EXPECT_NEAR(p.groesste.ort.breite, 61.6, 0.3);
    EXPECT_NEAR(p.groesste.ort.laenge, 77.4, 0.3);
    int grenzen = 0;
    for (const Halbschattenpunkt &h : p.halbschatten)
        for (const Pfadort &g : {h.nord, h.sued})
            if (g.gibt_es) {
                EXPECT_LT(ortsumstaende(b, g.ort).groesse, 0.001);
                ++grenzen;
            }
    EXPECT_GT(grenzen, 30);

    const std::string ort = "-?\\d+\\.\\d{4} -?\\d+\\.\\d{4}";
    const std::vector<std::string> z = pfadzeilen(b, p);
    ASSERT_GT(z.size(), 10u);
    EXPECT_EQ(z.front(), "Partielle Finsternis: keine Zentrallinie.");
    const std::regex zeile("\\d\\d:\\d\\d UT  Partiell Nord (--|" + ort + ")  Partiell Sued (--|" + ort + ")");
    for (size_t i = 1; i + 1 < z.size(); ++i) EXPECT_TRUE(std::regex_match(z[i], zeile)) << z[i];
    const std::regex groesste("Groesste Finsternis: 11:00:\\d\\d UT  " + ort + "  Groesse 0\\.86\\d\\d");
    EXPECT_TRUE(std::regex_match(z.back(), groesste)) << z.back();
}

// Nonsense elements (a file may hold anything): path and table still end.
TEST(Schattenpfad, UnsinnigeElemente)
{
    const double unsinn[] = {0, std::nan(""), 1e300, -1e-300, HUGE_VAL};
    for (double w : unsinn) {
        SCOPED_TRACE(w);
        Elemente b = testhilfe::besselsatz(2024, 4);
        for (double *c : {b.x, b.y, b.d, b.l1, b.l2})
            for (int i = 0; i < 3; ++i) c[i] = w;
        b.mu[0] = b.mu[1] = w;
        b.mjd = w;
        const std::vector<std::string> zeilen = pfadzeilen(b, schattenpfad(b));
        ASSERT_FALSE(zeilen.empty());
        EXPECT_NE(zeilen.back().find("Groesste "), std::string::npos) << zeilen.back();
    }
}

}  // namespace
