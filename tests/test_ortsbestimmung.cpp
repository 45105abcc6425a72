// A place from a point of the turned globe and from typed or stored text.
#include <gtest/gtest.h>

#include "betrachter/globusdrehung.h"
#include "betrachter/ortmenu.h"
#include "betrachter/ortsmarke.h"
#include "finsternis/finsternis.h"

#include <cmath>
#include <string>
#include <utility>

namespace {
const double grad = 3.14159265358979323846 / 180;
}

TEST(Ortsbestimmung, BildpunktKehrtDieDrehungUm)
{
    // Longitude, latitude, turning, tilt (degrees); the place faces the viewer.
    const double faelle[][4] = {{0, 0, 0, 0},         {11.5755, 48.1374, -20, 7}, {-96.7969, 32.7763, 110, 7.5},
                                {179.5, -45, -170, -23}, {-8, 80, 8, 23.4}};
    for (const auto &f : faelle) {
        double x, y, z;
        erdkoordinatendrehen(f[0] * grad, f[1] * grad, f[2] * grad, f[3] * grad, &x, &y, &z);
        Ort o;
        ASSERT_TRUE(z >= 0 && ort_aus_bildpunkt(x, y, f[2] * grad, f[3] * grad, &o)) << f[0];
        EXPECT_NEAR(o.breite, f[1], 1e-9);
        EXPECT_NEAR(std::remainder(o.laenge - f[0], 360.0), 0, 1e-9);
        EXPECT_TRUE(o.laenge > -180 && o.laenge <= 180);
    }
    for (const auto &p : {std::make_pair(1.0001, 0.0), {0.8, 0.8}, {0.0, -1.2}, {NAN, 0.0}}) {
        Ort o{1, 2, 0};
        EXPECT_FALSE(ort_aus_bildpunkt(p.first, p.second, 0.3, 0.2, &o)) << p.first << " " << p.second;
        EXPECT_EQ(o.breite, 1);
    }
}

TEST(Ortsbestimmung, TextGetipptOderGespeichert)
{
    const std::pair<const char *, const char *> faelle[] = {  // text, message ("" accepted)
        {"48.1374 11.5755\n", ""}, {" -33.5  -180 ", ""}, {"+1.5e1 -.5", ""}, {"", "Breite fehlt"},
        {"48.1", "Laenge fehlt"}, {"Muenchen 11", "keine Zahl"}, {"48,1 11", "keine Zahl"}, {"nan 11", "keine Zahl"},
        {"1e999 11", "Breite ausserhalb -90..90"}, {"0x10 11", "keine Zahl"}, {"-inf 11", "keine Zahl"},
        {"1e 11", "keine Zahl"},
        {"90.0001 0", "Breite ausserhalb -90..90"}, {"0 -181", "Laenge ausserhalb -180..180"},
        {"1 2 3", "mehr als zwei"}};
    for (const auto &f : faelle) {
        Ort o{1, 2, 0};
        std::string fehler;
        const bool gut = !*f.second;
        EXPECT_EQ(ort_aus_text(f.first, &o, &fehler), gut) << f.first;
        EXPECT_NE(fehler.find(f.second), std::string::npos) << f.first << ": " << fehler;
        EXPECT_EQ(o.breite == 1, !gut) << f.first;
    }
    EXPECT_EQ(ort_text(Ort{48.1374, 11.5755, 0}), "48.1374 11.5755");
}

// A frame is drawn while the one before it is on the screen: a place is
// picked on that one.
TEST(Ortsbestimmung, GezeigtIstDasVorigeBild)
{
    ortsmarke_zeichnen(0.1, 0.2);  // no place set: nothing is drawn
    ortsmarke_zeichnen(0.3, 0.4);
    double drehung, neigung;
    gezeigte_drehung(&drehung, &neigung);
    EXPECT_EQ(std::make_pair(drehung, neigung), std::make_pair(0.1, 0.2));
}
