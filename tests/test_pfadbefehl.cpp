// umbrix --pfad [JAHR [MONAT]]: its arguments, and the table it prints
// without a display.
#include <gtest/gtest.h>

#include "hilfe/plotdateien.h"
#include "hilfe/xvfb.h"
#include "befehle/pfadbefehl.h"
#include "hilfe/besselsaetze.h"

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace {

Pfadbefehl lesen(std::vector<std::string> argumente)
{
    argumente.insert(argumente.begin(), "umbrix");
    std::vector<char *> argv;
    for (std::string &a : argumente) argv.push_back(a.data());
    return pfadbefehl_lesen(static_cast<int>(argv.size()), argv.data());
}

TEST(Pfadbefehl, Argumente)
{
    struct Fall {
        std::vector<std::string> argumente;
        bool gegeben;
        int jahr, monat;
        const char *fehler;  // part of the message; "" for none
    } faelle[] = {
        {{}, false, 2008, 8, ""},
        {{"2024", "--pfad"}, false, 2008, 8, ""},
        {{"--pfad"}, true, 2008, 8, ""},
        {{"--pfad", "2024"}, true, 2024, 0, ""},
        {{"--pfad", "2024", "4"}, true, 2024, 4, ""},
        {{"--pfad", "+2024"}, true, 2024, 0, ""},  // as --ort and --bild read it
        {{"--pfad", "abc"}, true, 0, 0, "JAHR ist keine ganze Zahl von -1999 bis 3000: \"abc\""},
        {{"--pfad", "3001"}, true, 0, 0, "JAHR"},
        {{"--pfad", "99999999999999999999"}, true, 0, 0, "JAHR"},
        {{"--pfad", "2024", "13"}, true, 0, 0, "MONAT ist keine ganze Zahl von 1 bis 12: \"13\""},
        {{"--pfad", "2024", "4.5"}, true, 0, 0, "MONAT"},
        {{"--pfad", "2024", " 4"}, true, 0, 0, "MONAT"},
        {{"--pfad", "2024", "4", "32"}, true, 0, 0, "TAG ist keine ganze Zahl von 1 bis 31: \"32\""},
        {{"--pfad", "2024", "4", "8", "1"}, true, 0, 0, "ueberzaehlige Angabe \"1\""},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::PrintToString(f.argumente));
        const Pfadbefehl b = lesen(f.argumente);
        EXPECT_EQ(b.gegeben, f.gegeben);
        if (*f.fehler) {
            EXPECT_NE(b.fehler.find(f.fehler), std::string::npos) << b.fehler;
        } else {
            EXPECT_EQ(b.fehler, "");
            EXPECT_EQ(b.jahr, f.jahr);
            EXPECT_EQ(b.monat, f.monat);
        }
    }
}

int umbrix(const std::vector<std::string> &argumente, std::string *ausgabe)
{
    std::vector<std::string> a{UMBRIX_BINARY};
    a.insert(a.end(), argumente.begin(), argumente.end());
    testhilfe::Kindprozess k(a, {"DISPLAY"}, UMBRIX_BUILD_DIR);
    const int status = k.warten(30);
    *ausgabe = k.ausgabe();
    return status;
}

const char *const ort = "-?\\d+\\.\\d{4} -?\\d+\\.\\d{4}";

TEST(Pfadbefehl, TabelleOhneDisplay)
{
    std::string aus;
    ASSERT_EQ(umbrix({"--pfad", "2024", "4"}, &aus), 0) << aus;
    EXPECT_EQ(aus.find("eingelesen"), std::string::npos);
    const std::regex minute(std::string("\\d\\d:\\d\\d UT  Nord (--|") + ort + ")  Zentral " + ort + "  Sued (--|" +
                            ort + ")  Sonnenhoehe -?\\d+\\.\\d  Breite (\\d+|--) km  Dauer \\dm\\d\\d\\.\\ds");
    const std::vector<std::string> zeilen = testhilfe::zeilen(aus);
    ASSERT_GT(zeilen.size(), 150u);
    EXPECT_EQ(zeilen[0], "Finsternis: 8.4.2024 total");
    int ohne_grenze = 0;
    for (size_t i = 1; i + 2 < zeilen.size(); ++i) {
        EXPECT_TRUE(std::regex_match(zeilen[i], minute)) << zeilen[i];
        // A width from limit to limit only where both are on the Earth.
        const bool eine_fehlt = zeilen[i].find(" --  ") != std::string::npos;
        EXPECT_EQ(zeilen[i].find("Breite -- km") != std::string::npos, eine_fehlt) << zeilen[i];
        ohne_grenze += eine_fehlt;
    }
    EXPECT_GT(ohne_grenze, 0);
    EXPECT_TRUE(std::regex_match(zeilen[zeilen.size() - 2],
                                 std::regex("Groesste Finsternis: 18:17:\\d\\d UT  25\\.2[89]\\d\\d -104\\.1[23]\\d\\d  "
                                            "Dauer 4m2[78]\\.\\ds")))
        << zeilen[zeilen.size() - 2];
    EXPECT_EQ(zeilen.back().rfind("Groesste Dauer: ", 0), 0u);

}

// The first line names the eclipse and its kind: the published kinds of
// 20 April 2023 (hybrid), 14 October 2023 (annular), 29 March 2025
// (partial) and 2 August 2027 (total).
TEST(Pfadbefehl, ArtDerFinsternis)
{
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"2023", "4"}, "Finsternis: 20.4.2023 hybrid\n"},
        {{"2023", "10"}, "Finsternis: 14.10.2023 ringfoermig\n"},
        {{"2025", "3"}, "Finsternis: 29.3.2025 partiell\n"},
        {{"2027", "8"}, "Finsternis: 2.8.2027 total\n"},
    };
    for (const auto &[argumente, kopf] : faelle) {
        std::vector<std::string> a{"--pfad"};
        a.insert(a.end(), argumente.begin(), argumente.end());
        std::string aus;
        ASSERT_EQ(umbrix(a, &aus), 0) << aus;
        EXPECT_EQ(aus.substr(0, kopf.size()), kopf);
    }
}

// A day chooses the eclipse of that date: the second of a month too.
TEST(Pfadbefehl, TagWaehltDieFinsternis)
{
    for (const char *tag : {"30", "1"}) {
        const auto &alle = testhilfe::ausgelieferte_saetze();
        const auto e = std::find_if(alle.begin(), alle.end(), [&](const Elemente &e) {
            return e.datum.jahr == 2282 && e.datum.monat == 11 && e.datum.tag == std::stoi(tag);
        });
        ASSERT_NE(e, alle.end());
        std::string erwartet = "Finsternis: " + std::string(tag) + ".11.2282 partiell\n", aus;
        for (const std::string &z : pfadzeilen(*e, schattenpfad(*e))) erwartet += z + "\n";
        EXPECT_EQ(umbrix({"--pfad", "2282", "11", tag}, &aus), 0);
        EXPECT_EQ(aus, erwartet) << tag;
    }
}

// Refusals: one line and status 2; years outside the file as --ort refuses
// them, a day without an eclipse.
TEST(Pfadbefehl, Ablehnungen)
{
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"2024", "13"}, "--pfad: MONAT ist keine ganze Zahl von 1 bis 12: \"13\"\n"},
        {{"3001"}, "--pfad: JAHR ist keine ganze Zahl von -1999 bis 3000: \"3001\""},
        {{"--", "-2000"}, "--pfad: JAHR ist keine ganze Zahl von -1999 bis 3000: \"-2000\""},
        {{"2000", "7", "30"}, "Keine Finsternis am 30.7.2000 "},
    };
    for (const auto &[argumente, meldung] : faelle) {
        std::vector<std::string> a{"--pfad"};
        a.insert(a.end(), argumente.begin(), argumente.end());
        std::string aus;
        ASSERT_EQ(umbrix(a, &aus), 2) << aus;
        EXPECT_EQ(aus.rfind("umbrix: " + meldung, 0), 0u) << aus;
        EXPECT_EQ(std::count(aus.begin(), aus.end(), '\n'), 1) << aus;
    }
}

}  // namespace
