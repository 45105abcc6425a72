// A place from a point of the turned globe and from text: the inverse of
// the globe's turning, the coordinates typed or stored.
#include <gtest/gtest.h>

#include "erdkarte.h"
#include "ortsbestimmung.h"

#include <cmath>
#include <string>

namespace {

const double grad = 3.14159265358979323846 / 180;

struct Rundweg {
    double laenge, breite, drehung, neigung;  // degrees
};

}  // namespace

TEST(Ortsbestimmung, BildpunktFuehrtZumGedrehtenOrtZurueck)
{
    const Rundweg faelle[] = {
        {0, 0, 0, 0},            {11.5755, 48.1374, -20, 7},  {-96.7969, 32.7763, 110, 7.5},
        {179.5, -45, -170, -23}, {-179.5, 10, 175, 15},        {30, 89.9, 0, 23.4},
        {120, -60, -100, -22},   {-8, 80, 8, 23.4},
    };
    for (const Rundweg &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.laenge << " " << f.breite << " / " << f.drehung << " " << f.neigung);
        double x, y, z;
        erdkoordinatendrehen(f.laenge * grad, f.breite * grad, f.drehung * grad, f.neigung * grad, &x, &y, &z);
        ASSERT_GE(z, 0) << "the case must lie on the visible side";
        Ort o;
        ASSERT_TRUE(ort_aus_bildpunkt(x, y, f.drehung * grad, f.neigung * grad, &o));
        EXPECT_NEAR(o.breite, f.breite, 1e-9);
        // Near the pole a longitude error is no distance.
        double dl = std::remainder(o.laenge - f.laenge, 360.0);
        EXPECT_NEAR(dl * std::cos(f.breite * grad), 0, 1e-9);
        EXPECT_GT(o.laenge, -180);
        EXPECT_LE(o.laenge, 180);
        EXPECT_EQ(o.hoehe, 0);
    }
}

TEST(Ortsbestimmung, PunktNebenDerScheibeSetztNichts)
{
    const double punkte[][2] = {{1.0001, 0}, {0.8, 0.8}, {0, -1.2}, {NAN, 0}};
    for (const auto &p : punkte) {
        Ort o{1, 2, 3};
        EXPECT_FALSE(ort_aus_bildpunkt(p[0], p[1], 0.3, 0.2, &o)) << p[0] << " " << p[1];
        EXPECT_EQ(o.breite, 1);
        EXPECT_EQ(o.laenge, 2);
    }
    // The limb itself is still the Earth.
    Ort rand;
    EXPECT_TRUE(ort_aus_bildpunkt(1, 0, 0, 0, &rand));
    EXPECT_NEAR(rand.laenge, 90, 1e-9);
}

TEST(Ortsbestimmung, KoordinateGetipptOderFalsch)
{
    struct Fall {
        const char *text;
        double grenze;
        bool gut;
        double wert;
        const char *meldung;  // part of the message
    } faelle[] = {
        {"48.1374", 90, true, 48.1374, ""},
        {" -33.5 ", 90, true, -33.5, ""},
        {"-180", 180, true, -180, ""},
        {"", 90, false, 0, "Breite fehlt"},
        {"   ", 90, false, 0, "Breite fehlt"},
        {"Muenchen", 90, false, 0, "keine Zahl"},
        {"48,1", 90, false, 0, "keine Zahl"},
        {"12abc", 90, false, 0, "keine Zahl"},
        {"nan", 90, false, 0, "keine Zahl"},
        {"1e999", 90, false, 0, "keine Zahl"},
        {"90.0001", 90, false, 0, "ausserhalb -90..90"},
        {"-181", 180, false, 0, "ausserhalb -180..180"},
    };
    for (const Fall &f : faelle) {
        double w = 7;
        std::string fehler;
        EXPECT_EQ(koordinate_lesen(f.text, "Breite", f.grenze, &w, &fehler), f.gut) << f.text;
        if (f.gut)
            EXPECT_DOUBLE_EQ(w, f.wert) << f.text;
        else {
            EXPECT_EQ(w, 7) << f.text;
            EXPECT_NE(fehler.find(f.meldung), std::string::npos) << f.text << ": " << fehler;
        }
    }
}

TEST(Ortsbestimmung, GespeicherterOrtHinUndZurueck)
{
    Ort o{48.1374, 11.5755, 0};
    EXPECT_EQ(ort_text(o), "48.1374 11.5755");
    Ort gelesen;
    std::string fehler;
    ASSERT_TRUE(ort_aus_text("48.1374 11.5755\n", &gelesen, &fehler)) << fehler;
    EXPECT_EQ(gelesen.breite, 48.1374);
    EXPECT_EQ(gelesen.laenge, 11.5755);
    for (const char *kaputt : {"", "48.1", "48.1 x", "95 10", "10 200", "1 2 3"}) {
        Ort alt{1, 2, 0};
        EXPECT_FALSE(ort_aus_text(kaputt, &alt, &fehler)) << kaputt;
        EXPECT_FALSE(fehler.empty()) << kaputt;
        EXPECT_EQ(alt.breite, 1) << kaputt;
    }
}
