// The Besselian elements: polynomials, the reader of the eclipse file with
// its search and its ends, the caption, the kind of the central shadow and
// the frame drawn on a private screen.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "betrachter/bessel.h"
#include "betrachter/erdkarte.h"
#include "betrachter/datendatei.h"
#include "betrachter/globusdrehung.h"
#include "hilfe/bild.h"
#include "hilfe/dateien.h"
#include "hilfe/daten.h"
#include "hilfe/xvfb.h"
#include "betrachter/zustand.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstring>
#include <string>

using testhilfe::Finsternis;
using testhilfe::Arbeitsverzeichnis;

namespace {

const double grad = 3.14159265358979323846 / 180;

Finsternis finsternis(int jahr, int monat, int tag, double stunde)
{
    Finsternis f;
    f.jahr = jahr;
    f.monat = monat;
    f.tag = tag;
    f.jd = testhilfe::julianisch(jahr, monat, tag, stunde);
    // Different per record, so that a test sees which one was taken.
    f.x[0] = (jahr - 2000) / 10.0 + monat / 1000.0;
    return f;
}

// Runs lies on a file of the given text in a fresh directory; returns what
// was printed.
template <class Lesen>
std::string lesen_mit(const std::string &inhalt, Lesen lies)
{
    Arbeitsverzeichnis v;
    testhilfe::datei_schreiben(v.datei("Ecad22.prn"), inhalt);
    aktuellerpfad = const_cast<char *>(v.pfad().c_str());
    testing::internal::CaptureStdout();
    lies();
    fflush(stdout);
    aktuellerpfad = nullptr;
    return testing::internal::GetCapturedStdout();
}

std::string lesen(Bessel &b, const std::string &inhalt, int jahr, int monat)
{
    return lesen_mit(inhalt, [&] { b.dateneinlesen(jahr, monat); });
}

std::string vier_finsternisse()
{
    return satz(finsternis(2008, 2, 7, 4)) + satz(finsternis(2008, 8, 1, 10)) + satz(finsternis(2009, 1, 26, 8)) +
           satz(finsternis(2009, 7, 22, 3));
}

std::string beschriftung(const Bessel &b, double t)
{
    char text[80];
    b.beschriftung(t, text, sizeof text);
    return text;
}

std::string ausgabe_von(Bessel &b, double t, Kernschatten *k = nullptr)
{
    testing::internal::CaptureStdout();
    Kernschatten s = b.kernschatten(t);
    fflush(stdout);
    if (k) *k = s;
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Polynome, HornerMitDenRichtigenKoeffizienten)
{
    double c[4] = {1, 2, 3, 4};
    EXPECT_DOUBLE_EQ(xvont(c, 2), 1 + 2 * 2 + 3 * 4 + 4 * 8);
    EXPECT_DOUBLE_EQ(xvont(c, 0), 1);
    double q[4] = {1, 2, 3, 100};  // the fourth slot is not part of a quadratic
    EXPECT_DOUBLE_EQ(lvont(q, -2), 1 - 4 + 12);
    EXPECT_DOUBLE_EQ(dvont(q, -2), 1 - 4 + 12);
    double m[4] = {328.5, 15, 100, 100};
    EXPECT_DOUBLE_EQ(muvont(m, -3), 328.5 - 45);

    EXPECT_EQ(fastgleich(1, 1.05, 0.1), 1);
    EXPECT_EQ(fastgleich(1.05, 1, -0.1), 1);  // the tolerance counts by its size
    EXPECT_EQ(fastgleich(0, 0.5, 0.5), 0);    // strictly below
    EXPECT_EQ(fastgleich(2, 2, 0), 0);
}

TEST(Besselleser, SuchtAbMonat)
{
    Bessel b;
    EXPECT_EQ(lesen(b, vier_finsternisse(), 2008, 8), "1.8.2008 Besselelemente eingelesen.\n");
    EXPECT_EQ(b.lesestand, Bessel::gefunden);
    EXPECT_TRUE(b.elemente);
    EXPECT_DOUBLE_EQ(b.x[0], 0.808);

    lesen(b, vier_finsternisse(), 2008, 3);  // the next one after the month
    EXPECT_EQ(b.fmonat, 8);
    lesen(b, vier_finsternisse(), 2009, 0);  // month 0: from the start of the year
    EXPECT_EQ(b.fjahr, 2009);
    EXPECT_EQ(b.fmonat, 1);
    lesen(b, vier_finsternisse(), 1999, 5);
    EXPECT_EQ(b.fjahr, 2008);
    EXPECT_EQ(b.fmonat, 2);
    EXPECT_EQ(b.ftag, 7);
}

TEST(Besselleser, AlleWerteEinesSatzes)
{
    Finsternis f = finsternis(2024, 4, 8, 18);
    f.x[1] = 0.5117; f.x[2] = -0.0000774; f.x[3] = -0.0000080;
    f.y[0] = 0.2198; f.y[1] = 0.2709; f.y[2] = -0.0000592; f.y[3] = -0.0000047;
    f.d[0] = 7.5862; f.d[1] = 0.0148; f.d[2] = -0.000002;
    f.mu[0] = 89.5912; f.mu[1] = 15.0040;
    f.l1[0] = 0.5358; f.l1[1] = 0.0000618; f.l1[2] = -0.0000128;
    f.l2[0] = -0.0102; f.l2[1] = 0.0000615; f.l2[2] = -0.0000127;
    f.tanf1 = 0.0046683; f.tanf2 = 0.0046450;
    Bessel b;
    b.vorher = 0.7;
    lesen(b, satz(f), 2024, 4);
    EXPECT_EQ(b.fjahr, 2024);
    EXPECT_EQ(b.fmonat, 4);
    EXPECT_EQ(b.ftag, 8);
    EXPECT_NEAR(b.jd, f.jd, 1e-6);
    EXPECT_NEAR(b.mjd, f.jd - 2400000.5, 1e-6);
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(b.x[i], f.x[i]);
        EXPECT_DOUBLE_EQ(b.y[i], f.y[i]);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(b.d[i], f.d[i]);
        EXPECT_DOUBLE_EQ(b.l1[i], f.l1[i]);
        EXPECT_DOUBLE_EQ(b.l2[i], f.l2[i]);
    }
    EXPECT_DOUBLE_EQ(b.mu[0], f.mu[0]);
    EXPECT_DOUBLE_EQ(b.mu[1], f.mu[1]);
    EXPECT_EQ(b.mu[2], 0);
    EXPECT_EQ(b.mu[3], 0);
    EXPECT_EQ(b.l1[3], 0);
    EXPECT_EQ(b.l2[3], 0);
    EXPECT_DOUBLE_EQ(b.tanf1, f.tanf1);
    EXPECT_DOUBLE_EQ(b.tanf2, f.tanf2);
    EXPECT_EQ(b.vorher, 0);  // each read starts the kind anew
}

TEST(Besselleser, HinterDemLetztenSatz)
{
    Bessel b;
    std::string aus = lesen(b, vier_finsternisse(), 2009, 8);
    EXPECT_EQ(aus, "Keine Finsternis ab 8.2009 in Ecad22.prn, es folgt die letzte der Datei.\n"
                   "22.7.2009 Besselelemente eingelesen.\n");
    EXPECT_EQ(b.lesestand, Bessel::letzter);
    EXPECT_EQ(b.fmonat, 7);
    EXPECT_DOUBLE_EQ(b.x[0], 0.907);
    EXPECT_EQ(lesen(b, vier_finsternisse(), 2010, 0),
              "Keine Finsternis ab 2010 in Ecad22.prn, es folgt die letzte der Datei.\n"
              "22.7.2009 Besselelemente eingelesen.\n");
}

TEST(Besselleser, DateiEndetImSatz)
{
    std::string ganz = satz(finsternis(2001, 6, 21, 12));
    std::string halb = satz(finsternis(2001, 12, 14, 21)).substr(0, 60);
    Bessel b;
    // Before the broken record the search ends as usual.
    EXPECT_EQ(lesen(b, ganz + halb, 2001, 1), "21.6.2001 Besselelemente eingelesen.\n");
    // After it: the last whole record, and what went wrong.
    std::string aus = lesen(b, ganz + halb, 2001, 7);
    EXPECT_EQ(aus, "Fehlerhafte Daten in Ecad22.prn nach 1 vollstaendigen Finsternissen.\n"
                   "Keine Finsternis ab 7.2001 in Ecad22.prn, es folgt die letzte der Datei.\n"
                   "21.6.2001 Besselelemente eingelesen.\n");
    EXPECT_EQ(b.lesestand, Bessel::letzter);
    EXPECT_EQ(b.ftag, 21);
}

TEST(Besselleser, TextStattZahlenUndLeereDatei)
{
    Bessel b;
    lesen(b, satz(finsternis(2008, 8, 1, 10)), 2008, 8);
    ASSERT_EQ(b.fjahr, 2008);
    std::string kaputt = satz(finsternis(2010, 7, 11, 20));
    kaputt.replace(kaputt.find("0 0.0 0.0"), 1, "x");
    std::string aus = lesen(b, kaputt, 2010, 1);
    EXPECT_EQ(aus, "Fehlerhafte Daten in Ecad22.prn nach 0 vollstaendigen Finsternissen.\n"
                   "Keine Besselelemente in Ecad22.prn.\n");
    EXPECT_EQ(b.lesestand, Bessel::fehlgeschlagen);
    EXPECT_EQ(b.fjahr, 2008);  // unchanged, also what is half read
    EXPECT_DOUBLE_EQ(b.x[0], 0.808);

    EXPECT_EQ(lesen(b, "", 2010, 1), "Keine Besselelemente in Ecad22.prn.\n");
    EXPECT_EQ(lesen(b, "\n  \n", 2010, 1), "Keine Besselelemente in Ecad22.prn.\n");
    EXPECT_EQ(b.lesestand, Bessel::fehlgeschlagen);
    EXPECT_TRUE(b.elemente);
}

// Numbers in another form than plain decimal, numbers no eclipse can have,
// a record out of order and the file repeated are faulty data after the
// one whole record before them.
TEST(Besselleser, UnmoeglicheZahlenUndFalscheReihenfolge)
{
    const std::string erster = satz(finsternis(2001, 6, 21, 12)), zweiter = satz(finsternis(2002, 6, 10, 12));
    auto ersetzt = [&](const char *alt, const char *neu) {
        std::string s = zweiter;
        return s.replace(s.find(alt), strlen(alt), neu);
    };
    const std::string faelle[] = {
        ersetzt("\n0.206 ", "\nnan "), ersetzt("\n0.206 ", "\n-inf "), ersetzt("\n0.206 ", "\n0x1p-2 "),
        ersetzt("\n0.206 ", "\n1e308 "), ersetzt("2002 6 10", "99999999999 6 10"), ersetzt("6 10", "13 10"),
        ersetzt("6 10", "6 45"), ersetzt("6 10", "6 31"), ersetzt("6 10", "6 13"),  // T0 on another day
        ersetzt("\n0 15\n", "\n0 1500\n"),
        satz(finsternis(2000, 6, 10, 12)),  // before the first
        erster,                              // the same T0 again: the file repeated
    };
    for (const std::string &falsch : faelle) {
        Bessel b;
        std::string aus = lesen(b, erster + falsch + satz(finsternis(2003, 5, 31, 4)), 2002, 1);
        EXPECT_NE(aus.find("Fehlerhafte Daten in Ecad22.prn nach 1 vollstaendigen Finsternissen.\n"),
                  std::string::npos)
            << falsch;
        EXPECT_EQ(b.fjahr, 2001) << falsch;
    }
}

// Next and Vorige step through the records in file order, so the second
// eclipse of a month is reached too; at either end the record shown stays.
TEST(Besselleser, NachNummerInDateireihenfolge)
{
    const std::string juli = satz(finsternis(2000, 2, 5, 13)) + satz(finsternis(2000, 7, 1, 19)) +
                             satz(finsternis(2000, 7, 31, 2)) + satz(finsternis(2000, 12, 25, 18));
    Bessel b;
    lesen(b, juli, 2000, 7);
    EXPECT_EQ(b.satznummer, 1);
    bool ok = false;
    const struct {
        int nummer;
        bool ok;
        const char *ausgabe;
        int tag, satznummer;  // of the record held afterwards
    } schritte[] = {
        {2, true, "31.7.2000 Besselelemente eingelesen.\n", 31, 2},
        {1, true, "1.7.2000 Besselelemente eingelesen.\n", 1, 1},
        {0, true, "5.2.2000 Besselelemente eingelesen.\n", 5, 0},
        {-1, false, "Keine fruehere Finsternis in Ecad22.prn.\n", 5, 0},
        {3, true, "25.12.2000 Besselelemente eingelesen.\n", 25, 3},
        {4, false, "Keine spaetere Finsternis in Ecad22.prn.\n", 25, 3},
    };
    for (const auto &s : schritte) {
        EXPECT_EQ(lesen_mit(juli, [&] { ok = b.satzeinlesen(s.nummer); }), s.ausgabe);
        EXPECT_EQ(ok, s.ok) << s.nummer;
        EXPECT_EQ(b.ftag, s.tag) << s.nummer;
        EXPECT_EQ(b.satznummer, s.satznummer) << s.nummer;
    }
    // A broken record is not taken; the whole ones before it are.
    EXPECT_EQ(lesen_mit(juli.substr(0, juli.size() - 40), [&] { ok = b.satzeinlesen(3); }),
              "Fehlerhafte Daten in Ecad22.prn nach 3 vollstaendigen Finsternissen.\n");
    EXPECT_FALSE(ok);
    EXPECT_EQ(b.ftag, 25);
}

TEST(Besselleser, FehlendeDatei)
{
    // An empty working directory, wherever the program is started from.
    testhilfe::Arbeitsverzeichnis leer;
    testhilfe::Verzeichniswechsel wechsel(leer.pfad());
    Bessel b;
    testing::internal::CaptureStdout();
    b.dateneinlesen(2008, 8);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Datei mit Besselelementen nicht gefunden.\n");
    EXPECT_EQ(b.lesestand, Bessel::fehlgeschlagen);
    EXPECT_FALSE(b.elemente);

    lesen(b, vier_finsternisse(), 2009, 1);
    b.vorher = -1;
    testing::internal::CaptureStdout();
    b.dateneinlesen(2008, 8);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Datei mit Besselelementen nicht gefunden.\n");
    EXPECT_EQ(b.fjahr, 2009);  // the elements held before are kept
    EXPECT_EQ(b.vorher, -1);
    EXPECT_TRUE(b.elemente);
}

TEST(Beschriftung, DatumUndUhrzeit)
{
    // Record date, T0's hour of the day, t, and the caption: past midnight
    // the date rolls over as a calendar does.
    const struct {
        int jahr, monat, tag;
        double stunde, t;
        const char *text;
    } faelle[] = {
        {2008, 8, 1, 10, 0.35, " 1.Aug.2008  10:21"},  {2008, 8, 1, 23, 1.5, " 2.Aug.2008  00:30"},
        {2008, 8, 1, 1, -1, " 1.Aug.2008  00:00"},     {1970, 8, 31, 23, 1.5, " 1.Sep.1970  00:30"},
        {2087, 6, 1, 1, -3, "31.Mai.2087  22:00"},     {2214, 12, 31, 23, 1.5, " 1.Jan.2215  00:30"},
        {2000, 1, 1, 2, -3, "31.Dez.1999  23:00"},     {2100, 2, 28, 23, 1.5, " 1.Mar.2100  00:30"},
        {2024, 3, 1, 1, -3, "29.Feb.2024  22:00"},     {2000, 2, 28, 23, 1.5, "29.Feb.2000  00:30"},
        // Before 1858 November 17 mjd is negative; Julian calendar before 1582.
        {1500, 3, 1, 1, -3, "29.Feb.1500  22:00"},     {-584, 5, 28, 10, 0.5, "28.Mai.-584  10:30"},
    };
    Bessel b;
    for (const auto &f : faelle) {
        b.fjahr = f.jahr;
        b.fmonat = f.monat;
        b.ftag = f.tag;
        b.mjd = testhilfe::julianisch(f.jahr, f.monat, f.tag, f.stunde) - 2400000.5 + 1e-7;
        EXPECT_EQ(beschriftung(b, f.t), f.text) << f.jahr << "-" << f.monat << "-" << f.tag;
    }

    // A month outside the calendar has no name and no roll-over.
    b.ftag = 1;
    b.mjd = testhilfe::julianisch(2008, 8, 1, 1) - 2400000.5 + 1e-7;
    b.fjahr = 999;
    b.fmonat = 12;
    EXPECT_EQ(beschriftung(b, 0), " 1.Dez.0999  01:00");
    b.fmonat = 0;
    EXPECT_EQ(beschriftung(b, 0), " 1..0999  01:00");
    b.fmonat = 13;
    EXPECT_EQ(beschriftung(b, 0), " 1.???.0999  01:00");
    EXPECT_EQ(beschriftung(b, -3), " 0.???.0999  22:00");
    b.fmonat = -1;
    EXPECT_EQ(beschriftung(b, 0), " 1.???.0999  01:00");

    // A date from a file full of nonsense still gives a bounded text.
    b.fmonat = 2;
    b.ftag = -2147483647;
    b.fjahr = 2147483647;
    b.mjd = NAN;
    EXPECT_EQ(beschriftung(b, 0), "-2147483647.Feb.2147483647  00:00");
    b.mjd = 1e300;
    std::string s = beschriftung(b, 0.5);
    EXPECT_EQ(s.substr(s.size() - 5), "00:30");
    b.ftag = -2147483647 - 1;  // the day before the smallest int
    b.mjd = 0.5;
    EXPECT_EQ(beschriftung(b, -13), "-2147483649.Feb.2147483647  23:00");
    char kurz[8];
    b.beschriftung(0, kurz, sizeof kurz);
    EXPECT_EQ(std::string(kurz), "-214748");
}

TEST(Schattenart, MeldungenBeimWechsel)
{
    Bessel b;
    b.x[0] = 0.1;
    b.y[0] = -0.2;
    b.x[1] = 0.01;
    b.l1[0] = 0.55;
    b.l1[1] = 0.001;
    b.l2[1] = -0.01;  // the central shadow grows from annular to total through t = 0
    Kernschatten k;
    EXPECT_EQ(ausgabe_von(b, -1, &k), "Ringfoermige Finsternis\n");
    EXPECT_EQ(k.farbe, 3);
    EXPECT_EQ(k.r, 0.005);
    EXPECT_DOUBLE_EQ(k.x, 0.09);
    EXPECT_DOUBLE_EQ(k.y, -0.2);
    EXPECT_DOUBLE_EQ(k.l1, 0.549);
    EXPECT_EQ(ausgabe_von(b, -0.5), "");
    EXPECT_EQ(ausgabe_von(b, 0, &k), "");  // exactly 0: neither kind
    EXPECT_EQ(k.farbe, 2);
    EXPECT_EQ(k.r, 0.005);
    EXPECT_EQ(ausgabe_von(b, 0.3, &k), "Totale Finsternis\n");
    EXPECT_EQ(k.farbe, 2);  // a tiny umbra
    EXPECT_EQ(k.r, 0.005);
    EXPECT_EQ(ausgabe_von(b, 2, &k), "");
    EXPECT_EQ(k.farbe, 1);
    EXPECT_DOUBLE_EQ(k.r, 0.02);
    EXPECT_EQ(ausgabe_von(b, -0.2), "Ringfoermige Finsternis\n");  // scrubbing back
    EXPECT_EQ(ausgabe_von(b, 0.2), "Totale Finsternis\n");

    // The first frame of a total eclipse says so once.
    Bessel c;
    c.l2[0] = -0.02;
    EXPECT_EQ(ausgabe_von(c, -3), "Totale Finsternis\n");
    EXPECT_EQ(ausgabe_von(c, -2.95), "");
}

TEST(Schattenart, HoeheDerErdoberflaeche)
{
    // In the fundamental plane the umbral cone has ended (l2 > 0); at the
    // surface point below an axis at distance 0.6 (height 0.8) it is still
    // there: total. Beside the Earth the plane's value counts: annular.
    Bessel b;
    b.l2[0] = 0.002;
    b.tanf2 = 0.005;
    b.x[0] = 0.6;
    Kernschatten k;
    EXPECT_EQ(ausgabe_von(b, 0, &k), "Totale Finsternis\n");
    EXPECT_NEAR(k.r, 0.005, 1e-15);
    b.x[0] = 1.2;
    EXPECT_EQ(ausgabe_von(b, 0, &k), "Ringfoermige Finsternis\n");
    EXPECT_EQ(k.farbe, 3);
    b.x[0] = 0;
    b.l2[0] = -0.03;
    ausgabe_von(b, 0, &k);
    EXPECT_NEAR(k.r, 0.03 + 0.005, 1e-15);
    EXPECT_EQ(k.farbe, 1);
}

// A frame as the program draws it, on a private screen.
class Finsternisbild : public testing::Test {
protected:
    void SetUp() override
    {
        x_.als_display_setzen();
        setsize(1000, 800, 8);
        qinital(1, -1.875, -1.5, 1.875, 1.5);
        setcolor(4, 100, 150, 255);
        // One coastline: a piece of the meridian of 20 degrees east.
        double la[] = {20, 20, 20}, br[] = {-10, 0, 10};
        erdkarte.liniekopieren(la, br, 3);
        b_.fjahr = 2008;
        b_.fmonat = 8;
        b_.ftag = 1;
        b_.mjd = testhilfe::julianisch(2008, 8, 1, 10) - 2400000.5;
        b_.x[0] = 0.3;
        b_.x[1] = 0.1;
        b_.y[0] = 0.2;
        b_.d[0] = 17.76;
        b_.mu[0] = 328.66;
        b_.mu[1] = 15;
        b_.l1[0] = 0.55;
        b_.l2[0] = -0.03;
        b_.tanf2 = 0.0046;
        b_.elemente = true;
    }
    void TearDown() override { term_exit(); }

    // Draws the frame for t into the back buffer and shows it.
    void zeigen(double t)
    {
        changebuffer(0, 1);
        screenclear(-1);
        testing::internal::CaptureStdout();
        b_.zeichnen(t);
        fflush(stdout);
        meldungen_ += testing::internal::GetCapturedStdout();
        changebuffer(0, 1);
    }
    void pixel(double x, double y, int *px, int *py) { koorduser2pix(x, y, px, py); }
    int radius(double r)
    {
        int rx, ry;
        deltakoorduser2pix(r, r, &rx, &ry);
        return rx;
    }

    testhilfe::XvfbServer x_{1280, 1024, 24};
    Bessel b_;
    std::string meldungen_;
    const unsigned long hellblau = 0x6496FF, weiss = 0xFFFFFF, rot = 0xFF0000, gruen = 0x00FF00;
};

TEST_F(Finsternisbild, ErdeKuesteUndSchatten)
{
    const double t = 0.5;
    zeigen(t);
    testhilfe::Bild bild(dpy, win10, winbreite, winhoehe);
    int px, py;
    pixel(-0.6, -0.5, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), hellblau);
    pixel(0, -0.9, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), hellblau);
    pixel(1.5, -1.3, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), 0u);  // outside the Earth
    pixel(-1.03, 0, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), 0u);

    // The coastline where the elements turn it.
    double m = (328.66 + 15 * t) * grad, n = 17.76 * grad;
    double kx, ky, kz;
    erdkoordinatendrehen(20 * grad, 0, m, n, &kx, &ky, &kz);
    ASSERT_GT(kz, 0);
    pixel(kx, ky, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), weiss);
    // The place marker.
    erdkoordinatendrehen(8.5 * grad, 47.5 * grad, m, n, &kx, &ky, nullptr);
    pixel(kx, ky, &px, &py);
    EXPECT_TRUE(bild.in_naehe(px, py, 2, weiss));

    // Penumbra and umbra: outlines around the axis at x = 0.35, y = 0.2.
    int sx, sy;
    pixel(0.35, 0.2, &sx, &sy);
    int r1 = radius(0.55);
    EXPECT_TRUE(bild.in_naehe(sx + r1, sy, 1, weiss));
    EXPECT_TRUE(bild.in_naehe(sx - r1, sy, 1, weiss));
    EXPECT_TRUE(bild.in_naehe(sx, sy - r1, 1, weiss));
    double r2 = 0.03 + sqrt(1 - 0.35 * 0.35 - 0.2 * 0.2) * 0.0046;
    EXPECT_TRUE(bild.in_naehe(sx + radius(r2), sy, 1, weiss));
    EXPECT_TRUE(bild.in_naehe(sx, sy + radius(r2), 1, weiss));
    EXPECT_EQ(bild.pixel(sx, sy), hellblau);  // outlines only
    EXPECT_EQ(bild.pixel(sx + r1 / 2, sy), hellblau);

    // The caption right of and above (1, 1).
    pixel(1, 1, &px, &py);
    int schrift = 0;
    for (int y = py - 14; y <= py; ++y)
        for (int x = px; x < px + 250; ++x) schrift += bild.pixel(x, y) == weiss;
    EXPECT_GT(schrift, 30);
    EXPECT_EQ(meldungen_, "Totale Finsternis\n");
}

TEST_F(Finsternisbild, KleinerKernschattenUndGegenschatten)
{
    b_.l2[0] = -0.001;  // umbra below 0.005: red
    b_.tanf2 = 0;
    zeigen(0);
    int sx, sy;
    pixel(0.3, 0.2, &sx, &sy);
    {
        testhilfe::Bild bild(dpy, win10, winbreite, winhoehe);
        EXPECT_TRUE(bild.in_naehe(sx, sy, 2, rot));
        EXPECT_FALSE(bild.in_naehe(sx, sy, 4, gruen));
    }
    b_.l2[0] = 0.004;  // antumbra: green
    zeigen(0);
    {
        testhilfe::Bild bild(dpy, win10, winbreite, winhoehe);
        EXPECT_TRUE(bild.in_naehe(sx, sy, 2, gruen));
        EXPECT_FALSE(bild.in_naehe(sx, sy, 4, rot));  // the frame before is gone
    }
    EXPECT_EQ(meldungen_, "Totale Finsternis\nRingfoermige Finsternis\n");
}

TEST_F(Finsternisbild, JedesBildErsetztDasVorige)
{
    zeigen(-2);
    int sx, sy, r1 = radius(0.55);
    pixel(0.3 - 0.2, 0.2, &sx, &sy);
    {
        testhilfe::Bild bild(dpy, win10, winbreite, winhoehe);
        EXPECT_TRUE(bild.in_naehe(sx - r1, sy, 1, weiss));
    }
    zeigen(2);
    testhilfe::Bild bild(dpy, win10, winbreite, winhoehe);
    EXPECT_FALSE(bild.in_naehe(sx - r1, sy, 1, weiss));
    pixel(0.3 + 0.2, 0.2, &sx, &sy);
    EXPECT_TRUE(bild.in_naehe(sx - r1, sy, 1, weiss));
}

TEST_F(Finsternisbild, OhneElementeNurDieErde)
{
    b_ = Bessel();  // as after a first read without the file
    zeigen(0);
    testhilfe::Bild bild(dpy, win10, winbreite, winhoehe);
    int px, py;
    pixel(0, 0, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), hellblau);
    // The map turned by nothing: 20 degrees east on the equator.
    pixel(sin(20 * grad), 0, &px, &py);
    EXPECT_EQ(bild.pixel(px, py), weiss);
    // Only the coastline, the marker and nothing else is white.
    int weisse = bild.anzahl(weiss);
    EXPECT_GT(weisse, 50);
    EXPECT_LT(weisse, 200);
    EXPECT_EQ(meldungen_, "");
}
