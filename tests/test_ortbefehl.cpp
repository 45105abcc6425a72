// The forms --ort and --liste of the command line: the program answers
// without a display, and bad input ends with one line and status 2.
#include <gtest/gtest.h>

#include "ortszeit/ortszeit.h"

#include "hilfe/besselsaetze.h"
#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "finsternis/finsternis.h"

#include <regex>
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

}  // namespace

TEST(Ortbefehl, FalscheAngabenEndenMitEinerZeileUndStatusZwei)
{
    // Missing, out of range, not decimal, not finite, one too many, backwards; and a whole number far off: a
    // year outside the file.
    const std::vector<std::vector<std::string>> faelle = {{"--ort"},
                                                          {"--ort", "32.7"},
                                                          {"--ort", "91", "10"},
                                                          {"--ort", "-90.5", "10"},
                                                          {"--ort", "10", "180.1"},
                                                          {"--liste", "10", "-200"},
                                                          {"--ort", "Dallas", "3001"},
                                                          {"--ort", "32.7x", "10"},
                                                          {"--ort", "10", "10", "2024", "4", "1"},
                                                          {"--ort", "10", "10", "3001"},
                                                          {"--ort", "10", "10", "2024.5"},
                                                          {"--ort", "10", "10", "2024", "13"},
                                                          {"--liste", "10", "10", "2900", "3100"},
                                                          {"--liste", "10", "10", "--", "-2100", "2000"},
                                                          {"--liste", "10", "10", "2010", "2000"},
                                                          {"--ort", "10", "10", "--hoehe"},
                                                          {"--ort", "10", "10", "--hoehe", "hoch"},
                                                          {"--ort", "10", "10", "--hoehe", "1e9"},
                                                          {"--ort", "10", "10", "--hoehe", "0x5"},
                                                          {"--ort", "nan", "3001"},
                                                          {"--ort", "0x10", "0"},
                                                          {"--ort", "+-5", "3"},
                                                          {"--ort", "10", "10", "--zeitzone"},
                                                          {"--ort", "10", "10", "--zeitzone", ""},
                                                          {"--liste", "10", "10", "--zeitzone", "--hoehe", "5"},
                                                          {"--ort", "10", "10", "--zeitzone", "Mars/Olympus"},
                                                          {"--ort", "10", "10", "--zeitzone", "../../etc/passwd"},
                                                          {"--ort", "10", "10", "--zeitzone", "UTC", "--zeitzone", "Z"},
                                                          {"--liste", "47", "8", "1000000", "1000001"}};
    for (const auto &f : faelle) {
        const Lauf l = umbrix(f);
        std::string befehl;
        for (const auto &a : f) befehl += a + " ";
        EXPECT_EQ(l.status, 2) << befehl << l.ausgabe;
        EXPECT_TRUE(std::regex_match(l.ausgabe, std::regex("umbrix: [^\n]*\n"))) << befehl << l.ausgabe;
    }
    EXPECT_EQ(umbrix(faelle.back()).ausgabe.rfind("umbrix: Jahr 1000000 ausserhalb der Datei", 0), 0u);
}

// --bild tells a fault in one line on standard error alone, and before it
// asks for a display: the arguments, a year outside the file, a day
// without an eclipse, a time outside the picture's six hours.
TEST(Ortbefehl, BildFehlerAufStandardfehlerOhneAnzeige)
{
    const char *const faelle[] = {"--bild", "--bild x.gif", "--bild x.png 3001", "--bild x.png 2024 13",
                                  "--bild x.png 2000 7 30", "--bild x.png 2024 4 10:00"};
    for (const char *f : faelle) {
        for (const char *strom : {"2>/dev/null", ">/dev/null"}) {
            const std::string befehl = std::string("exec '") + UMBRIX_BINARY + "' " + f + " " + strom;
            testhilfe::Kindprozess k({"/bin/sh", "-c", befehl}, {"DISPLAY"}, UMBRIX_BUILD_DIR);
            EXPECT_EQ(k.warten(20), 2) << befehl;
            if (strom[0] == '2')
                EXPECT_EQ(k.ausgabe(), "") << befehl;
            else
                EXPECT_TRUE(std::regex_match(k.ausgabe(), std::regex("umbrix: [^\n]*\n"))) << befehl << k.ausgabe();
        }
    }
}

// A number out of range is quoted as typed: beyond double or int, or too
// near 0 for a double.
TEST(Ortbefehl, MeldungZitiertDieZahlWieGetippt)
{
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"--ort", "1e-400", "3"}, "Breite ist zu nahe an 0: \"1e-400\""},
        {{"--ort", "3", "123456e-330"}, "Laenge ist zu nahe an 0: \"123456e-330\""},
        {{"--ort", "3", "-0.00001e400"}, "Laenge ausserhalb -180..180: \"-0.00001e400\""},
        {{"--ort", "1", "2", "99999999999999999999"}, "Jahr 99999999999999999999 ausserhalb der Datei ("},
        {{"--ort", "1", "2", "2000", "99999999999999999999"}, "MONAT ausserhalb 1..12: \"99999999999999999999\""},
        {{"--liste", "1", "2", "99999999999999999999", "5"}, "BIS liegt vor VON: 99999999999999999999 5"},
        {{"--bild", "x.png", "99999999999999999999"}, "Kein Jahr (-1999 bis 3000): '99999999999999999999'"}};
    for (const auto &[argumente, meldung] : faelle) {
        const Lauf l = umbrix(argumente);
        EXPECT_EQ(l.status, 2) << meldung;
        EXPECT_NE(l.ausgabe.find(meldung), std::string::npos) << l.ausgabe;
    }
}

// A day after the month chooses the eclipse of that date, also the second
// of a month, or of its catalogue's date; none that day: one line.
TEST(Ortbefehl, TagWaehltDieFinsternis)
{
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"2000", "7", "31"}, "Finsternis: 31.7.2000"},   {{"2206", "12", "30"}, "Finsternis: 30.12.2206"},
        {{"2261", "1", "31"}, "Finsternis: 31.1.2261"},   {{"2282", "11", "30"}, "Finsternis: 30.11.2282"},
        {{"2215", "1", "1"}, "Finsternis: 1.1.2215"},
        {{"2000", "7", "30"}, "umbrix: Keine Finsternis am 30.7.2000 "}};
    for (auto [argumente, meldung] : faelle) {
        argumente.insert(argumente.begin(), {"--ort", "0", "0"});
        const Lauf l = umbrix(argumente);
        EXPECT_EQ(l.status, meldung[0] == 'u' ? 2 : 0) << meldung << l.ausgabe;
        EXPECT_NE(l.ausgabe.find(meldung), std::string::npos) << l.ausgabe;
    }
}

// Neither a file cut short in a record (--bild says so before it asks for
// a display) nor output that does not reach standard output is a success.
TEST(Ortbefehl, AbgeschnitteneDateiUndNichtGeschriebeneAusgabe)
{
    testhilfe::Arbeitsverzeichnis v;
    const std::string ganz = testhilfe::datei_lesen(std::string(UMBRIX_BUILD_DIR) + "/Ecad22.prn");
    testhilfe::datei_schreiben(v.datei("Ecad22.prn"), ganz.substr(0, 5000));
    const std::string kurz = "(umbrix|--bild): Fehlerhafte Daten in Ecad22\\.prn nach \\d+ vollstaendigen "
                             "Finsternissen\\.\n",
                      voll = "umbrix: Ausgabe nicht geschrieben: No space left on device\n";
    const std::pair<const char *, std::string> faelle[] = {
        {"--liste 10 20", kurz}, {"--ort 10 20 1905", kurz}, {"--pfad", kurz}, {"--bild x.png 1905", kurz},
        {"--liste 47 8 >/dev/full", voll}, {"--ort 32.7763 -96.7969 2024 4 >/dev/full", voll},
        {"'?' >/dev/full", voll}, {"--pfad 2024 4 >&-", "umbrix: Ausgabe nicht geschrieben: Bad file descriptor\n"}};
    for (const auto &f : faelle) {
        const std::string befehl = std::string("exec '") + UMBRIX_BINARY + "' " + f.first;
        const std::string verzeichnis = f.second == kurz ? v.pfad() : UMBRIX_BUILD_DIR;
        testhilfe::Kindprozess k({"/bin/sh", "-c", befehl}, {"DISPLAY"}, verzeichnis);
        EXPECT_EQ(k.warten(20), 1) << befehl;
        EXPECT_TRUE(std::regex_match(k.ausgabe(), std::regex(f.second))) << befehl << k.ausgabe();
    }
}

// With --zeitzone every instant also on the place's clock, five hours
// behind UT in Dallas in April, ten ahead in Sydney in July; the list's
// header names the columns of the clock.
TEST(Ortbefehl, OrtszeitMitZeitzone)
{
    const Lauf ort = umbrix({"--ort", "32.7767", "-96.7970", "2024", "4", "--zeitzone", "America/Chicago"});
    EXPECT_EQ(ort.status, 0);
    const std::regex kontakt("\n2\\. Kontakt: 18:40:37 UT \\(13:40:37 CDT\\)  Sonnenhoehe ");
    const std::regex antwort(
        "\nTotale Finsternis: 3m49\\.\\ds Totalitaet um 13:40:37 CDT, Sonne 65 Grad hoch im Sueden\\.\n$");
    EXPECT_TRUE(std::regex_search(ort.ausgabe, kontakt)) << ort.ausgabe;
    EXPECT_TRUE(std::regex_search(ort.ausgabe, antwort)) << ort.ausgabe;

    const Lauf liste = umbrix({"--liste", "-33.8688", "151.2093", "2028", "2028", "--zeitzone", "Australia/Sydney"});
    EXPECT_EQ(liste.status, 0);
    const std::regex zeilen("Datum Art Maximum_UT Ortsdatum Ortszeit Zone [^\n]*\n"
                            "22\\.7\\.2028 total 0([34]):(\\d\\d:\\d\\d) 22\\.7\\.2028 1\\1:\\2 AEST [^\n]*\n");
    EXPECT_TRUE(std::regex_match(liste.ausgabe, zeilen)) << liste.ausgabe;
}

// Without a display: the lines of the place (the year alone: its first
// eclipse, the height given first), the list, and the usage text.
TEST(Ortbefehl, OrtListeUndAnwendungstextOhneAnzeige)
{
    const Elemente *b_ = nullptr;
    for (const Elemente &e : testhilfe::ausgelieferte_saetze())
        if (!b_ && e.datum.jahr == 2024 && e.datum.monat == 4) b_ = &e;
    ASSERT_TRUE(b_);
    const Elemente &b = *b_;
    const Ort dallas{32.7763, -96.7969, 140};
    std::string erwartet;
    // Coordinates take the clock of the nearest town, Dallas's.
    for (const std::string &z : ortszeilen(b, dallas, ortsumstaende(b, dallas), std::string("America/Chicago")))
        erwartet += z + "\n";
    const Lauf l = umbrix({"--ort", "--hoehe", "140", "32.7763", "-96.7969", "2024"});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.ausgabe, erwartet);
    EXPECT_EQ(l.ausgabe.rfind("Ort: 32.7763 N  96.7969 W  140 m\nFinsternis: 8.4.2024 total\n", 0), 0u);

    const Lauf liste = umbrix({"--liste", "51.5074", "-0.1278", "2015", "2015"});
    EXPECT_EQ(liste.status, 0);
    EXPECT_TRUE(std::regex_match(liste.ausgabe, std::regex("Datum Art [^\n]*\n20\\.3\\.2015 partiell 09:3[^\n]*\n")))
        << liste.ausgabe;

    const Lauf hilfe = umbrix({"?"});
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_TRUE(std::regex_search(hilfe.ausgabe, std::regex("\nAnwendung: umbrix Jahr Monat\n[^\n]*umbrix --ort "
                                                            "Breite Laenge[^\n]*\n[^\n]*umbrix --liste Breite Laenge")))
        << hilfe.ausgabe;
}
