// Saving pictures, the parts without a window: the format by the ending,
// the proposed name for the moment shown, the arguments of --bild and the
// moment a time of day names.
#include <gtest/gtest.h>

#include "bessel.h"
#include "bildbefehl.h"
#include "bildspeichern.h"

#include <string>
#include <vector>

namespace {

// A record whose T0 lies at the given UT hour of its day.
Bessel finsternis_um(int jahr, int monat, int tag, double stunde)
{
    Bessel b;
    b.fjahr = jahr;
    b.fmonat = monat;
    b.ftag = tag;
    b.mjd = 60000 + stunde / 24;  // only the fraction of the day counts
    return b;
}

struct Aufruf {
    std::vector<std::string> argumente;
    std::string fehler;  // beginning of the message; empty: accepted
};

bool lesen(const Aufruf &a, Bildauftrag *auftrag, std::string *fehler)
{
    std::vector<char *> argv;
    std::vector<std::string> kopie = a.argumente;
    for (auto &s : kopie) argv.push_back(&s[0]);
    return bildauftrag_lesen(static_cast<int>(argv.size()), argv.data(), auftrag, fehler);
}

}  // namespace

TEST(Bildspeichern, FormatNachEndung)
{
    const std::pair<const char *, Bildformat> faelle[] = {
        {"a.png", Bildformat::png},      {"/x/B.PNG", Bildformat::png},   {"c.Svg", Bildformat::svg},
        {"d.eps", Bildformat::eps},      {"e.gif", Bildformat::unbekannt}, {"f.png.txt", Bildformat::unbekannt},
        {".png", Bildformat::unbekannt}, {"png", Bildformat::unbekannt},  {"", Bildformat::unbekannt},
    };
    for (auto &[name, format] : faelle) EXPECT_EQ(bildformat(name), format) << name;
}

TEST(Bildspeichern, NamensvorschlagNachDerBeschriftung)
{
    struct Fall {
        Bessel b;
        double t;
        const char *name;
    } faelle[] = {
        // 8 April 2024: T0 17:58:46 UT, greatest eclipse 18:17:20 UT.
        {finsternis_um(2024, 4, 8, 17 + 58.0 / 60 + 46.0 / 3600), 0.30816, "umbrix-2024-04-08-1817.png"},
        {finsternis_um(2024, 4, 8, 17 + 58.0 / 60 + 46.0 / 3600), -3, "umbrix-2024-04-08-1458.png"},
        // Across the end of a month, of a year, and back into the month before.
        // (A few seconds past the minute: the caption truncates.)
        {finsternis_um(2000, 1, 31, 23), 2.001, "umbrix-2000-02-01-0100.png"},
        {finsternis_um(2214, 12, 31, 22.5), 2.501, "umbrix-2215-01-01-0100.png"},
        {finsternis_um(2024, 3, 1, 1), -1.999, "umbrix-2024-02-29-2300.png"},
    };
    for (auto &f : faelle) EXPECT_EQ(bildname_vorschlag(f.b, f.t), f.name) << f.t;
}

TEST(Bildspeichern, ArgumenteVonBild)
{
    const Aufruf faelle[] = {
        {{"umbrix", "--bild"}, "Kein Dateiname"},
        {{"umbrix", "--bild", ""}, "Kein Dateiname"},
        {{"umbrix", "--bild", "x.gif"}, "Unbekannte Endung: x.gif"},
        {{"umbrix", "--bild", "x.png", "abc"}, "Kein Jahr: 'abc'"},
        {{"umbrix", "--bild", "x.png", "2024x"}, "Kein Jahr"},
        {{"umbrix", "--bild", "x.png", "0"}, "Kein Jahr"},
        {{"umbrix", "--bild", "x.png", "2024", "13"}, "Kein Monat (1 bis 12): '13'"},
        {{"umbrix", "--bild", "x.png", "2024", " 4"}, "Kein Monat"},
        {{"umbrix", "--bild", "x.png", "2024", "4", "24:00"}, "Keine Uhrzeit (HH:MM, Weltzeit): '24:00'"},
        {{"umbrix", "--bild", "x.png", "2024", "4", "18:7"}, "Keine Uhrzeit"},
        {{"umbrix", "--bild", "x.png", "2024", "4", "18"}, "Keine Uhrzeit"},
        {{"umbrix", "--bild", "x.png", "2024", "4", "-1:00"}, "Keine Uhrzeit"},
        {{"umbrix", "--bild", "x.png", "2024", "4", "18:17", "x"}, "Zu viele Argumente"},
        {{"umbrix", "--bild", "x.PNG"}, ""},
        {{"umbrix", "--bild", "x.svg", "1999"}, ""},
        {{"umbrix", "--bild", "x.eps", "2024", "4", "8:05"}, ""},
    };
    for (const auto &f : faelle) {
        Bildauftrag a;
        std::string fehler;
        bool gut = lesen(f, &a, &fehler);
        EXPECT_EQ(gut, f.fehler.empty()) << f.argumente.back() << ": " << fehler;
        EXPECT_EQ(fehler.rfind(f.fehler, 0), 0u) << fehler;
        if (!gut) {
            EXPECT_NE(fehler.find("Anwendung: umbrix --bild DATEI"), std::string::npos) << fehler;
        }
    }
    Bildauftrag a;
    std::string fehler;
    ASSERT_TRUE(lesen({{"umbrix", "--bild", "x.png"}, ""}, &a, &fehler));
    EXPECT_EQ(a.jahr * 100 + a.monat, 200808);
    EXPECT_FALSE(a.mit_zeit);
    ASSERT_TRUE(lesen({{"umbrix", "--bild", "x.png", "1999"}, ""}, &a, &fehler));
    EXPECT_EQ(a.jahr * 100 + a.monat, 199900);
    ASSERT_TRUE(lesen({{"umbrix", "--bild", "x.png", "2024", "4", "8:05"}, ""}, &a, &fehler));
    EXPECT_EQ(a.jahr * 100 + a.monat, 202404);
    EXPECT_TRUE(a.mit_zeit);
    EXPECT_EQ(a.stunde * 100 + a.minute, 805);
}

TEST(Bildspeichern, ZeitpunktDerUhrzeit)
{
    const Bessel april = finsternis_um(2024, 4, 8, 17 + 58.0 / 60 + 46.0 / 3600);
    const Bessel spaet = finsternis_um(2000, 1, 31, 23);  // the six hours cross midnight
    struct Fall {
        const Bessel &b;
        int stunde, minute;
        bool drin;
        double t;
    } faelle[] = {
        {april, 18, 17, true, 18 + 17.0 / 60 - (17 + 58.0 / 60 + 46.0 / 3600)},
        {april, 15, 0, true, 15 - (17 + 58.0 / 60 + 46.0 / 3600)},
        {april, 14, 58, false, 0},
        {april, 21, 0, false, 0},
        {spaet, 1, 30, true, 2.5},
        {spaet, 20, 30, true, -2.5},
        {spaet, 12, 0, false, 0},
    };
    for (const auto &f : faelle) {
        double t = 99;
        EXPECT_EQ(zeitpunkt_fuer(f.b, f.stunde, f.minute, &t), f.drin) << f.stunde << ":" << f.minute;
        if (f.drin) {
            EXPECT_NEAR(t, f.t, 1e-6);
        }
    }
    // The caption of that moment reads the time asked for.
    double t;
    ASSERT_TRUE(zeitpunkt_fuer(april, 18, 17, &t));
    EXPECT_EQ(bildname_vorschlag(april, t), "umbrix-2024-04-08-1817.png");
}
