// Saving pictures, the parts without a window: the format by the ending,
// the proposed name, the arguments of --bild, and saving over files.
#include <gtest/gtest.h>

#include "betrachter/bessel.h"
#include "befehle/bildbefehl.h"
#include "betrachter/bildspeichern.h"
#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// An eclipse whose T0 lies at the given UT hour of its day.
Elemente finsternis_um(int jahr, int monat, int tag, double stunde)
{
    Elemente e;
    e.datum = {jahr, monat, tag};
    e.mjd = 60000 + stunde / 24;  // only the fraction of the day counts
    return e;
}

bool lesen(std::vector<std::string> argumente, Bildauftrag *auftrag, std::string *fehler)
{
    argumente.insert(argumente.begin(), {"umbrix", "--bild"});
    std::vector<char *> argv;
    for (auto &s : argumente) argv.push_back(&s[0]);
    return bildauftrag_lesen(static_cast<int>(argv.size()), argv.data(), auftrag, fehler);
}

// A fresh working directory, and a picture shown that draws nothing.
struct Bildordner {
    testhilfe::Arbeitsverzeichnis d;
    testhilfe::Verzeichniswechsel wd{d.pfad()};
    Bessel bessel;
    Bildordner()
    {
        testhilfe::bild_ohne_fenster(-1, -1, 1, 1);
        bild_gezeigt(bessel, 0, [](Bessel &, double) {});
    }
};

}  // namespace

TEST(Bildspeichern, FormatNachEndung)
{
    const std::pair<const char *, Bildformat> faelle[] = {
        {"a.png", Bildformat::png}, {"/x/B.PNG", Bildformat::png}, {"c.Svg", Bildformat::svg},
        {"d.eps", Bildformat::eps}, {"e.gif", Bildformat::unbekannt}, {"f.png.txt", Bildformat::unbekannt},
        {".png", Bildformat::unbekannt}, {"", Bildformat::unbekannt}};
    for (const auto &f : faelle) EXPECT_EQ(bildformat(f.first), f.second) << f.first;
}

// 8 April 2024: T0 17:58:46 UT, greatest eclipse 18:17:20 UT (NASA); six
// hours crossing midnight at a year's end and into a leap February (the
// caption truncates the seconds).
TEST(Bildspeichern, NamensvorschlagUndZeitpunkt)
{
    const Elemente april = finsternis_um(2024, 4, 8, 17 + 58.0 / 60 + 46.0 / 3600);
    EXPECT_EQ(bildname_vorschlag(april, 0.30816), "umbrix-2024-04-08-1817.png");
    EXPECT_EQ(bildname_vorschlag(finsternis_um(2214, 12, 31, 22.5), 2.501), "umbrix-2215-01-01-0100.png");
    EXPECT_EQ(bildname_vorschlag(finsternis_um(2024, 3, 1, 1), -1.999), "umbrix-2024-02-29-2300.png");
    double t = 0;
    EXPECT_FALSE(zeitpunkt_fuer(april, 14, 58, &t));
    const Elemente spaet = finsternis_um(2000, 1, 31, 23);
    for (auto [stunde, erwartet] : {std::pair{1, 2.5}, {20, -2.5}}) {
        ASSERT_TRUE(zeitpunkt_fuer(spaet, stunde, 30, &t));
        EXPECT_NEAR(t, erwartet, 1e-6);
    }
}

TEST(Bildspeichern, ArgumenteVonBild)
{
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{}, "Kein Dateiname"}, {{"x.gif"}, "Unbekannte Endung: x.gif"},
        {{".png"}, "Kein Dateiname vor der Endung: .png"}, {{"x.png", "2024x"}, "Kein Jahr (-1999 bis 3000): '2024x'"},
        {{"x.png", "-2000"}, "Kein Jahr"}, {{"x.png", "2024", "13"}, "Kein Monat (1 bis 12): '13'"},
        {{"x.png", "2024", "4", "24:00"}, "Keine Uhrzeit (HH:MM, Weltzeit): '24:00'"},
        {{"x.png", "2024", "4", "18:7"}, "Keine Uhrzeit"}, {{"x.png", "2024", "4", "-1:00"}, "Keine Uhrzeit"},
        {{"x.png", "2024", "4", "32"}, "Kein Tag (1 bis 31): '32'"},
        {{"x.png", "2024", "4", "18:17", "x"}, "Zu viele Argumente"},
        {{"x.png", "2024", "4", "8", "18:17", "x"}, "Zu viele Argumente"}};
    Bildauftrag a;
    std::string fehler;
    for (const auto &f : faelle) {
        EXPECT_FALSE(lesen(f.first, &a, &fehler)) << f.second;
        EXPECT_EQ(fehler.rfind(f.second, 0), 0u) << fehler;
        EXPECT_EQ(fehler.find('\n'), std::string::npos) << fehler;
    }
    a = {};
    ASSERT_TRUE(lesen({"x.PNG"}, &a, &fehler));
    EXPECT_EQ(a.jahr * 100 + a.monat, 200808);
    ASSERT_TRUE(lesen({"x.eps", "2024", "4", "8:05"}, &a, &fehler));
    EXPECT_EQ(a.jahr * 100 + a.monat, 202404);
    EXPECT_EQ(a.mit_zeit * 10000 + a.stunde * 100 + a.minute, 10805);
    ASSERT_TRUE(lesen({"x.png", "2000", "7", "31", "01:00"}, &a, &fehler));  // a day, then the time
    EXPECT_EQ(a.tag * 10000 + a.mit_zeit * 100 + a.stunde, 310101);
}

// A link stays one and its target gets the picture, a replaced file keeps
// its mode, a write-protected one is kept; no scratch file is left.
TEST(Bildspeichern, UeberVorhandeneDateien)
{
    Bildordner b;
    ASSERT_EQ(mkdir("ziel", 0755) + symlink("ziel/echt.eps", "link.eps"), 0);
    const struct {
        const char *name, *datei;
        unsigned modus;
        const char *fehler;  // empty: saved
    } faelle[] = {
        {"link.eps", "ziel/echt.eps", 0640, ""},
        {"priv.eps", "priv.eps", 0600, ""},
        {"ro.eps", "ro.eps", 0444, "Bild nicht gespeichert: ro.eps ist schreibgeschuetzt."},
    };
    struct stat st;
    for (const auto &f : faelle) {
        testhilfe::datei_schreiben(f.datei, "alt", f.modus);
        std::string fehler;
        EXPECT_EQ(bild_speichern(f.name, &fehler), !*f.fehler) << f.name;
        EXPECT_EQ(fehler, f.fehler);
        ASSERT_EQ(stat(f.datei, &st), 0) << f.datei;
        EXPECT_EQ(st.st_mode & 07777, f.modus) << f.name;
        EXPECT_EQ(testhilfe::datei_lesen(f.datei).rfind("%!PS", 0), *f.fehler ? std::string::npos : 0) << f.name;
    }
    EXPECT_TRUE(lstat("link.eps", &st) == 0 && S_ISLNK(st.st_mode));
    EXPECT_EQ(testhilfe::verzeichnis_liste(".").size() + testhilfe::verzeichnis_liste("ziel").size(), 5u);
}

// A link to anything but a regular file is refused, and what it names is
// kept as it was: no picture replaces a FIFO or a directory.
TEST(Bildspeichern, NurGewoehnlicheDateienWerdenErsetzt)
{
    Bildordner b;
    ASSERT_EQ(mkfifo("fifo", 0644) + mkdir("verzeichnis.eps", 0755) + symlink("fifo", "fifo.png") +
                  symlink("verzeichnis.eps", "verzeichnis.png"),
              0);
    const std::pair<const char *, mode_t> faelle[] = {
        {"fifo.png", S_IFIFO}, {"verzeichnis.png", S_IFDIR}, {"verzeichnis.eps", S_IFDIR}};
    for (const auto &[name, art] : faelle) {
        std::string fehler;
        EXPECT_FALSE(bild_speichern(name, &fehler)) << name;
        EXPECT_EQ(fehler, std::string("Bild nicht gespeichert: ") + name + " ist keine gewoehnliche Datei.");
        struct stat st;
        EXPECT_TRUE(stat(name, &st) == 0 && (st.st_mode & S_IFMT) == art) << name;
    }
    EXPECT_EQ(testhilfe::verzeichnis_liste(".").size(), 4u);
}

// The longest name a directory takes, new or replaced: the scratch file
// beside it has a name of its own length.
TEST(Bildspeichern, LaengsterName)
{
    Bildordner b;
    const std::string name = std::string(static_cast<size_t>(pathconf(".", _PC_NAME_MAX)) - 4, 'n') + ".eps";
    for (int mal = 0; mal < 2; ++mal) {
        std::string fehler;
        ASSERT_TRUE(bild_speichern(name, &fehler)) << fehler;
        EXPECT_EQ(testhilfe::datei_lesen(name).rfind("%!PS", 0), 0u);
    }
    EXPECT_EQ(testhilfe::verzeichnis_liste(".").size(), 1u);
}
