// Pens: names, dash patterns and thickness on the screen and in PostScript,
// colours in PostScript, and complement drawing.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/malflaeche.h"
#include "xmalwerk1/xmalwerk1.h"
#include "xmalwerk1/core/intern.h"

#include <string>

using testhilfe::Malflaeche;
using testhilfe::PostscriptMitschnitt;

namespace {

// A horizontal pixel line from x 10 to 80 in row y.
void waagrecht(int y)
{
    int x[2] = {10, 80}, yy[2] = {y, y};
    iline(2, x, yy);
}

std::string wiederholt(const std::string &s, size_t laenge)
{
    std::string r;
    while (r.size() < laenge) r += s;
    return r.substr(0, laenge);
}

unsigned long vordergrund(int *funktion = nullptr)
{
    XGCValues w;
    XGetGCValues(dpy, gc, GCForeground | GCFunction, &w);
    if (funktion) *funktion = w.function;
    return w.foreground;
}

}  // namespace

TEST(Stiftnamen, TabelleDickeUndUnbekannteNamen)
{
    EXPECT_EQ(stift_code("NO", 0x40), 0x40);
    EXPECT_EQ(stift_code("PU", 0x40), 0x61);
    EXPECT_EQ(stift_code("DOTTED", 0x40), 0x61);
    EXPECT_EQ(stift_code("DD", 0x40), 0x62);
    EXPECT_EQ(stift_code("SD", 0x40), 0x63);
    EXPECT_EQ(stift_code("PP", 0x40), 0x65);
    EXPECT_EQ(stift_code("MS", 0x40), 0x67);
    // L with anything but P is a long dash, LP the long dot-dash.
    EXPECT_EQ(stift_code("LX", 0x40), 0x64);
    EXPECT_EQ(stift_code("L", 0x40), 0x64);
    EXPECT_EQ(stift_code("LP", 0x40), 0x66);
    // FE and BO thicken and keep the style; the others keep the thickness,
    // except the thin solid pen and unknown names.
    EXPECT_EQ(stift_code("FE", 0x61), 0x161);
    EXPECT_EQ(stift_code("BOLD", 0x40), 0x140);
    EXPECT_EQ(stift_code("KS", 0x161), 0x163);
    EXPECT_EQ(stift_code("NO", 0x161), 0x40);
    EXPECT_EQ(stift_code("XY", 0x163), 0x40);
    EXPECT_EQ(stift_code("", 0x163), 0x40);
    EXPECT_EQ(stift_code(nullptr, 0x163), 0x40);
    EXPECT_EQ(stift_code("no", 0x40), 0x40);  // names are upper case
}

TEST(StiftMuster, StricheLassenLueckenWoIhreElementeSagen)
{
    Malflaeche m;
    waagrecht(10);
    EXPECT_EQ(m.zeile(10, 10, 80, m.weiss()), std::string(71, '#'));
    // Round caps lengthen every dash by one pixel and shorten every gap.
    // (The line's last few pixels are left out: a dash cut by the end.)
    mal_pen("DO");  // 2 on, 5 off
    waagrecht(20);
    EXPECT_EQ(m.zeile(20, 10, 75, m.weiss()), wiederholt("###....", 66));
    pen("KS");  // 8, 3
    waagrecht(30);
    EXPECT_EQ(m.zeile(30, 10, 75, m.weiss()), wiederholt("#########..", 66));
    pen("PS");  // 8, 5, 2, 5
    waagrecht(40);
    EXPECT_EQ(m.zeile(40, 10, 75, m.weiss()), wiederholt("#########....###....", 66));
    // Thick dotted: three rows of dashes two pixels wider.
    pen("PU");
    pen("FE");
    EXPECT_EQ(pattern, 0x161);
    waagrecht(60);
    for (int y = 59; y <= 61; ++y) EXPECT_EQ(m.zeile(y, 9, 75, m.weiss()), wiederholt("#####..", 67)) << y;
    EXPECT_EQ(m.zaehlen(0, 62, 100, 62, m.weiss()), 0);
    // NO after all that: thin and solid again.
    pen("NO");
    waagrecht(70);
    EXPECT_EQ(m.zeile(70, 10, 80, m.weiss()), std::string(71, '#'));
    EXPECT_EQ(m.zaehlen(0, 71, 100, 71, m.weiss()), 0);
}

TEST(StiftMuster, GeaenderteBeschreibungOhneElementeWirdDurchgehend)
{
    Malflaeche m;
    unsigned char kaputt[8] = {2, 1, 0, 4};  // X refuses a dash of length 0
    unsigned char *alt = gestrichelt[3];
    gestrichelt[3] = kaputt;
    setpattern(0x64);
    waagrecht(10);
    EXPECT_EQ(m.zeile(10, 10, 80, m.weiss()), std::string(71, '#'));
    gestrichelt[3] = alt;
}

TEST(StiftMuster, AusstehenderLinienzugBekommtDasNeueMuster)
{
    Malflaeche m;
    q2plot(10, 100, 3);
    q2plot(80, 100, 2);
    setpattern(0x61);  // does not flush
    mal_flush();
    EXPECT_EQ(m.zeile(m.zeile_von(100), 10, 75, m.weiss()), wiederholt("###....", 66));
}

TEST(PostscriptStift, MusterwechselSchreibenBreiteUndStriche)
{
    Malflaeche m;
    PostscriptMitschnitt ps;
    setpattern(0x61);
    EXPECT_EQ(ps.inhalt(), "[2 5 ] 0 setdash\n");
    ps.leeren();
    setpattern(0x61);  // the stored value: nothing
    EXPECT_EQ(ps.inhalt(), "");
    setpattern(0x161);
    EXPECT_EQ(ps.inhalt(), "3 setlinewidth [2 5 ] 0 setdash\n");
    ps.leeren();
    setpattern(0x40);
    EXPECT_EQ(ps.inhalt(), "1 setlinewidth [] 0 setdash\n");
    ps.leeren();
    setpattern(0x42);
    setpattern(0x45);
    EXPECT_EQ(ps.inhalt(), "[8 5 2 5 ] 0 setdash\n[8 5 2 5 2 5 ] 0 setdash\n");
    ps.leeren();
    malwerk_postflag = 0;  // another format: no PostScript
    setpattern(0x140);
    EXPECT_EQ(ps.inhalt(), "");
}

TEST(PostscriptFarbe, GrauWirdAufPapierUmgekehrt)
{
    Malflaeche m;
    farbtabelle_erstellen();
    PostscriptMitschnitt ps;
    color(1);
    color(2);
    color(7);
    EXPECT_EQ(ps.inhalt(), "0.000000 0.000000 0.000000 setrgbcolor\n"
                           "1.000000 0.000000 0.000000 setrgbcolor\n"
                           "0.501961 0.501961 0.501961 setrgbcolor\n");
    ps.leeren();
    rgbcolor(0, 15, 255);  // 0xFFF is below the table bound: an index
    color(0x33FF00);       // above it: direct
    // Entry 4095 is mid grey, 0x8000 / 65535, turned round for paper.
    EXPECT_EQ(ps.inhalt(), "0.499992 0.499992 0.499992 setrgbcolor\n"
                           "0.200000 1.000000 0.000000 setrgbcolor\n");
    ps.leeren();
    setcolor(0, 255, 255, 255);  // white paper background: greys as they are
    color(1);
    EXPECT_EQ(ps.inhalt(), "1.000000 1.000000 1.000000 setrgbcolor\n");
}

TEST(Zeichenmodus, KomplementZweimalStelltDasBildWiederHer)
{
    Malflaeche m;
    farbtabelle_erstellen();
    color(2);
    ifillbox(0, 0, 49, 49);
    unsigned long rot = colortabelle[2].pixel;
    drawmode(3);
    drawmode(3);
    int funktion;
    EXPECT_EQ(vordergrund(&funktion), 0xFFFFFFu);  // colour 0 is black: colour 1
    EXPECT_EQ(funktion, GXxor);
    ifillbox(20, 20, 79, 79);
    EXPECT_EQ(m.pixel(30, 30), rot ^ 0xFFFFFF);
    EXPECT_EQ(m.pixel(60, 60), m.weiss());
    ifillbox(20, 20, 79, 79);
    EXPECT_EQ(m.zaehlen(0, 0, 49, 49, rot), 50 * 50);
    EXPECT_EQ(m.zaehlen(50, 0, 99, 99, m.schwarz()), 50 * 100);
    drawmode(1);
    EXPECT_EQ(vordergrund(&funktion), rot);
    EXPECT_EQ(funktion, GXcopy);
    testing::internal::CaptureStdout();
    drawmode(7);  // with a colour table: silently nothing
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(Zeichenmodus, OhneFarbtabelleDirekteFarbe)
{
    Malflaeche m;
    ASSERT_EQ(colortabelle, nullptr);
    color(0x00FF00);
    drawmode(3);
    int funktion;
    EXPECT_EQ(vordergrund(&funktion), 0xFFFFFFu);
    EXPECT_EQ(funktion, GXxor);
    drawmode(2);
    EXPECT_EQ(vordergrund(&funktion), 0x00FF00u);
    EXPECT_EQ(funktion, GXcopy);
    testing::internal::CaptureStdout();
    drawmode(0);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error in drawmode(): wrong mode=0\n");
}
