// Places by name: umbrix --suche and --ort NAME against the gazetteer, in
// English and in the user's language, bad names refused in one line, the
// gazetteer's table in the cache made anew when damaged, and a named place
// as the settings store keeps it.
#include <gtest/gtest.h>

#include "befehle/ortbefehl.h"
#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "orte/orte.h"

#include <string>
#include <vector>

namespace {

struct Lauf {
    int status;
    std::string ausgabe;
};

// The program from the build directory without a display, its cache in
// cache, its language that of LANGUAGE=sprache.
Lauf umbrix(std::vector<std::string> argumente, const std::string &cache, const std::string &sprache = "")
{
    argumente.insert(argumente.begin(), UMBRIX_BINARY);
    testhilfe::Kindprozess k(argumente, {"DISPLAY", "LC_ALL", "LANG=C.UTF-8", "LANGUAGE=" + sprache,
                                         "XDG_CACHE_HOME=" + cache},
                             UMBRIX_BUILD_DIR);
    Lauf l;
    l.status = k.warten(60);
    l.ausgabe = k.ausgabe();
    return l;
}

size_t zeilen(const std::string &text)
{
    size_t n = 0;
    for (const char c : text) n += c == '\n';
    return n;
}

}  // namespace

// What --suche finds first for a name (latitude and longitude to 0.1
// degree, from an atlas), or the start of its one line of refusal.
TEST(Orte, NamenSuchen)
{
    testhilfe::Arbeitsverzeichnis cache;
    struct Fall {
        std::string name, sprache, anfang;
    };
    const std::vector<Fall> faelle = {
        {"Dallas", "", "Dallas\tTexas\tUnited States of America\t32.78"},
        {"dallas", "", "Dallas\tTexas\tUnited States of America\t32.78"},
        {"Springfield", "", "Springfield\tMissouri\tUnited States of America\t37.2"},
        {"Springfield, Illinois", "", "Springfield\tIllinois\tUnited States of America\t39.8"},
        {"Madrid, Spain", "", "Madrid\tMadrid\tSpain\t40.4"},
        {"Paris, FR", "", "Paris\t"},
        {"Sevilla", "", "Sevilla\tValle del Cauca\tColombia\t4.2"},
        {"Sevilla", "es", "Sevilla\tComunidad Aut\xc3\xb3noma de Andaluc\xc3\xad""a\tEspa\xc3\xb1""a\t37.3"},
        {"Seville", "es", "Sevilla\t"},
        {"M\xc3\xbcnchen", "de", "M\xc3\xbcnchen\tBayern\tDeutschland\t48.1"},
        {"Sprinfield", "", "umbrix: Kein Ort namens \"Sprinfield\" gefunden; aehnlich: Spring"},
        {"Springfield, Texas", "", "umbrix: Kein Ort namens \"Springfield, Texas\" gefunden; aehnlich: Springfield, Missouri"},
        {"Qqqqzzx", "", "umbrix: Kein Ort namens \"Qqqqzzx\" gefunden.\n"},
        {"  ", "", "umbrix: Ortsname fehlt."},
        {std::string(10000, 'a'), "", "umbrix: Ortsname zu lang (10000 Zeichen"},
        {"Da\tllas", "", "umbrix: Ortsname mit Steuerzeichen."},
        {"Da\x1b[2Jllas", "", "umbrix: Ortsname mit Steuerzeichen."},
        {"Dall\xff", "", "umbrix: Ortsname ist kein UTF-8-Text."},
        {"48.1374", "", "umbrix: \"48.1374\" ist eine Zahl, kein Ortsname."},
        {"12:30", "", "umbrix: \"12:30\" ist kein Ortsname."}};
    for (const Fall &f : faelle) {
        const Lauf l = umbrix({"--suche", f.name}, cache.pfad(), f.sprache);
        const bool fehler = f.anfang.rfind("umbrix:", 0) == 0;
        EXPECT_EQ(l.status, fehler ? 2 : 0) << f.name << "\n" << l.ausgabe;
        EXPECT_EQ(l.ausgabe.rfind(f.anfang, 0), 0u) << f.name << "\n" << l.ausgabe;
        if (fehler) {
            EXPECT_EQ(zeilen(l.ausgabe), 1u) << l.ausgabe;
        }
    }
    // Every Springfield of the gazetteer, most populous first; the fields
    // separated by tabs.
    const Lauf l = umbrix({"--suche", "Springfield"}, cache.pfad());
    EXPECT_EQ(zeilen(l.ausgabe), 8u) << l.ausgabe;
    EXPECT_NE(l.ausgabe.find("Springfield\tIllinois\tUnited States of America\t39.8017\t-89.6437\tAmerica/Chicago\t"),
              std::string::npos);
}

// --ort with a name answers as with its coordinates, the place named in the
// Ort: line; --liste takes a name of several words.
TEST(Orte, OrtUndListeMitNamen)
{
    testhilfe::Arbeitsverzeichnis cache;
    const Lauf benannt = umbrix({"--ort", "Dallas", "2024", "4"}, cache.pfad());
    const Lauf gezahlt = umbrix({"--ort", "32.7831", "-96.8067", "2024", "4"}, cache.pfad());
    ASSERT_EQ(benannt.status, 0) << benannt.ausgabe;
    const std::string ortszeile =
        "Ort: Dallas, Texas, United States of America (32.7831 -96.8067, America/Chicago); 1 weiterer Ort dieses Namens\n";
    EXPECT_EQ(benannt.ausgabe.rfind(ortszeile, 0), 0u) << benannt.ausgabe;
    EXPECT_EQ(benannt.ausgabe.substr(ortszeile.size()), gezahlt.ausgabe.substr(gezahlt.ausgabe.find('\n') + 1));
    EXPECT_EQ(gezahlt.ausgabe.rfind("Ort: 32.7831 N  96.8067 W  0 m\n", 0), 0u) << gezahlt.ausgabe;

    const Lauf liste = umbrix({"--liste", "New", "York", "2024", "2024"}, cache.pfad());
    EXPECT_EQ(liste.ausgabe, umbrix({"--liste", "40.7143", "-74.0060", "2024", "2024"}, cache.pfad()).ausgabe);
    EXPECT_EQ(zeilen(liste.ausgabe), 2u) << liste.ausgabe;  // the header and 8 April 2024
}

// How --ort and --liste take the place: a name of one or more words up to
// the first number, --hoehe anywhere, both coordinates in one argument;
// the time zone of the town, or of the nearest one within 100 km.
TEST(Orte, OrtsargumenteLesen)
{
    struct Fall {
        std::vector<std::string> argumente;
        double breite, laenge, hoehe;
        int jahre, tag;
        std::string zone, fehler;
    };
    const std::vector<Fall> faelle = {
        {{"--ort", "New", "York", "2024", "4", "8"}, 40.7143, -74.006, 0, 2, 8, "America/New_York", ""},
        {{"--ort", "--hoehe", "20", "Springfield,", "Illinois"}, 39.8017, -89.6437, 20, 0, 0, "America/Chicago", ""},
        {{"--liste", "Madrid", "--hoehe", "650", "2020"}, 40.4165, -3.7026, 650, 1, 0, "Europe/Madrid", ""},
        {{"--ort", "32.7763", "-96.7969"}, 32.7763, -96.7969, 0, 0, 0, "America/Chicago", ""},
        {{"--ort", "40\xc2\xb0" "25'N 3\xc2\xb0" "42'W", "2026"}, 40 + 25 / 60.0, -3.7, 0, 1, 0, "Europe/Madrid", ""},
        {{"--ort", "0", "-30"}, 0, -30, 0, 0, 0, "", ""},  // the open Atlantic
        {{"--ort", "Luxor", "Luxor", "2027"}, 0, 0, 0, 0, 0, "", "Kein Ort namens \"Luxor Luxor\""},
        {{"--ort", "Qqqzx", "10"}, 0, 0, 0, 0, 0, "", "Kein Ort namens \"Qqqzx\" gefunden."}};
    for (const Fall &f : faelle) {
        std::vector<char *> argv = {const_cast<char *>("umbrix")};
        for (const std::string &a : f.argumente) argv.push_back(const_cast<char *>(a.c_str()));
        const Ortbefehl b = ortbefehl_lesen(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(b.fehler.rfind(f.fehler, 0), 0u) << f.argumente[1] << ": " << b.fehler;
        if (!f.fehler.empty()) continue;
        EXPECT_NEAR(b.platz.breite, f.breite, 1e-4) << f.argumente[1];
        EXPECT_NEAR(b.platz.laenge, f.laenge, 1e-4) << f.argumente[1];
        EXPECT_EQ(b.platz.hoehe, f.hoehe) << f.argumente[1];
        EXPECT_EQ(b.jahre, f.jahre) << f.argumente[1];
        EXPECT_EQ(b.tag, f.tag) << f.argumente[1];
        EXPECT_EQ(b.zone, f.zone) << f.argumente[1];
    }
}

// A table cut short or from an older make is made anew; another language
// has a table of its own.
TEST(Orte, TabelleImCacheWirdErneuert)
{
    testhilfe::Arbeitsverzeichnis cache;
    ASSERT_EQ(umbrix({"--suche", "Luxor"}, cache.pfad()).status, 0);
    const std::vector<std::string> dateien = testhilfe::verzeichnis_liste(cache.datei("umbrix"));
    ASSERT_EQ(dateien.size(), 1u);
    const std::string datei = cache.datei("umbrix/" + dateien[0]);
    const std::string ganz = testhilfe::datei_lesen(datei);
    for (const std::string &kaputt : {ganz.substr(0, ganz.size() / 2), "umbrix-orte 1\t3\na\tb\n" + ganz.substr(100)}) {
        testhilfe::datei_schreiben(datei, kaputt);
        const Lauf l = umbrix({"--suche", "Luxor"}, cache.pfad());
        EXPECT_EQ(l.ausgabe.rfind("Luxor\t", 0), 0u) << l.ausgabe;
        EXPECT_EQ(testhilfe::datei_lesen(datei), ganz);
    }
    ASSERT_EQ(umbrix({"--suche", "Luxor"}, cache.pfad(), "de").status, 0);
    EXPECT_EQ(testhilfe::verzeichnis_liste(cache.datei("umbrix")).size(), 2u);
}

// A named place as the settings store keeps it, and what it reads back: an
// old value of coordinates alone still counts, a damaged one does not.
TEST(Orte, GespeicherteOrtsangabe)
{
    Ortsangabe o;
    o.ort = Ort{39.80172, -89.64371, 0};
    o.name = "Springfield";
    o.staat = "Illinois";
    o.land = "United States of America";
    o.zone = "America/Chicago";
    o.weitere = 7;
    Ortsangabe gelesen;
    std::string fehler;
    ASSERT_TRUE(ortsangabe_aus_text(ortsangabe_text(o).c_str(), &gelesen, &fehler)) << fehler;
    EXPECT_EQ(ortsangabe_zeile(gelesen), ortsangabe_zeile(o));
    EXPECT_EQ(ortsangabe_zeile(o), "Springfield, Illinois, United States of America (39.8017 -89.6437, "
                                   "America/Chicago); 7 weitere Orte dieses Namens");
    o.name = std::string(190, 'x');  // too long for the store: kept without the name
    EXPECT_EQ(ortsangabe_text(o), "39.80172 -89.64371\tAmerica/Chicago");

    const std::pair<const char *, bool> faelle[] = {{"48.1374 11.5755", true},
                                                    {"48.1374 11.5755\tEurope/Berlin\tM\xc3\xbcnchen\tBayern\tDeutschland\t0", true},
                                                    {"48.1374\tEurope/Berlin", false},
                                                    {"48.1374 11.5755\tEurope/Berlin\tM\tB\tD\tviele", false},
                                                    {"48.1374 11.5755\ta\tb\tc\td\t0\te", false},
                                                    {"", false}};
    for (const auto &f : faelle) EXPECT_EQ(ortsangabe_aus_text(f.first, &gelesen, &fehler), f.second) << f.first;
}
