// Encapsulated PostScript files: the prologue, path cutting, and every file
// rendered with Ghostscript, which must accept it and draw the lines where
// the user box puts them.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/malflaeche.h"
#include "hilfe/plotdateien.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using testhilfe::datei_lesen;
using testhilfe::RgbBild;
using testhilfe::zeilen;
using testhilfe::anzahl;

namespace {

const int dpi = 144;

struct EpsBild {
    testhilfe::Arbeitsverzeichnis d;
    testhilfe::Verzeichniswechsel wd{d.pfad()};
    double xmin, ymin, xmax, ymax;
    EpsBild(double x0, double y0, double x1, double y1) : xmin(x0), ymin(y0), xmax(x1), ymax(y1)
    {
        testhilfe::bild_ohne_fenster(xmin, ymin, xmax, ymax);
        malwerk_iffflag = 0;
        malwerk_postflag = 1;
    }
    testhilfe::BildPunkt punkt(double x, double y) const
    {
        return testhilfe::eps_bildpunkt(x, y, xmin, ymin, xmax, ymax, dpi);
    }
    // Whether a dark pixel lies within radius pixels of user point (x, y).
    bool dunkel_bei(const RgbBild &b, double x, double y, int radius) const
    {
        auto p = punkt(x, y);
        return testhilfe::dunkel_nahe(b, p.x, p.y, radius);
    }
    // Whether the segment from (x0, y0) to (x1, y1) is drawn: dark pixels
    // near every point along it.
    bool strecke_sichtbar(const RgbBild &b, double x0, double y0, double x1, double y1) const
    {
        for (int i = 0; i <= 20; ++i) {
            double t = i / 20.0;
            if (!dunkel_bei(b, x0 + t * (x1 - x0), y0 + t * (y1 - y0), 2)) return false;
        }
        return true;
    }
};

// Renders the file; a failure of Ghostscript fails the test.
RgbBild gerendert(const std::string &datei)
{
    RgbBild b;
    std::string meldungen;
    int status = testhilfe::eps_rendern(datei, dpi, &b, &meldungen);
    EXPECT_EQ(status, 0) << meldungen << "\n--- " << datei << " ---\n" << datei_lesen(datei);
    EXPECT_EQ(meldungen.find("Error"), std::string::npos) << meldungen;
    EXPECT_GT(b.breite, 0);
    return b;
}

// User coordinates are the window's pixels: a light-blue disc, a white
// ring on it and a yellow line across both, on black.
const int B = 400, H = 300;

void scheibe_ring_linie()
{
    setcolor(4, 100, 150, 255);  // colour numbers from now on index the table
    screenclear(0);
    color(4);
    fillcircle(200, 150, 80, 80);
    color(1);
    drawcircle(200, 150, 40, 40);
    color(6);
    q2plot(100, 150, 3);
    q2plot(300, 150, 2);
    PLOT_FLUSH();
}

// Whether a pixel within radius pixels of p has about the colour rgb.
bool farbe_nahe(const RgbBild &b, testhilfe::BildPunkt p, unsigned long rgb, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            int x = int(p.x) + dx, y = int(p.y) + dy;
            if (!b.innen(x, y)) continue;
            bool gleich = true;
            for (int k = 0; k < 3; ++k)
                gleich = gleich && std::abs(b.pixel(x, y)[k] - int((rgb >> (16 - 8 * k)) & 255)) < 40;
            if (gleich) return true;
        }
    return false;
}

size_t dunkle_pixel(const RgbBild &b)
{
    size_t n = 0;
    for (int y = 0; y < b.hoehe; ++y)
        for (int x = 0; x < b.breite; ++x) n += !b.weiss(x, y);
    return n;
}

}  // namespace

TEST(PostScriptDatei, PrologUndSeitenmassstab)
{
    EpsBild bild(-2, -1, 3, 2);
    bildopen("prolog.eps");
    EXPECT_DOUBLE_EQ(psxkor(-2), 0);
    EXPECT_DOUBLE_EQ(psxkor(3), 750);
    EXPECT_DOUBLE_EQ(psykor(-1), 0);
    EXPECT_DOUBLE_EQ(psykor(2), 558);
    bildclose();
    auto z = zeilen(datei_lesen("prolog.eps"));
    std::vector<std::string> erwartet = {
        "%!PS-Adobe-2.0 EPSF-1.2",
        "%%Creator: xmalwerk1 Version 2.89",
        "%%BoundingBox: -10 -19 564 788",
        "save",
        "/m /moveto load def",
        "/d /lineto load def",
        "/s /stroke load def",
        "/dsm {2 copy lineto stroke moveto} bind def",
        "/Helvetica findfont 15 scalefont setfont",
        "0 750 translate  -90 rotate",
    };
    ASSERT_GE(z.size(), erwartet.size() + 1);
    for (size_t i = 0; i < erwartet.size(); ++i) EXPECT_EQ(z[i], erwartet[i]);
    EXPECT_EQ(z[z.size() - 2], " showpage");
    EXPECT_EQ(z.back(), "restore");
    RgbBild b = gerendert("prolog.eps");
    EXPECT_EQ(dunkle_pixel(b), 0u);
    // The picture is the bounding box: 574 x 807 points.
    EXPECT_NEAR(b.breite, 574 * dpi / 72, 2);
    EXPECT_NEAR(b.hoehe, 807 * dpi / 72, 2);
}

TEST(PostScriptDatei, EinzelneStreckeWirdGezeichnet)
{
    // A file whose only path is one segment must still stroke it.
    EpsBild bild(0, 0, 10, 10);
    bildopen("strecke.eps");
    bildplot(1, 2, 3);
    bildplot(8, 6, 2);
    bildclose();
    std::string text = datei_lesen("strecke.eps");
    EXPECT_NE(text.find(" 75.00 111.60 m  600.00 334.80 d s\n showpage"), std::string::npos) << text;
    RgbBild b = gerendert("strecke.eps");
    EXPECT_TRUE(bild.strecke_sichtbar(b, 1, 2, 8, 6));
    // Nothing elsewhere: the far corner stays white.
    EXPECT_FALSE(bild.dunkel_bei(b, 9, 1, 4));
}

TEST(PostScriptDatei, HundertfuenfzigStriche)
{
    EpsBild bild(0, 0, 150, 100);
    bildopen("lang.eps");
    bildplot(0, 10, 3);
    for (int i = 1; i <= 150; ++i) bildplot(i, 10 + (i % 2) * 80, 2);
    bildplot(0, 5, 3);
    bildplot(150, 5, 2);
    bildclose();
    std::string datei = datei_lesen("lang.eps");
    std::string text = datei.substr(datei.find("rotate\n") + 7);
    EXPECT_EQ(anzahl(text, "dsm"), 1u);
    EXPECT_EQ(anzahl(text, " d"), 151u);
    // After the 100th draw of the polyline.
    std::string hundert = " 500.00 55.80 dsm";  // (100, 10) on the page
    EXPECT_NE(text.find(hundert), std::string::npos) << text;
    EXPECT_EQ(anzahl(text.substr(0, text.find(hundert)), " d"), 99u);
    // The polyline ends with " s" and a line end at the next move.
    EXPECT_NE(text.find(" 750.00 55.80 d s\n 0.00 27.90 m "), std::string::npos) << text;
    // At most four items on a line.
    for (const auto &z : zeilen(text))
        EXPECT_LE(anzahl(z, " d") + anzahl(z, " m "), 4u) << z;
    RgbBild b = gerendert("lang.eps");
    // Segments before and after the cut are drawn, and the last line.
    EXPECT_TRUE(bild.strecke_sichtbar(b, 99, 90, 100, 10 + 0));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 100, 10, 101, 90));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 149, 90, 150, 10));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 0, 5, 150, 5));
}

TEST(PostScriptDatei, LinienLiegenWoDerKastenSieHinlegt)
{
    // A frame just inside the box, a cross and a short mark at a known
    // place: they land on the page where the landscape mapping says.
    EpsBild bild(-4, -3, 4, 3);
    bildopen("lage.eps");
    bildplot(-3.9, -2.9, 3);
    bildplot(3.9, -2.9, 2);
    bildplot(3.9, 2.9, 2);
    bildplot(-3.9, 2.9, 2);
    bildplot(-3.9, -2.9, 2);
    bildplot(-4, 0, 3);
    bildplot(4, 0, 2);
    bildplot(0, -3, 3);
    bildplot(0, 3, 2);
    bildplot(2, 1, 3);
    bildplot(3, 1, 2);
    bildclose();
    RgbBild b = gerendert("lage.eps");
    EXPECT_TRUE(bild.strecke_sichtbar(b, -3.9, -2.9, 3.9, -2.9));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 3.9, -2.9, 3.9, 2.9));
    EXPECT_TRUE(bild.strecke_sichtbar(b, -3.9, 2.9, -3.9, -2.9));
    EXPECT_TRUE(bild.strecke_sichtbar(b, -4, 0, 4, 0));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 0, -3, 0, 3));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 2, 1, 3, 1));
    // Empty places stay empty: the mark is not mirrored.
    for (auto [x, y] : {std::pair{-2.5, 1.0}, {2.5, -1.0}, {-2.5, -1.0}, {1.5, 2.0}}) {
        EXPECT_FALSE(bild.dunkel_bei(b, x, y, 3)) << x << " " << y;
    }
}

TEST(PostScriptDatei, StrichNachPfadendeGehtVomLetztenPunktWeiter)
{
    // Between two draws of one polyline a colour change ends the path in
    // the file (the pen goes on from the last point); the next draw must
    // start a new path there instead of drawing from no current point.
    EpsBild bild(0, 0, 10, 10);
    bildopen("weiter.eps");
    bildplot(1, 1, 3);
    bildplot(5, 1, 2);
    bildplot(0, 0, 4);
    fprintf(malwerk_fpbild, "1.000000 0.000000 0.000000 setrgbcolor\n");
    bildplot(5, 8, 2);
    bildplot(0, 0, 4);
    // A text shown in between moves the current point; the draw after it
    // still starts at the last point of the polyline.
    fprintf(malwerk_fpbild, " 10.00 10.00 m (Text) show\n");
    bildplot(9, 8, 2);
    bildclose();
    RgbBild b = gerendert("weiter.eps");
    EXPECT_TRUE(bild.strecke_sichtbar(b, 1, 1, 5, 1));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 5, 1, 5, 8));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 5, 8, 9, 8));
    auto mitte = bild.punkt(5, 4.5);
    const uint8_t *p = nullptr;
    for (int dx = -2; dx <= 2 && !p; ++dx)
        if (!b.weiss(int(mitte.x) + dx, int(mitte.y))) p = b.pixel(int(mitte.x) + dx, int(mitte.y));
    ASSERT_NE(p, nullptr);
    EXPECT_GT(p[0], 150);  // red
    EXPECT_LT(p[1], 100);
}

TEST(PostScriptDatei, ErsterStrichOhneBewegungBeginntDort)
{
    EpsBild bild(0, 0, 10, 10);
    bildopen("ohne_m.eps");
    bildplot(2, 2, 2);
    bildplot(8, 2, 2);
    bildclose();
    RgbBild b = gerendert("ohne_m.eps");
    EXPECT_TRUE(bild.strecke_sichtbar(b, 2, 2, 8, 2));
    EXPECT_FALSE(bild.dunkel_bei(b, 1, 1, 3));
}

TEST(PostScriptDatei, ZweiteDateiBeginntMitFrischemPfad)
{
    EpsBild bild(0, 0, 10, 10);
    bildopen("a.eps");
    bildplot(1, 1, 3);
    for (int i = 0; i < 60; ++i) bildplot(1 + (i % 2) * 8, 1 + i * 0.1, 2);
    // The next picture begins with draws, without a move: they must not
    // start at the last point of a.eps, (9, 6.9).
    bildopen("b.eps");  // closes a.eps first
    bildplot(2, 5, 2);
    bildplot(8, 5.05, 2);
    bildclose();
    EXPECT_NE(datei_lesen("a.eps").find("showpage"), std::string::npos);
    RgbBild a = gerendert("a.eps");
    RgbBild b = gerendert("b.eps");
    EXPECT_TRUE(bild.strecke_sichtbar(a, 1, 1, 9, 1.1));
    EXPECT_TRUE(bild.strecke_sichtbar(b, 2, 5, 8, 5.05));
    for (auto [x, y] : {std::pair{5.5, 5.95}, {5.0, 1.05}}) {
        EXPECT_FALSE(bild.dunkel_bei(b, x, y, 2)) << x << " " << y;
    }
}

// Recorded as the screen shows it: each colour where the window has it.
TEST(PostScriptDatei, BildAufzeichnenZeigtWasDerBildschirmZeigt)
{
    testhilfe::Malflaeche m(B, H);
    testhilfe::Arbeitsverzeichnis v;
    const std::string datei = v.datei("bild.eps");
    ASSERT_TRUE(bild_aufzeichnen("POST", datei.c_str(), scheibe_ring_linie));
    RgbBild b = gerendert(datei);
    struct Probe {
        double x, y;
        unsigned long rgb;
        int radius;
    } proben[] = {
        {200, 90, 0x6496ff, 0}, {200, 215, 0x6496ff, 0}, {150, 120, 0x6496ff, 0},  // the disc
        {200, 190, 0xffffff, 2}, {200, 110, 0xffffff, 2}, {224, 182, 0xffffff, 2},  // the ring
        {130, 150, 0xffff00, 2}, {200, 150, 0xffff00, 2}, {290, 150, 0xffff00, 2},  // the line, over the disc
        {20, 20, 0x000000, 0}, {380, 280, 0x000000, 0},  // the background
    };
    for (const Probe &p : proben) {
        EXPECT_EQ(m.pixel(int(p.x), m.zeile_von(p.y)) & 0xffffff, p.rgb) << p.x << " " << p.y;
        EXPECT_TRUE(farbe_nahe(b, testhilfe::eps_bildschirmpunkt(p.x, p.y, B, H, dpi), p.rgb, p.radius))
            << p.x << " " << p.y;
    }
    EXPECT_TRUE(farbe_nahe(b, {2, 2}, 0x000000, 0));
}

// Discs stay round whatever the window's shape, and the picture keeps the
// window's proportions (turned: its width runs down the page).
TEST(PostScriptDatei, BildAufzeichnenHaeltKreiseRund)
{
    for (auto [b, h] : {std::pair{400, 400}, {600, 200}, {300, 500}}) {
        testhilfe::Malflaeche m(b, h);
        testhilfe::Arbeitsverzeichnis v;
        const std::string datei = v.datei("kreis.eps");
        ASSERT_TRUE(bild_aufzeichnen("POST", datei.c_str(), [b = b, h = h] {
            setcolor(4, 100, 150, 255);
            screenclear(0);
            color(4);
            fillcircle(b / 2, h / 2, 90, 90);
        }));
        RgbBild bild = gerendert(datei);
        int x0 = bild.breite, x1 = -1, y0 = bild.hoehe, y1 = -1;
        for (int y = 0; y < bild.hoehe; ++y)
            for (int x = 0; x < bild.breite; ++x)
                if (bild.pixel(x, y)[2] > 200 && bild.pixel(x, y)[0] < 150) {
                    x0 = std::min(x0, x), x1 = std::max(x1, x);
                    y0 = std::min(y0, y), y1 = std::max(y1, y);
                }
        EXPECT_NEAR(double(x1 - x0 + 1) / (y1 - y0 + 1), 1, 0.02) << b << "x" << h;
        EXPECT_NEAR(double(bild.hoehe) / bild.breite, double(b) / h, 0.02) << b << "x" << h;
    }
}

// Recording every picture stays as it was: lines and colours turned for
// paper, no shapes, no background, the user box filling the page box, also
// after a picture recorded as the screen shows it.
TEST(PostScriptDatei, PlotsaveZeichnetKeineFormenAuf)
{
    testhilfe::Malflaeche m(B, H);
    testhilfe::Arbeitsverzeichnis v;
    testhilfe::Verzeichniswechsel wd{v.pfad()};
    testhilfe::Umgebung env{"ENV", nullptr}, name{"PLOTSAVE", nullptr};
    ASSERT_TRUE(bild_aufzeichnen("POST", "schirm.eps", [] {}));
    plotsave("POST");
    EXPECT_DOUBLE_EQ(psxkor(B - 1), 750);
    EXPECT_DOUBLE_EQ(psykor(H - 1), 558);
    scheibe_ring_linie();
    double px[3] = {10, 50, 30}, py[3] = {10, 10, 40};
    fillpolygon(3, px, py);
    fillbox(10, 250, 40, 280);
    drawbox(10, 250, 40, 280);
    plotsave("OFF");
    std::string text = datei_lesen("BILD.TMP");
    for (const char *form : {"fill", "arc", "closepath", "newpath"})
        EXPECT_EQ(text.find(form), std::string::npos) << form << "\n" << text;
    EXPECT_NE(text.find(" d s\n"), std::string::npos) << text;  // the line
    EXPECT_NE(text.find("0.000000 0.000000 0.000000 setrgbcolor"), std::string::npos) << text;  // white as black
    EXPECT_EQ(zeilen(text)[2], "%%BoundingBox: -10 -19 564 788");
}
