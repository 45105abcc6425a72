// IFF vector files, read back with a reader of the tests' own.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstring>
#include <string>

using testhilfe::IffDatei;
using testhilfe::iff_lesen;

namespace {

struct IffBild {
    testhilfe::Arbeitsverzeichnis d;
    testhilfe::Verzeichniswechsel wd{d.pfad()};
    IffBild(double xmin, double ymin, double xmax, double ymax, int b = 640, int h = 480)
    {
        testhilfe::bild_ohne_fenster(xmin, ymin, xmax, ymax, b, h);
        malwerk_iffflag = 1;
        malwerk_postflag = 0;
    }
};

}  // namespace

TEST(IffDatei, EinzelneLinieIst122Bytes)
{
    IffBild bild(-1, -2, 3, 4);
    mal_farbe = 2;
    bildopen("linie.iff");
    ASSERT_NE(malwerk_fpbild, nullptr);
    EXPECT_EQ(qsaveflag, 1);
    bildplot(-1, -2, 3);
    bildplot(3, 4, 2);
    bildclose();
    EXPECT_EQ(malwerk_fpbild, nullptr);
    EXPECT_EQ(qsaveflag, 0);

    IffDatei f = iff_lesen("linie.iff");
    EXPECT_EQ(f.fehler, "");
    EXPECT_EQ(f.dateigroesse, 122u);
    EXPECT_EQ(f.formlaenge, 114u);
    EXPECT_EQ(f.formtyp, "VECT");
    EXPECT_EQ(f.chunks, (std::vector<std::string>{"CMAP", "BMHD", "VBDY"}));
    EXPECT_EQ(f.vbdylaenge, 14u);
    EXPECT_EQ(f.uxmax, 65000u);
    EXPECT_EQ(f.uymax, 49512u);
    ASSERT_EQ(f.linien.size(), 1u);
    EXPECT_EQ(f.linien[0].farbe, 2);
    ASSERT_EQ(f.linien[0].punkte.size(), 2u);
    EXPECT_EQ(f.linien[0].punkte[0], std::make_pair(0u, 0u));
    EXPECT_EQ(f.linien[0].punkte[1], std::make_pair(65000u, 49512u));
}

TEST(IffDatei, FarbtabelleUndBitmapKopf)
{
    IffBild bild(0, 0, 1, 1, 999, 699);
    bildopen("kopf.iff");
    bildclose();
    IffDatei f = iff_lesen("kopf.iff");
    EXPECT_EQ(f.fehler, "");
    // Only the header: 112 bytes, no record.
    EXPECT_EQ(f.dateigroesse, 112u);
    EXPECT_EQ(f.formlaenge, 104u);
    EXPECT_EQ(f.vbdylaenge, 4u);
    EXPECT_TRUE(f.linien.empty());
    // Colours 0 to 16 and the red byte of 17 of the default table.
    ASSERT_EQ(f.cmap.size(), 52u);
    const uint8_t schwarz_weiss_rot[9] = {0, 0, 0, 255, 255, 255, 255, 0, 0};
    EXPECT_EQ(memcmp(f.cmap.data(), schwarz_weiss_rot, 9), 0);
    EXPECT_EQ(f.cmap[7 * 3], 127);                                    // grey
    EXPECT_EQ(f.cmap[16 * 3 + 1], 255);                               // cyan
    EXPECT_EQ(f.cmap[51], 255);                                       // red of 17
    EXPECT_EQ(f.breite, 999u);
    EXPECT_EQ(f.hoehe, 699u);
    EXPECT_EQ(f.x, 0);
    EXPECT_EQ(f.y, 0);
    EXPECT_EQ(f.planes, 1u);
    EXPECT_EQ(f.masking, 0u);
    EXPECT_EQ(f.compression, 0u);
    EXPECT_EQ(f.transparent, 0u);
    EXPECT_EQ(f.xaspekt, 1u);
    EXPECT_EQ(f.yaspekt, 1u);
    EXPECT_EQ(f.seitenbreite, 999u);
    EXPECT_EQ(f.seitenhoehe, 699u);
    // The public record holds the same values.
    EXPECT_EQ(bmhd.w, 999);
    EXPECT_EQ(bmhd.pageHeight, 699);
}

TEST(IffDatei, DreihundertPunkteWerden255Und46)
{
    // One user unit is one file unit in this box.
    IffBild bild(0, 0, 65000, 49512);
    mal_farbe = 5;
    bildopen("lang.iff");
    bildplot(0, 0.4, 3);
    for (int i = 1; i < 300; ++i) bildplot(i * 100, i * 50 + 0.4, 2);
    bildclose();

    IffDatei f = iff_lesen("lang.iff");
    EXPECT_EQ(f.fehler, "");
    ASSERT_EQ(f.linien.size(), 2u);
    ASSERT_EQ(f.linien[0].punkte.size(), 255u);
    ASSERT_EQ(f.linien[1].punkte.size(), 46u);
    EXPECT_EQ(f.linien[1].punkte.front(), f.linien[0].punkte.back());
    EXPECT_EQ(f.linien[0].farbe, 5);
    EXPECT_EQ(f.linien[1].farbe, 5);
    // All 300 points in order, rounded to whole units.
    std::vector<std::pair<unsigned, unsigned>> alle = f.linien[0].punkte;
    alle.insert(alle.end(), f.linien[1].punkte.begin() + 1, f.linien[1].punkte.end());
    ASSERT_EQ(alle.size(), 300u);
    for (unsigned i = 0; i < 300; ++i) ASSERT_EQ(alle[i], std::make_pair(i * 100, i * 50)) << i;
    EXPECT_EQ(f.formlaenge, 104u + (2 + 4 * 255) + (2 + 4 * 46));
    EXPECT_EQ(f.vbdylaenge, 4u + (2 + 4 * 255) + (2 + 4 * 46));
}

TEST(IffDatei, BewegungenAllein)
{
    IffBild bild(0, 0, 10, 10);
    bildopen("zug.iff");
    // A move followed by a move writes nothing for the first.
    bildplot(1, 1, 3);
    bildplot(2, 2, 3);
    bildplot(3, 3, 2);
    bildplot(4, 4, 3);
    // Codes other than 2 and 3 record nothing and do not cut the polyline.
    bildplot(0, 0, 4);
    bildplot(5, 5, 2);
    bildplot(9, 9, 1);
    bildplot(9, 9, 0);
    bildplot(6, 6, 2);
    bildclose();
    IffDatei f = iff_lesen("zug.iff");
    EXPECT_EQ(f.fehler, "");
    ASSERT_EQ(f.linien.size(), 2u);
    EXPECT_EQ(f.linien[0].punkte.size(), 2u);
    EXPECT_EQ(f.linien[0].punkte[0], std::make_pair(13000u, 9902u));  // (2, 2): 2 * 6500, 2 * 4951.2
    ASSERT_EQ(f.linien[1].punkte.size(), 3u);
    EXPECT_EQ(f.linien[1].punkte[2], std::make_pair(39000u, 29707u));  // (6, 6)
}

TEST(IffDatei, PunkteAusserhalbDesKastensWerdenBegrenzt)
{
    IffBild bild(0, 0, 1, 1);
    bildopen("rand.iff");
    bildplot(-0.5, 0.5, 3);  // left of the box
    bildplot(2.0, 0.5, 2);   // 130000 units: beyond 16 bits
    bildplot(1.008, 1.3, 2); // 65520 across still fits, 64365.6 down too
    bildplot(1e12, -1e12, 2);
    bildplot(std::nan(""), 0.5, 2);
    bildclose();
    IffDatei f = iff_lesen("rand.iff");
    EXPECT_EQ(f.fehler, "");
    ASSERT_EQ(f.linien.size(), 1u);
    auto &p = f.linien[0].punkte;
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0], std::make_pair(0u, 24756u));
    EXPECT_EQ(p[1], std::make_pair(65535u, 24756u));
    EXPECT_EQ(p[2], std::make_pair(65520u, 64366u));
    EXPECT_EQ(p[3], std::make_pair(65535u, 0u));
    EXPECT_EQ(p[4], std::make_pair(0u, 24756u));
}

TEST(IffDatei, FarbeDesSatzesStammtAusDerBewegung)
{
    IffBild bild(0, 0, 10, 10);
    bildopen("farben.iff");
    mal_farbe = 3;
    bildplot(1, 1, 3);
    bildplot(2, 2, 2);
    mal_farbe = 4;  // changed in the middle: the record keeps its colour
    bildplot(0, 0, 4);
    bildplot(3, 3, 2);
    bildplot(4, 4, 3);
    bildplot(5, 5, 2);
    mal_farbe = 0x123456;  // a direct colour: its low byte
    bildplot(6, 6, 3);
    bildplot(7, 7, 2);
    bildclose();
    IffDatei f = iff_lesen("farben.iff");
    ASSERT_EQ(f.linien.size(), 3u);
    EXPECT_EQ(f.linien[0].farbe, 3);
    EXPECT_EQ(f.linien[0].punkte.size(), 3u);
    EXPECT_EQ(f.linien[1].farbe, 4);
    EXPECT_EQ(f.linien[2].farbe, 0x56);
}

TEST(IffDatei, NeueDateiSetztDenZugNichtFort)
{
    IffBild bild(0, 0, 10, 10);
    bildopen("erste.iff");
    bildplot(1, 1, 3);
    bildplot(9, 9, 2);
    // The next picture starts with draws without a move: its first point
    // begins its record, not the last point of the file before.
    bildopen("zweite.iff");
    IffDatei erste = iff_lesen("erste.iff");
    EXPECT_EQ(erste.fehler, "");
    EXPECT_EQ(erste.linien.size(), 1u);
    bildplot(5, 5, 2);
    bildplot(6, 5, 2);
    bildclose();
    IffDatei zweite = iff_lesen("zweite.iff");
    EXPECT_EQ(zweite.fehler, "");
    ASSERT_EQ(zweite.linien.size(), 1u);
    ASSERT_EQ(zweite.linien[0].punkte.size(), 2u);
    EXPECT_EQ(zweite.linien[0].punkte[0], std::make_pair(32500u, 24756u));
}

TEST(IffDatei, FfwriteSchreibtJedesStueckGrossEndian)
{
    testhilfe::Arbeitsverzeichnis d;
    std::string pfad = d.datei("roh");
    FILE *f = fopen(pfad.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    unsigned short worte[3] = {0x0102, 0x0304, 0xA0B0};
    ffwrite(reinterpret_cast<char *>(worte), 2, 3, f);
    int lang = 0x11223344;
    ffwrite(reinterpret_cast<char *>(&lang), 4, 1, f);
    double zahl = 1.0;  // 3F F0 00 ...
    ffwrite(reinterpret_cast<char *>(&zahl), 8, 1, f);
    char text[4] = {'F', 'O', 'R', 'M'};
    ffwrite(text, 1, 4, f);
    ffwrite(text, 4, 0, f);
    fclose(f);
    // The caller's values are unchanged.
    EXPECT_EQ(worte[0], 0x0102);
    EXPECT_EQ(worte[2], 0xA0B0);
    EXPECT_EQ(lang, 0x11223344);
    EXPECT_EQ(zahl, 1.0);
    const std::string erwartet("\x01\x02\x03\x04\xA0\xB0\x11\x22\x33\x44\x3F\xF0\0\0\0\0\0\0FORM", 22);
    EXPECT_EQ(testhilfe::datei_lesen(pfad), erwartet);
}
