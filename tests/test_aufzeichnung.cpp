// A picture drawn through the pen plotter on a private Xvfb and recorded at
// the same time, in each of the three formats: the file must hold the lines
// where the screen shows them, in their colours.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using testhilfe::datei_lesen;

namespace {

const double xmin = -5, ymin = -4, xmax = 5, ymax = 4;

struct Bildschirmfoto {
    int breite = 0, hoehe = 0;
    std::vector<unsigned long> pixel;
    unsigned long at(int x, int y) const { return pixel[static_cast<size_t>(y) * breite + x]; }
};

struct Aufnahme {
    testhilfe::XvfbServer x{1280, 1024, 24};
    testhilfe::Arbeitsverzeichnis d;
    testhilfe::Verzeichniswechsel wd{d.pfad()};
    testhilfe::Umgebung env{"ENV", nullptr};
    testhilfe::Umgebung name{"PLOTSAVE", nullptr};
    Bildschirmfoto schirm;
    unsigned long rot = 0, gruen = 0;

    // Draws a red triangle and a green line with q2plot while art is
    // recorded, photographs the window, and ends the session (which closes
    // the file).
    explicit Aufnahme(const char *art)
    {
        x.als_display_setzen();
        setsize(500, 400, 24);
        testing::internal::CaptureStdout();  // the axis report of TELL-A-GRAF
        plotsave(art);
        qinital(1, xmin, ymin, xmax, ymax);
        setcolor(2, 255, 0, 0);
        rot = colortabelle[2].pixel;
        gruen = colortabelle[3].pixel;
        color(2);
        q2plot(-4, -3, 3);
        q2plot(4, -3, 2);
        q2plot(0, 3, 2);
        q2plot(-4, -3, 2);
        color(3);
        q2plot(-4, 3.5, 3);
        q2plot(-1, 3.5, 2);
        mal_flush();
        color(6);  // the text in a colour of its own: its glyphs differ on paper
        schrift(1, -1.5, "Probe (1)", 0);
        XSync(dpy, False);
        XImage *bild = XGetImage(dpy, win10, 0, 0, static_cast<unsigned>(breite), static_cast<unsigned>(hoehe),
                                 AllPlanes, ZPixmap);
        schirm.breite = breite;
        schirm.hoehe = hoehe;
        for (int py = 0; py < hoehe; ++py)
            for (int px = 0; px < breite; ++px) schirm.pixel.push_back(XGetPixel(bild, px, py));
        XDestroyImage(bild);
        term_exit();
        testing::internal::GetCapturedStdout();
    }

    // Whether the screen shows wert within one pixel of user point (ux, uy).
    bool auf_dem_schirm(double ux, double uy, unsigned long wert) const
    {
        int px, py;
        koorduser2pix(ux, uy, &px, &py);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                int qx = px + dx, qy = py + dy;
                if (qx >= 0 && qy >= 0 && qx < schirm.breite && qy < schirm.hoehe && schirm.at(qx, qy) == wert)
                    return true;
            }
        return false;
    }

    // Screen pixels of colour wert, every schritt-th of them.
    std::vector<std::pair<int, int>> schirmpixel(unsigned long wert, int schritt = 5) const
    {
        std::vector<std::pair<int, int>> p;
        int n = 0;
        for (int py = 0; py < schirm.hoehe; ++py)
            for (int px = 0; px < schirm.breite; ++px)
                if (schirm.at(px, py) == wert && n++ % schritt == 0) p.emplace_back(px, py);
        return p;
    }
};

// Whether the rendered picture has a pixel of about the colour (r, g, b)
// within two pixels of (x, y).
bool farbe_nahe(const testhilfe::RgbBild &b, double x, double y, int r, int g, int bl)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            int qx = int(x) + dx, qy = int(y) + dy;
            if (!b.innen(qx, qy)) continue;
            const uint8_t *p = b.pixel(qx, qy);
            if (std::abs(p[0] - r) < 80 && std::abs(p[1] - g) < 80 && std::abs(p[2] - bl) < 80) return true;
        }
    return false;
}

}  // namespace

TEST(Aufzeichnung, IffDurchDenStiftplotter)
{
    Aufnahme a("IFF");
    auto f = testhilfe::iff_lesen("BILD.TMP");
    EXPECT_EQ(f.fehler, "");
    ASSERT_EQ(f.linien.size(), 2u);
    EXPECT_EQ(f.linien[0].farbe, 2);
    EXPECT_EQ(f.linien[0].punkte.size(), 4u);
    EXPECT_EQ(f.linien[1].farbe, 3);
    EXPECT_EQ(f.linien[1].punkte.size(), 2u);
    EXPECT_EQ(f.breite, static_cast<unsigned>(breite));
    EXPECT_EQ(f.hoehe, static_cast<unsigned>(hoehe));
    // Every point and every segment of the file lies on the screen's line
    // of the record's colour.
    for (const auto &l : f.linien) {
        unsigned long wert = l.farbe == 2 ? a.rot : a.gruen;
        for (size_t i = 0; i < l.punkte.size(); ++i) {
            double ux = xmin + l.punkte[i].first * (xmax - xmin) / f.uxmax;
            double uy = ymin + l.punkte[i].second * (ymax - ymin) / f.uymax;
            EXPECT_TRUE(a.auf_dem_schirm(ux, uy, wert)) << ux << " " << uy;
            if (i == 0) continue;
            double vx = xmin + l.punkte[i - 1].first * (xmax - xmin) / f.uxmax;
            double vy = ymin + l.punkte[i - 1].second * (ymax - ymin) / f.uymax;
            EXPECT_TRUE(a.auf_dem_schirm((ux + vx) / 2, (uy + vy) / 2, wert));
        }
    }
}

TEST(Aufzeichnung, PostScriptDurchDenStiftplotter)
{
    Aufnahme a("POST");
    testhilfe::RgbBild b;
    std::string meldungen;
    ASSERT_EQ(testhilfe::eps_rendern("BILD.TMP", 144, &b, &meldungen), 0) << meldungen << datei_lesen("BILD.TMP");
    EXPECT_EQ(meldungen.find("Error"), std::string::npos) << meldungen;
    ASSERT_GT(b.breite, 0);
    // Where the screen has a red or green pixel, the paper has that colour.
    struct Farbe {
        unsigned long schirm;
        int r, g, bl;
    };
    for (Farbe f : {Farbe{a.rot, 255, 0, 0}, Farbe{a.gruen, 0, 255, 0}}) {
        auto pixel = a.schirmpixel(f.schirm);
        ASSERT_GT(pixel.size(), 10u);
        size_t getroffen = 0;
        for (auto [px, py] : pixel) {
            double ux, uy;
            koordpix2user(px, py, &ux, &uy);
            auto p = testhilfe::eps_bildpunkt(ux, uy, xmin, ymin, xmax, ymax, 144);
            getroffen += farbe_nahe(b, p.x, p.y, f.r, f.g, f.bl);
        }
        EXPECT_EQ(getroffen, pixel.size());
    }
    // And nothing red where the screen has none: inside the triangle.
    auto innen = testhilfe::eps_bildpunkt(0, -1, xmin, ymin, xmax, ymax, 144);
    EXPECT_FALSE(farbe_nahe(b, innen.x, innen.y, 255, 0, 0));
}

TEST(Aufzeichnung, TellAGrafDurchDenStiftplotter)
{
    Aufnahme a("TELLAGRAF");
    std::string text = datei_lesen("BILD.TMP");
    EXPECT_NE(text.find("X MINIMUM -5 MAXIMUM 5.\nY MINIMUM 0 MAXIMUM 4.\nINPUT DATA.\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\"1\"\n\n-4 -3 4 -3 0 3 -4 -3 \n\"2\"\n\n-4 3.5 -1 3.5 \nEOD.\nGO.\n"), std::string::npos)
        << text;
    // The curves are the screen's lines.
    EXPECT_TRUE(a.auf_dem_schirm(0, -3, a.rot));
    EXPECT_TRUE(a.auf_dem_schirm(2, 0, a.rot));
    EXPECT_TRUE(a.auf_dem_schirm(-2.5, 3.5, a.gruen));
    EXPECT_TRUE(testhilfe::datei_existiert("tella.fdl"));
}
