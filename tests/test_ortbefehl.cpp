// The forms --ort and --liste of the command line: the program answers
// without a display, and bad input ends with one line and status 2.
#include <gtest/gtest.h>

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "ortbefehl.h"

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Lauf {
    int status;
    std::string ausgabe;
};

// The program from the build directory (its eclipse file beside it), with
// no display named.
Lauf umbrix(std::vector<std::string> argumente, const std::string &verzeichnis = UMBRIX_BUILD_DIR)
{
    argumente.insert(argumente.begin(), UMBRIX_BINARY);
    testhilfe::Kindprozess k(argumente, {"DISPLAY"}, verzeichnis);
    Lauf l;
    l.status = k.warten(20);
    l.ausgabe = k.ausgabe();
    return l;
}

std::vector<std::string> zeilen(const std::string &text)
{
    std::vector<std::string> z;
    std::istringstream s(text);
    for (std::string zeile; std::getline(s, zeile);) z.push_back(zeile);
    return z;
}

}  // namespace

TEST(Ortbefehl, FalscheAngabenEndenMitEinerZeileUndStatusZwei)
{
    const std::vector<std::vector<std::string>> faelle = {
        {"--ort"},                                  // nothing
        {"--ort", "32.7"},                          // longitude missing
        {"--ort", "91", "10"},                      // latitude beyond 90
        {"--ort", "-90.5", "10"},                   // latitude beyond -90
        {"--ort", "10", "180.1"},                   // longitude beyond 180
        {"--liste", "10", "-200"},                  // longitude beyond -180
        {"--ort", "Dallas", "10"},                  // text
        {"--ort", "32.7x", "10"},                   // trailing junk
        {"--ort", "10", "10", "2024", "4", "1"},    // one too many
        {"--ort", "10", "10", "1800"},              // year before the file
        {"--ort", "10", "10", "2024.5"},            // year not whole
        {"--ort", "10", "10", "2024", "13"},        // month
        {"--liste", "10", "10", "1900", "2000"},    // year before the file
        {"--liste", "10", "10", "2000", "2400"},    // year after the file
        {"--liste", "10", "10", "2010", "2000"},    // backwards
        {"--ort", "10", "10", "--hoehe"},           // height missing
        {"--ort", "10", "10", "--hoehe", "hoch"},   // height text
        {"--ort", "10", "10", "--hoehe", "1e9"},    // height far off
        {"--ort", "nan", "10"},                     // not a finite number
        {"--ort", "0x10", "0"},                     // not decimal
        {"--ort", "10", "10", "--hoehe", "0x5"},    // height not decimal
        {"--ort", "+-5", "3"},                      // two signs
    };
    for (const auto &f : faelle) {
        const Lauf l = umbrix(f);
        std::string befehl;
        for (const auto &a : f) befehl += a + " ";
        EXPECT_EQ(l.status, 2) << befehl << l.ausgabe;
        const std::vector<std::string> z = zeilen(l.ausgabe);
        ASSERT_EQ(z.size(), 1u) << befehl << l.ausgabe;
        EXPECT_EQ(z[0].rfind("umbrix: ", 0), 0u) << befehl << z[0];
    }
    // A whole number far off is a year outside the file.
    const Lauf weit = umbrix({"--liste", "47", "8", "1000000", "1000001"});
    EXPECT_EQ(weit.ausgabe.rfind("umbrix: Jahr 1000000 ausserhalb der Datei", 0), 0u) << weit.ausgabe;
}

// A file cut short in a record is no shorter file: every form says so and
// ends with status 1, --bild before it asks for a display.
TEST(Ortbefehl, AbgeschnitteneDateiIstEinFehler)
{
    testhilfe::Arbeitsverzeichnis v;
    const std::string ganz = testhilfe::datei_lesen(std::string(UMBRIX_BUILD_DIR) + "/Ecad22.prn");
    testhilfe::datei_schreiben(v.datei("Ecad22.prn"), ganz.substr(0, 5000));
    for (const std::vector<std::string> &f : {std::vector<std::string>{"--liste", "10", "20"},
                                              {"--ort", "10", "20", "1905"},
                                              {"--pfad"},
                                              {"--bild", "x.png", "1905"}}) {
        const Lauf l = umbrix(f, v.pfad());
        EXPECT_EQ(l.status, 1) << f[0] << l.ausgabe;
        EXPECT_TRUE(std::regex_match(l.ausgabe, std::regex("(umbrix|--bild): Fehlerhafte Daten in Ecad22\\.prn nach "
                                                           "\\d+ vollstaendigen Finsternissen\\.\n")))
            << f[0] << l.ausgabe;
    }
}

// Output that does not reach standard output is no success.
TEST(Ortbefehl, NichtGeschriebeneAusgabeIstEinFehler)
{
    const std::pair<const char *, const char *> faelle[] = {
        {"--liste 47 8 >/dev/full", "No space left on device"},
        {"--ort 32.7763 -96.7969 2024 4 >/dev/full", "No space left on device"},
        {"--pfad 2024 4 >&-", "Bad file descriptor"},
        {"'?' >/dev/full", "No space left on device"},
    };
    for (const auto &f : faelle) {
        const std::string befehl = std::string("exec '") + UMBRIX_BINARY + "' " + f.first;
        testhilfe::Kindprozess k({"/bin/sh", "-c", befehl}, {"DISPLAY"}, UMBRIX_BUILD_DIR);
        EXPECT_EQ(k.warten(20), 1) << befehl;
        EXPECT_EQ(k.ausgabe(), std::string("umbrix: Ausgabe nicht geschrieben: ") + f.second + "\n") << befehl;
    }
}

TEST(Ortbefehl, AnderesIstNichtSeineSache)
{
    for (std::vector<std::string> a : {std::vector<std::string>{"umbrix"}, {"umbrix", "2024", "4"}, {"umbrix", "-x", "--ort"}}) {
        std::vector<char *> argv;
        for (auto &s : a) argv.push_back(s.data());
        EXPECT_EQ(ortbefehl_lesen(static_cast<int>(argv.size()), argv.data()).art, Ortbefehl::keiner);
    }
}

TEST(Ortbefehl, DallasOhneAnzeige)
{
    const Lauf l = umbrix({"--ort", "32.7763", "-96.7969", "2024", "4"});
    EXPECT_EQ(l.status, 0) << l.ausgabe;
    const std::vector<std::string> z = zeilen(l.ausgabe);
    ASSERT_EQ(z.size(), 11u) << l.ausgabe;
    const char *anfaenge[] = {"Ort: 32.7763 N  96.7969 W  0 m", "Finsternis: 8.4.2024 total",
                              "1. Kontakt: 17:23:12 UT  Sonnenhoehe ", "2. Kontakt: 18:40:37 UT  Sonnenhoehe ",
                              "Maximum: 18:42:32 UT  Sonnenhoehe ", "3. Kontakt: 18:44:27 UT  Sonnenhoehe ",
                              "4. Kontakt: 20:02:35 UT  Sonnenhoehe ", "Groesse: 1.0145",
                              "Durchmesserverhaeltnis: 1.0558", "Bedeckung: 100.0 %", "Dauer: 3m49.6s"};
    for (size_t i = 0; i < z.size(); ++i) EXPECT_EQ(z[i].rfind(anfaenge[i], 0), 0u) << z[i];

    // The year alone: the year's first eclipse, with the height given first.
    const Lauf jahr = umbrix({"--ort", "--hoehe", "140", "32.7763", "-96.7969", "2024"});
    EXPECT_EQ(jahr.status, 0);
    EXPECT_NE(jahr.ausgabe.find("Ort: 32.7763 N  96.7969 W  140 m\nFinsternis: 8.4.2024 total\n"), std::string::npos)
        << jahr.ausgabe;
}

TEST(Ortbefehl, ListeUndAnwendungstext)
{
    const Lauf l = umbrix({"--liste", "51.5074", "-0.1278", "2015", "2015"});
    EXPECT_EQ(l.status, 0);
    const std::vector<std::string> z = zeilen(l.ausgabe);
    ASSERT_EQ(z.size(), 1u) << l.ausgabe;
    EXPECT_EQ(z[0].rfind("20.3.2015 partiell 09:3", 0), 0u) << z[0];

    const Lauf hilfe = umbrix({"?"});
    EXPECT_EQ(hilfe.status, 0);
    const std::vector<std::string> h = zeilen(hilfe.ausgabe);
    ASSERT_GE(h.size(), 4u) << hilfe.ausgabe;  // other forms may follow
    EXPECT_EQ(h[1], "Anwendung: umbrix Jahr Monat");
    EXPECT_NE(h[2].find("umbrix --ort Breite Laenge"), std::string::npos);
    EXPECT_NE(h[3].find("umbrix --liste Breite Laenge"), std::string::npos);
}
