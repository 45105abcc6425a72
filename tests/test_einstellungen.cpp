// The settings store: one file per key in $ENV, with the process
// environment as fall-back.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/xmalwerk1.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

using testhilfe::datei_existiert;
using testhilfe::datei_lesen;
using testhilfe::datei_schreiben;
using testhilfe::Arbeitsverzeichnis;
using testhilfe::Umgebung;

namespace {

std::string ausgabe_von(void (*f)())
{
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Einstellungen, WertHinUndZurueck)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    Setenv("FARBE", "abc");
    EXPECT_EQ(datei_lesen(d.datei("FARBE")), "abc\n");
    const char *w = Getenv("FARBE");
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w, "abc");

    // A second value replaces the first completely, also a shorter one.
    Setenv("FARBE", "x");
    EXPECT_EQ(datei_lesen(d.datei("FARBE")), "x\n");
    EXPECT_STREQ(Getenv("FARBE"), "x");
}

TEST(Einstellungen, ZweiZeilenOhneLetztenZeilenwechsel)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    datei_schreiben(d.datei("TEXT"), "erste Zeile\nzweite Zeile\n");
    EXPECT_STREQ(Getenv("TEXT"), "erste Zeile\nzweite Zeile");
    // Only one newline is taken off.
    datei_schreiben(d.datei("TEXT"), "a\n\n");
    EXPECT_STREQ(Getenv("TEXT"), "a\n");
}

TEST(Einstellungen, LangerWertWirdAuf199Gekuerzt)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    std::string lang(250, 'q');
    lang[198] = 'Z';
    Setenv("LANG_WERT", lang.c_str());
    EXPECT_EQ(datei_lesen(d.datei("LANG_WERT")).size(), 251u);  // the file keeps everything
    std::string w = Getenv("LANG_WERT");
    EXPECT_EQ(w.size(), 199u);
    EXPECT_EQ(w.back(), 'Z');
    // Exactly 199 characters and a newline: the newline is not read any more.
    datei_schreiben(d.datei("GRENZE"), std::string(199, 'g') + "\n");
    EXPECT_EQ(std::string(Getenv("GRENZE")), std::string(199, 'g'));
}

TEST(Einstellungen, NullWertGibtLeerenTextNichtNull)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    Umgebung leer("NICHTS", nullptr);
    Setenv("NICHTS", nullptr);
    EXPECT_EQ(datei_lesen(d.datei("NICHTS")), "\n");
    const char *w = Getenv("NICHTS");
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w, "");
}

TEST(Einstellungen, RueckfallAufDieProzessumgebung)
{
    Arbeitsverzeichnis d;
    Umgebung wert("UMBRIX_PROBE", "aus der Umgebung");
    {
        Umgebung env("ENV", d.pfad().c_str());
        EXPECT_STREQ(Getenv("UMBRIX_PROBE"), "aus der Umgebung");  // no file
        datei_schreiben(d.datei("UMBRIX_PROBE"), "aus der Datei\n");
        EXPECT_STREQ(Getenv("UMBRIX_PROBE"), "aus der Datei");  // the file wins
    }
    {
        Umgebung env("ENV", nullptr);
        EXPECT_STREQ(Getenv("UMBRIX_PROBE"), "aus der Umgebung");
    }
    {
        Umgebung env("ENV", (d.pfad() + "/fehlt").c_str());  // no such directory
        EXPECT_STREQ(Getenv("UMBRIX_PROBE"), "aus der Umgebung");
        Umgebung weg("UMBRIX_PROBE_FEHLT", nullptr);
        EXPECT_EQ(Getenv("UMBRIX_PROBE_FEHLT"), nullptr);
    }
    EXPECT_EQ(Getenv(nullptr), nullptr);
}

TEST(Einstellungen, VerzeichnisIstKeineEinstellung)
{
    // A key that names a directory (an empty key, ".", a subdirectory)
    // opens for reading, but holds no value: the environment's counts.
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    ASSERT_EQ(mkdir(d.datei("UNTER").c_str(), 0755), 0);
    Umgebung wert("UNTER", "aus der Umgebung");
    EXPECT_STREQ(Getenv("UNTER"), "aus der Umgebung");
    EXPECT_EQ(Getenv(""), nullptr);
    EXPECT_EQ(Getenv("."), nullptr);
}

TEST(Einstellungen, FehlermeldungenBeimSpeichern)
{
    Arbeitsverzeichnis d;
    {
        Umgebung env("ENV", nullptr), xdg("XDG_CONFIG_HOME", nullptr), heim("HOME", nullptr);
        EXPECT_EQ(ausgabe_von([] { Setenv("A", "1"); }), "kann $ENV nicht finden (in .profile setzen!)\n");
    }
    {
        Umgebung env("ENV", (d.pfad() + "/fehlt").c_str());
        EXPECT_EQ(ausgabe_von([] { Setenv("A", "1"); }), "kann '" + d.pfad() + "/fehlt/A' nicht erstellen\n");
        EXPECT_FALSE(datei_existiert(d.datei("fehlt")));
    }
    {
        Umgebung env("ENV", d.pfad().c_str());
        EXPECT_EQ(ausgabe_von([] { Setenv(nullptr, "1"); }), "");
        EXPECT_TRUE(testhilfe::verzeichnis_liste(d.pfad()).empty());
    }
}

TEST(Einstellungen, ZuLangerPfadWirdNichtGekuerztSondernAbgewiesen)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    // The key makes the path 200 characters long: one more than fits. Cut to
    // 199 it would name the file "...x" below, which must stay untouched.
    std::string schluessel(200 - d.pfad().size() - 1, 'k');
    std::string gekuerzt = schluessel.substr(0, schluessel.size() - 1);
    datei_schreiben(d.datei(gekuerzt), "falsche Datei\n");
    Umgebung wert(schluessel.c_str(), "aus der Umgebung");

    testing::internal::CaptureStdout();
    Setenv(schluessel.c_str(), "neu");
    std::string meldung = testing::internal::GetCapturedStdout();
    EXPECT_NE(meldung.find("zu lang"), std::string::npos) << meldung;
    EXPECT_EQ(datei_lesen(d.datei(gekuerzt)), "falsche Datei\n");
    EXPECT_EQ(testhilfe::verzeichnis_liste(d.pfad()).size(), 1u);

    testing::internal::CaptureStdout();
    const char *w = Getenv(schluessel.c_str());
    meldung = testing::internal::GetCapturedStdout();
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w, "aus der Umgebung");
    EXPECT_NE(meldung.find("zu lang"), std::string::npos);

    // One character less fits exactly.
    Setenv(gekuerzt.c_str(), "passt");
    EXPECT_STREQ(Getenv(gekuerzt.c_str()), "passt");
}

TEST(Einstellungen, ErsetzenLaesstLeserDenGanzenAltenWert)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    Setenv("PLOTSAVE", "alter_name.ps");
    FILE *leser = fopen((d.datei("PLOTSAVE")).c_str(), "r");
    ASSERT_NE(leser, nullptr);
    Setenv("PLOTSAVE", "neuer_name.eps");
    // A reader that opened the file before keeps the complete old value:
    // the new value arrives as a new file, not by truncating the old one.
    char puffer[64] = "";
    ASSERT_NE(fgets(puffer, sizeof puffer, leser), nullptr);
    fclose(leser);
    EXPECT_STREQ(puffer, "alter_name.ps\n");
    EXPECT_STREQ(Getenv("PLOTSAVE"), "neuer_name.eps");
    // No scratch files are left behind.
    auto namen = testhilfe::verzeichnis_liste(d.pfad());
    ASSERT_EQ(namen.size(), 1u);
    EXPECT_EQ(namen[0], "PLOTSAVE");
}

TEST(Einstellungen, NeueDateiFolgtDerUmask)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    mode_t alt = umask(022);
    Setenv("MODUS", "1");
    umask(alt);
    struct stat st;
    ASSERT_EQ(stat((d.datei("MODUS")).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    // An existing file keeps its permissions when it is replaced.
    chmod((d.datei("MODUS")).c_str(), 0640);
    Setenv("MODUS", "2");
    ASSERT_EQ(stat((d.datei("MODUS")).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(Einstellungen, VerweisBleibtVerweisUndSeinZielBekommtDenWert)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    auto verweis = [&](const char *n) {
        struct stat st;
        return lstat(d.datei(n).c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    };
    // A relative link to a link to a file that is not there yet, and a
    // cycle of links, which names no file.
    ASSERT_EQ(mkdir(d.datei("ziele").c_str(), 0755) + symlink("ziele/plotname", d.datei("zwischen").c_str()) +
                  symlink("zwischen", d.datei("PLOTSAVE").c_str()) + symlink("KREIS", d.datei("KREIS").c_str()),
              0);
    Setenv("PLOTSAVE", "bild.eps");
    Setenv("PLOTSAVE", "bild2.eps");
    EXPECT_TRUE(verweis("PLOTSAVE"));
    EXPECT_EQ(datei_lesen(d.datei("ziele/plotname")), "bild2.eps\n");
    // No scratch files are left beside the links or the target.
    EXPECT_EQ(testhilfe::verzeichnis_liste(d.pfad()).size() + testhilfe::verzeichnis_liste(d.datei("ziele")).size(), 5u);
    EXPECT_EQ(ausgabe_von([] { Setenv("KREIS", "x"); }), "kann '" + d.datei("KREIS") + "' nicht erstellen\n");
    EXPECT_TRUE(verweis("KREIS"));
}

TEST(Einstellungen, NurLesbaresVerzeichnisMitSchreibbarerDatei)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    datei_schreiben(d.datei("FARBE"), "alt\n", 0666);
    chmod(d.pfad().c_str(), 0555);
    // As root only a process without its rights is refused scratch files.
    testhilfe::Kindprozess kind([] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 2;
        Setenv("FARBE", "neu");
        Setenv("NEUE_TASTE", "x");
        return 0;
    });
    EXPECT_EQ(kind.warten(10), 0);
    chmod(d.pfad().c_str(), 0755);
    EXPECT_EQ(datei_lesen(d.datei("FARBE")), "neu\n");
    EXPECT_EQ(kind.ausgabe(), "kann '" + d.datei("NEUE_TASTE") + "' nicht erstellen\n");
}

// An empty ENV names no directory (it would be the root): the store is
// not there, and the environment is asked.
TEST(Einstellungen, LeeresEnvIstNichtGesetzt)
{
    Umgebung env("ENV", ""), xdg("XDG_CONFIG_HOME", nullptr), heim("HOME", nullptr);
    const std::string schluessel = "umbrix-test-" + std::to_string(getpid());
    Umgebung wert(schluessel.c_str(), "aus der Umgebung");
    testing::internal::CaptureStdout();
    Setenv(schluessel.c_str(), "neu");
    const std::string meldung = testing::internal::GetCapturedStdout();
    const bool im_wurzelverzeichnis = datei_existiert("/" + schluessel);
    unlink(("/" + schluessel).c_str());
    EXPECT_EQ(meldung, "kann $ENV nicht finden (in .profile setzen!)\n");
    EXPECT_FALSE(im_wurzelverzeichnis);
    EXPECT_STREQ(Getenv(schluessel.c_str()), "aus der Umgebung");
}

// Only a regular file holds a setting: a FIFO the key names is not read
// (it would wait for a writer for ever), and a value, also through a link,
// does not replace it.
TEST(Einstellungen, FifoWirdWederGelesenNochErsetzt)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", d.pfad().c_str());
    Umgebung wert("FIFO", "aus der Umgebung");
    ASSERT_EQ(mkfifo(d.datei("FIFO").c_str(), 0644) + symlink("FIFO", d.datei("PLOTSAVE").c_str()), 0);
    testhilfe::Kindprozess kind([] {
        const char *w = Getenv("FIFO");
        return w && std::string(w) == "aus der Umgebung" ? 0 : 1;
    });
    EXPECT_EQ(kind.warten(10), 0);
    for (const char *schluessel : {"FIFO", "PLOTSAVE"}) {
        testing::internal::CaptureStdout();
        Setenv(schluessel, "bild.eps");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "kann '" + d.datei(schluessel) + "' nicht erstellen\n");
    }
    struct stat st;
    EXPECT_TRUE(stat(d.datei("FIFO").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
}

// Without $ENV the settings stay in the program's directory below
// $XDG_CONFIG_HOME, else below ~/.config, made on first use.
TEST(Einstellungen, OhneEnvImKonfigurationsverzeichnis)
{
    Arbeitsverzeichnis d;
    Umgebung env("ENV", nullptr), heim("HOME", d.pfad().c_str());
    const std::string programm = program_invocation_short_name;
    for (const std::string &basis : {d.datei("xdg/tief"), d.datei(".config")}) {
        Umgebung xdg("XDG_CONFIG_HOME", basis == d.datei(".config") ? nullptr : basis.c_str());
        EXPECT_EQ(ausgabe_von([] { Setenv("UMBRIXORT", "48.1 11.5"); }), "") << basis;
        EXPECT_EQ(datei_lesen(basis + "/" + programm + "/UMBRIXORT"), "48.1 11.5\n") << basis;
        EXPECT_STREQ(Getenv("UMBRIXORT"), "48.1 11.5") << basis;
    }
}
