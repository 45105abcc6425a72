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
        {"1 2 3", "mehr als zwei"},
        // As people paste them: hemisphere letters, degrees, minutes, seconds.
        {"40.4168N 3.7038W", ""}, {"40.4168 n, 3.7038 o", ""}, {"40.4168, -3.7038", ""},
        {"40\xc2\xb0" "25'N 3\xc2\xb0" "42'W", ""}, {"40\xc2\xb0" "25'00.5\"N 3\xc2\xb0" "42'W", ""},
        {"40,4168 3", "keine Zahl: \"40,4168\" (Dezimalpunkt statt Komma verwenden)"},
        {"40\xc2\xb0" "61'N 3W", "unter 60"}, {"-40N 3W", "keine Angabe in Grad"}, {"40.5\xc2\xb0" "1'N 3W", "keine Angabe"},
        {"3W 40N", "Richtung der anderen Koordinate"}, {"91N 3W", "Breite ausserhalb"}, {"40N 3S", "Laenge ist keine Zahl"}};
    for (const auto &f : faelle) {
        Ort o{1, 2, 0};
        std::string fehler;
        const bool gut = !*f.second;
        EXPECT_EQ(ort_aus_text(f.first, &o, &fehler), gut) << f.first;
        EXPECT_NE(fehler.find(f.second), std::string::npos) << f.first << ": " << fehler;
        EXPECT_EQ(o.breite == 1, !gut) << f.first;
    }
    EXPECT_EQ(ort_text(Ort{48.1374, 11.5755, 0}), "48.1374 11.5755");
    const std::pair<const char *, std::pair<double, double>> werte[] = {
        {"40.4168N 3.7038W", {40.4168, -3.7038}},
        {"40\xc2\xb0" "25'00.5\"N 3\xc2\xb0" "42'W", {40 + 25 / 60.0 + 0.5 / 3600, -3.7}},
        {"33\xc2\xb0 52\xe2\x80\xb2 S 151\xc2\xb0 12\xe2\x80\xb2 E", {-(33 + 52 / 60.0), 151.2}}};
    for (const auto &w : werte) {
        Ort o;
        std::string fehler;
        ASSERT_TRUE(ort_aus_text(w.first, &o, &fehler)) << w.first << ": " << fehler;
        EXPECT_NEAR(o.breite, w.second.first, 1e-9) << w.first;
        EXPECT_NEAR(o.laenge, w.second.second, 1e-9) << w.first;
    }
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
