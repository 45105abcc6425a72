// The colour table: sizes on shallow and deep screens, redefined and
// default entries, the 16-bit component conversions, and the guards.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/malflaeche.h"
#include "xmalwerk1/xmalwerk1.h"
#include "xmalwerk1/core/intern.h"

#include <string>

using testhilfe::Malflaeche;

namespace {

std::string ausgabe_von(void (*f)())
{
    testing::internal::CaptureStdout();
    f();
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

unsigned long vordergrund()
{
    XGCValues w;
    XGetGCValues(dpy, gc, GCForeground, &w);
    return w.foreground;
}

}  // namespace

TEST(Farbumrechnung, Mul257UndDiv257SindZueinanderInvers)
{
    for (int c = 0; c <= 255; ++c) {
        EXPECT_EQ(static_cast<unsigned short>(mul257(c)), c * 257) << c;
        EXPECT_EQ(div257(mul257(c)), c) << c;           // through the short
        EXPECT_EQ(div257(c * 257), c) << c;             // from a 16-bit field
    }
    EXPECT_EQ(div257(0x8000), 128);
}

TEST(Farbtabelle, ZweiunddreissigVorgabenUndMittelgrauDahinter)
{
    int r, g, b;
    // Before the table exists: what it will hold.
    getcolor(2, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{255, 0, 0}));
    getcolor(31, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{128, 0, 255}));

    Malflaeche m;
    setcolor(5, 255, 0, 255);  // builds the table
    ASSERT_NE(colortabelle, nullptr);
    EXPECT_EQ(farbtabelle_anzahl, 4096);
    getcolor(40, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{128, 128, 128}));
    EXPECT_EQ(colortabelle[40].red, 0x8000);
    EXPECT_EQ(colortabelle[40].pixel, 0x808080u);
    getcolor(22, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{142, 35, 107}));
    color(40);
    EXPECT_EQ(vordergrund(), 0x808080u);
    ifillbox(10, 10, 12, 12);
    EXPECT_EQ(m.pixel(11, 11), 0x808080u);
}

TEST(Farbtabelle, SetcolorBehaeltDieVerlangtenWerte)
{
    Malflaeche m;
    setcolor(4, 100, 150, 255);
    int r, g, b;
    getcolor(4, &r, &g, &b);
    EXPECT_EQ(r, 100);
    EXPECT_EQ(g, 150);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(colortabelle[4].pixel, 0x6496FFu);
    color(4);
    EXPECT_EQ(vordergrund(), 0x6496FFu);
    // A redefinition of the current colour reaches the GC at the next color().
    setcolor(4, 1, 2, 3);
    EXPECT_EQ(vordergrund(), 0x6496FFu);
    color(4);
    EXPECT_EQ(vordergrund(), 0x010203u);

    setcolor(0, 255, 255, 255);
    EXPECT_EQ(hintergrundistschwarz, 0);
    setcolor(0, 0, 0, 0);
    EXPECT_EQ(hintergrundistschwarz, 1);
}

TEST(Farbtabelle, AchtBitSchirmHat256Eintraege)
{
    Malflaeche m(200, 100, 8);
    EXPECT_EQ(malwerk_tiefe, 8);
    EXPECT_EQ(maximaleanzahlfarben, 4096);
    ASSERT_NE(colortabelle, nullptr);  // the session's color(1) built it
    EXPECT_EQ(farbtabelle_anzahl, 256);
    // Everything is an index here; 300 is none and leaves the colour.
    testing::internal::CaptureStdout();
    color(2);
    color(300);
    fflush(stdout);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_NE(aus.find("ERROR in color(): Farbe 300 nicht in der Farbtabelle (0..255)"), std::string::npos);
    EXPECT_EQ(mal_farbe, 2);
    EXPECT_EQ(vordergrund(), colortabelle[2].pixel);
}

TEST(Farbtabelle, KleineTabelleAufTiefemSchirmUndDirekteFarben)
{
    Malflaeche m;
    // Before any table every value on a 24-bit screen is direct.
    EXPECT_EQ(colortabelle, nullptr);
    color(0x123456);
    EXPECT_EQ(vordergrund(), 0x123456u);
    setmaxfarben(16);
    setcolor(3, 0, 255, 0);
    EXPECT_EQ(farbtabelle_anzahl, 16);
    color(15);
    EXPECT_EQ(vordergrund(), 0x505050u);
    color(16);  // past the table: a direct pixel value
    EXPECT_EQ(vordergrund(), 16u);
    EXPECT_EQ(mal_farbe, 16);
    ifillbox(0, 0, 1, 1);
    EXPECT_EQ(m.pixel(0, 0), 16u);
    // Raising the bound later does not grow the table: 20 is refused.
    setmaxfarben(100);
    testing::internal::CaptureStdout();
    color(20);
    color(-1);
    int r = -1, g = -1, b = -1;
    getcolor(20, &r, &g, &b);
    fflush(stdout);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(vordergrund(), 16u);
    EXPECT_EQ(mal_farbe, 16);
    EXPECT_EQ(r + g + b, 0);  // out of range reads as black
    EXPECT_NE(aus.find("ERROR in getcolor(): Farbe 20 nicht in der Farbtabelle (0..15)"), std::string::npos);
    EXPECT_NE(aus.find("Farbe 20 nicht in der Farbtabelle (0..15)"), std::string::npos);
}

TEST(Farbtabelle, SetzergbtabelleBegrenztAufZweiunddreissig)
{
    char rgb[40 * 3];
    for (int i = 0; i < 40 * 3; ++i) rgb[i] = static_cast<char>(i + 1);
    testing::internal::CaptureStdout();
    int schwarz = setzergbtabelle(40, rgb);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "setzergbtabelle(40..): auf 32 beschraenkt\n");
    EXPECT_EQ(schwarz, 0);
    EXPECT_EQ(rgbtabelle[31][2], 96);
    char null[3] = {0, 0, 0};
    EXPECT_EQ(setzergbtabelle(1, null), 1);
    EXPECT_EQ(rgbtabelle[1][0], 4);  // only entry 0 replaced
}

TEST(Farbtabelle, WeisserHintergrundTauschtSchwarzUndWeiss)
{
    setzehintergrundweiss();
    EXPECT_EQ(hintergrundistschwarz, 0);
    int r, g, b;
    getcolor(0, &r, &g, &b);
    EXPECT_EQ(r + g + b, 3 * 255);
    getcolor(1, &r, &g, &b);
    EXPECT_EQ(r + g + b, 0);
}

TEST(Farbtabelle, OhneDisplayKeineArbeit)
{
    std::string aus = ausgabe_von([] { setcolor(1, 2, 3, 4); });
    EXPECT_EQ(aus, "setcolor geht erst nach 'inital()'\n");
    EXPECT_EQ(colortabelle, nullptr);
    aus = ausgabe_von([] {
        color(2);
        color(3);
        drawmode(3);
    });
    EXPECT_EQ(aus, "ERROR in color(): kein Display offen, zuerst inital() aufrufen\n");
    EXPECT_EQ(mal_farbe, -1);
}
