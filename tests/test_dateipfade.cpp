// File names and directory moves of the file requester, without a display:
// splitting and joining names, parents, device entries, opening list
// entries and the directory buttons, and the requester's layout.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

using testhilfe::Arbeitsverzeichnis;
using testhilfe::datei_lesen;
using testhilfe::datei_schreiben;

namespace {

std::string eltern(const char *pfad)
{
    char z[400];
    elternpfad(pfad, z, sizeof z);
    return z;
}

std::string geraet(const char *name)
{
    char z[400];
    geraetepfad(name, z, sizeof z);
    return z;
}

// The gadget table of a file requester without a filter field, as the
// directory functions see it while the requester runs (nothing is drawn).
class Dateinavigation : public ::testing::Test {
protected:
    enum { LISTE = 0, PFAD = 1, DATEI = 2, KNOPF1 = 3, KNOPF2 = 4 };
    void SetUp() override
    {
        ASSERT_TRUE(getcwd(alt_, sizeof alt_));
        ASSERT_EQ(mkdir(v_.datei("unter").c_str(), 0755), 0);
        datei_schreiben(v_.datei("unter/innen.txt"), "");
        datei_schreiben(v_.datei("a.txt"), "");
        ASSERT_EQ(symlink("unter", v_.datei("verweis").c_str()), 0);
        for (int i = 0; i < 7; ++i) {
            newgadgets[i] = NewGadget{0, 0, 100, 20, "", static_cast<unsigned short>(i), i == 0 ? 17 : 1,
                                      nullptr, nullptr};
            gadgetstr[i].maxlaenge = 400;
            gadgetstr[i].set("");
        }
        newgadgets[KNOPF1].text = " Parent";
        newgadgets[KNOPF2].text = "  Devices";
        aktiver_requester = Requester{};
        aktiver_requester.typ = 16;
        aktiver_requester.pfadnr = PFAD;
        aktiver_requester.dateinr = DATEI;
        machgadget(&newgadgets[LISTE], 10);
        unsetenv("ROOT");
        unsetenv("CDROM");
    }
    void TearDown() override { ASSERT_EQ(chdir(alt_), 0); }

    Gadget2 &liste() { return *newgadgets[LISTE].liste; }
    std::string pfadfeld() { return gadgetstr[PFAD].text; }
    // Shows the directory pfad as if the user had typed it.
    void zeigen(const std::string &pfad)
    {
        gadgetstr[PFAD].set(pfad.c_str());
        ngnewpath(newgadgets);
    }
    int zeile_von(const std::string &name)
    {
        for (int i = 0; i < liste().anzahl; ++i) {
            std::string e = liste().eintraege[i];
            if (e.substr(0, e.find(' ')) == name) return i;
        }
        return -1;
    }
    int oeffnen(const std::string &name) { return ngnextdir(0, nullptr, &newgadgets[LISTE], zeile_von(name), 0); }
    int knopf(int i) { return ngnewdir(0, nullptr, newgadgets, i, 0); }

    Arbeitsverzeichnis v_;
    char alt_[4096];
};

}  // namespace

// ---------------------------------------------------------------------------
// Splitting and joining
// ---------------------------------------------------------------------------

TEST(Dateinamen, SplitpfadVerzeichnisUndDatei)
{
    char p[400], d[200];
    splitpfad("/etc/passwd", p, d, sizeof p, sizeof d);
    EXPECT_STREQ(p, "/etc");
    EXPECT_STREQ(d, "passwd");
    splitpfad("passwd", p, d, sizeof p, sizeof d);
    EXPECT_STREQ(p, "");
    EXPECT_STREQ(d, "passwd");
    splitpfad("/passwd", p, d, sizeof p, sizeof d);
    EXPECT_STREQ(p, "/");
    EXPECT_STREQ(d, "passwd");
    splitpfad("/etc/", p, d, sizeof p, sizeof d);
    EXPECT_STREQ(p, "/etc");
    EXPECT_STREQ(d, "");
    splitpfad(nullptr, p, d, sizeof p, sizeof d);
    EXPECT_STREQ(p, "");
    EXPECT_STREQ(d, "");
}

TEST(Dateinamen, SplitpfadBleibtInDenPuffern)
{
    // Canaries behind each buffer show any write past its size.
    struct {
        char p[400];
        char wache1[8];
        char d[200];
        char wache2[8];
    } b;
    memset(&b, 'W', sizeof b);
    std::string lang = "/" + std::string(500, 'v') + "/" + std::string(300, 'f');
    splitpfad(lang.c_str(), b.p, b.d, 400, 200);
    EXPECT_EQ(std::string(b.wache1, 8), std::string(8, 'W'));
    EXPECT_EQ(std::string(b.wache2, 8), std::string(8, 'W'));
    EXPECT_EQ(strlen(b.p), 1u) << "399 characters without a second '/': the root";
    EXPECT_EQ(strlen(b.d), 199u);

    std::string kurz = "/etc/" + std::string(300, 'f');
    splitpfad(kurz.c_str(), b.p, b.d, 400, 200);
    EXPECT_STREQ(b.p, "/etc");
    EXPECT_EQ(std::string(b.d), std::string(199, 'f'));
    EXPECT_EQ(std::string(b.wache2, 8), std::string(8, 'W'));

    char p2[10], d2[10];
    splitpfad("ab/cdefghijklmnop", p2, d2, 10, 0);
    EXPECT_STREQ(p2, "ab");
    EXPECT_STREQ(d2, "cdefgh") << "b = 0 means a; the name was cut to 9 first";
}

TEST(Dateinamen, JoinpfadMitUndOhneSchraegstrich)
{
    char z[400];
    EXPECT_STREQ(joinpfad("/etc", "passwd", z, sizeof z), "/etc/passwd");
    EXPECT_STREQ(joinpfad("/etc/", "passwd", z, sizeof z), "/etc/passwd");
    EXPECT_STREQ(joinpfad("/", "passwd", z, sizeof z), "/passwd");
    EXPECT_STREQ(joinpfad("", "passwd", z, sizeof z), "passwd");
    EXPECT_STREQ(joinpfad("/tmp", "", z, sizeof z), "/tmp/");
    char *neu = joinpfad("/usr", "lib", nullptr, 0);
    EXPECT_STREQ(neu, "/usr/lib");
    delete[] neu;
}

TEST(Dateinamen, JoinpfadGrenzen)
{
    struct {
        char z[6];
        char wache[8];
    } b;
    memset(&b, 'W', sizeof b);
    joinpfad("/etc", "passwd", b.z, 6);
    EXPECT_STREQ(b.z, "/etc/") << "max-2 of the path, the slash, then no room";
    joinpfad("/etcetera", "passwd", b.z, 6);
    EXPECT_STREQ(b.z, "/etc/");
    joinpfad("/etc", "p", b.z, 1);
    EXPECT_STREQ(b.z, "");
    EXPECT_EQ(std::string(b.wache, 8), std::string(8, 'W'));
}

TEST(Dateinamen, ElternpfadUndGeraete)
{
    EXPECT_EQ(eltern("/usr"), "/");
    EXPECT_EQ(eltern("usr"), "");
    EXPECT_EQ(eltern("/usr/lib"), "/usr");
    EXPECT_EQ(eltern("a/b"), "a");
    EXPECT_EQ(eltern("/"), "/");
    EXPECT_EQ(eltern(""), "");
    EXPECT_EQ(eltern("/usr/"), "/") << "a trailing slash names the same directory";
    EXPECT_EQ(eltern("../x"), "..");

    setenv("HOME", "/home/jemand", 1);
    EXPECT_EQ(geraet("HOME"), "/home/jemand");
    unsetenv("ROOT");
    EXPECT_EQ(geraet("ROOT"), "/");
    setenv("ROOT", "", 1);
    EXPECT_EQ(geraet("ROOT"), "/") << "an empty variable counts as unset";
    unsetenv("CDROM");
    EXPECT_EQ(geraet("CDROM"), "/cdrom");
    unsetenv("PWD");
    EXPECT_EQ(geraet("PWD"), "PWD");
    setenv("CDROM", std::string(500, 'c').c_str(), 1);
    char klein[8];
    geraetepfad("CDROM", klein, sizeof klein);
    EXPECT_STREQ(klein, "ccccccc");
}

// ---------------------------------------------------------------------------
// Opening entries and the directory buttons
// ---------------------------------------------------------------------------

TEST_F(Dateinavigation, VerzeichnisUndVerweisOeffnenDateiNicht)
{
    zeigen(v_.pfad());
    EXPECT_EQ(oeffnen("a.txt"), 0);
    EXPECT_EQ(pfadfeld(), v_.pfad());
    ASSERT_EQ(oeffnen("unter"), 1);
    EXPECT_EQ(pfadfeld(), v_.pfad() + "/unter");
    EXPECT_EQ(liste().anzahl, 1);
    EXPECT_GE(zeile_von("innen.txt"), 0);
    zeigen(v_.pfad() + "/");
    ASSERT_EQ(oeffnen("verweis"), 1);
    EXPECT_EQ(pfadfeld(), v_.pfad() + "/verweis") << "no second slash";
    EXPECT_GE(zeile_von("innen.txt"), 0);
}

TEST_F(Dateinavigation, ZeilenAusserhalbDerListeUndErsterSichtbarer)
{
    zeigen(v_.pfad());
    EXPECT_EQ(ngnextdir(0, nullptr, &newgadgets[LISTE], -1, 0), 0);
    EXPECT_EQ(ngnextdir(0, nullptr, &newgadgets[LISTE], liste().anzahl, 0), 0);
    int unter = zeile_von("unter");
    ASSERT_EQ(unter, 0);
    liste().erster = 1;  // row 0 now shows the second entry
    EXPECT_EQ(ngnextdir(0, nullptr, &newgadgets[LISTE], 0, 0), 1);
    EXPECT_EQ(pfadfeld(), v_.pfad() + "/verweis");
}

TEST_F(Dateinavigation, LeererPfadOeffnetRelativ)
{
    ASSERT_EQ(chdir(v_.pfad().c_str()), 0);
    zeigen("");
    ASSERT_EQ(oeffnen("unter"), 1);
    EXPECT_EQ(pfadfeld(), "unter");
    EXPECT_GE(zeile_von("innen.txt"), 0);
}

TEST_F(Dateinavigation, UnlesbaresVerzeichnisZeigtPunktPunktUndFuehrtHinauf)
{
    zeigen(v_.pfad() + "/gibtsnicht");
    ASSERT_EQ(liste().anzahl, 1);
    EXPECT_STREQ(liste().eintraege[0], "..");
    ASSERT_EQ(ngnextdir(0, nullptr, &newgadgets[LISTE], 0, 0), 1);
    EXPECT_EQ(pfadfeld(), v_.pfad());
    EXPECT_GE(zeile_von("a.txt"), 0);
}

TEST_F(Dateinavigation, ZurueckStelltDenAltenPfadEinmalHer)
{
    EXPECT_EQ(ngnextdir(0, nullptr, &newgadgets[LISTE], 0, 1), 0) << "nothing remembered yet";
    zeigen(v_.pfad());
    ASSERT_EQ(oeffnen("unter"), 1);
    EXPECT_EQ(ngnextdir(0, nullptr, &newgadgets[LISTE], 0, 1), 1);
    EXPECT_EQ(pfadfeld(), v_.pfad());
    EXPECT_GE(zeile_von("a.txt"), 0);
    EXPECT_EQ(ngnextdir(0, nullptr, &newgadgets[LISTE], 0, 1), 0) << "only once";
}

TEST_F(Dateinavigation, ElternknopfUndElterntaste)
{
    zeigen(v_.pfad() + "/unter");
    ASSERT_EQ(knopf(KNOPF1), 1);
    EXPECT_EQ(pfadfeld(), v_.pfad());
    EXPECT_GE(zeile_von("a.txt"), 0);
    zeigen("/usr");
    ASSERT_EQ(ngnewdir(0, nullptr, &newgadgets[LISTE], 0, 'P'), 1);
    EXPECT_EQ(pfadfeld(), "/");
    zeigen("usr");
    ASSERT_EQ(ngnewdir(0, nullptr, &newgadgets[LISTE], 0, 'P'), 1);
    EXPECT_EQ(pfadfeld(), "");
}

// The parent of the working directory comes from the process itself: a
// file pwd.tmp of the user stays as it was, none is made, and a directory
// without write permission works as well.
TEST_F(Dateinavigation, ElternknopfOhneHilfsdatei)
{
    ASSERT_EQ(chdir((v_.pfad() + "/unter").c_str()), 0);
    datei_schreiben("pwd.tmp", "eigene Daten\n");
    for (const char *anfang : {"", "."}) {
        zeigen(anfang);
        ASSERT_EQ(knopf(KNOPF1), 1) << anfang;
        EXPECT_EQ(pfadfeld(), v_.pfad()) << anfang;
        EXPECT_GE(zeile_von("a.txt"), 0);
    }
    EXPECT_EQ(datei_lesen("pwd.tmp"), "eigene Daten\n");

    ASSERT_EQ(chdir(v_.pfad().c_str()), 0);
    chmod(v_.pfad().c_str(), 0555);
    zeigen("");
    ASSERT_EQ(knopf(KNOPF1), 1);
    chmod(v_.pfad().c_str(), 0755);
    struct stat st;
    EXPECT_NE(stat("pwd.tmp", &st), 0) << "no scratch file is made";
    EXPECT_EQ(pfadfeld(), eltern(v_.pfad().c_str()));

    zeigen("");
    ASSERT_EQ(ngnewdir(0, nullptr, &newgadgets[LISTE], 0, 'P'), 1);
    EXPECT_EQ(pfadfeld(), "") << "the parent key takes the empty path as it is";
}

TEST_F(Dateinavigation, GeraetelisteUndGeraeteOeffnen)
{
    zeigen(v_.pfad());
    ASSERT_EQ(knopf(KNOPF2), 1);
    EXPECT_EQ(pfadfeld(), "$DISKS");
    ASSERT_EQ(liste().anzahl, 4);
    EXPECT_STREQ(liste().eintraege[0], "ROOT        (disk)");
    EXPECT_STREQ(liste().eintraege[3], "CDROM       (disk)");

    setenv("HOME", (v_.pfad() + "/unter").c_str(), 1);
    ASSERT_EQ(oeffnen("HOME"), 1);
    EXPECT_EQ(pfadfeld(), v_.pfad() + "/unter");
    EXPECT_GE(zeile_von("innen.txt"), 0);

    ASSERT_EQ(knopf(KNOPF2), 1);
    ASSERT_EQ(oeffnen("ROOT"), 1);
    EXPECT_EQ(pfadfeld(), "/");
    EXPECT_GE(zeile_von("tmp"), 0);
}

TEST_F(Dateinavigation, GetippterPfadHaeltDieGeraeteliste)
{
    ASSERT_EQ(knopf(KNOPF2), 1);
    ngnewpath(newgadgets);  // ends typing into the file-name field
    ASSERT_EQ(liste().anzahl, 4);
    EXPECT_STREQ(liste().eintraege[1], "HOME        (disk)");
}

TEST_F(Dateinavigation, UnbekannterKnopfbuchstabe)
{
    zeigen(v_.pfad());
    newgadgets[KNOPF1].text = "  Xtra";
    newgadgets[LISTE].text = "Liste";
    testing::internal::CaptureStdout();
    EXPECT_EQ(knopf(KNOPF1), 0);
    EXPECT_EQ(ngnewdir(0, nullptr, &newgadgets[LISTE], 0, '\x01'), 0);
    std::string aus = testing::internal::GetCapturedStdout();
    EXPECT_EQ(aus,
              "Error in ngnewdir(): c1=0x58='X' GadgetText='Liste'\n"
              "Error in ngnewdir(): c1=0x01=' ' GadgetText='Liste'\n");
    EXPECT_EQ(pfadfeld(), v_.pfad());
    EXPECT_GE(zeile_von("a.txt"), 0);
}

TEST_F(Dateinavigation, ZuLangerPfadWirdGekappt)
{
    // A path field full to the last character, then one more directory.
    std::string lang = v_.pfad() + "/" + std::string(399 - v_.pfad().size() - 1, 'p');
    ASSERT_EQ(lang.size(), 399u);
    gadgetstr[PFAD].set(lang.c_str());
    fileliste_ins_gadget_kopieren("unterverzeichnis (dir)  4096", &liste());
    ASSERT_EQ(ngnextdir(0, nullptr, &newgadgets[LISTE], 0, 0), 1);
    EXPECT_EQ(pfadfeld().size(), 399u);
    EXPECT_EQ(pfadfeld(), lang) << "nothing of the name fits";
}

// ---------------------------------------------------------------------------
// Layout
// ---------------------------------------------------------------------------

TEST(Dateianordnung, OhneFilter)
{
    // cw 10, ch 20: pad 10, field height 30, label column 60, list rows 25.
    Dateianordnung a = dateirequester_anordnen(10, 20, 10, -1, 5, 3);
    EXPECT_FALSE(a.mit_filter);
    EXPECT_EQ(a.feldhoehe, 30);
    EXPECT_EQ(a.liste.x, 60);
    EXPECT_EQ(a.liste.y, 10);
    EXPECT_EQ(a.liste.breite, 410);
    EXPECT_EQ(a.liste.hoehe, 262);
    EXPECT_EQ(a.pfad.y, 302);
    EXPECT_EQ(a.pfad.breite, 425) << "as wide as the list with its scroll bar";
    EXPECT_EQ(a.datei.y, 342);
    EXPECT_EQ(a.breite, 545);
    EXPECT_EQ(a.ok.x, 37);
    EXPECT_EQ(a.knopf1.x, 164);
    EXPECT_EQ(a.knopf2.x, 291);
    EXPECT_EQ(a.abbruch.x, 418);
    EXPECT_EQ(a.ok.y, 412);
    EXPECT_EQ(a.ok.breite, 90);
    EXPECT_EQ(a.hoehe, 482);
}

TEST(Dateianordnung, MitFilterUndLangemPfad)
{
    Dateianordnung a = dateirequester_anordnen(10, 20, 10, 3, 100, 3);
    EXPECT_TRUE(a.mit_filter);
    EXPECT_EQ(a.filter.y, 10);
    EXPECT_EQ(a.liste.y, 50);
    EXPECT_EQ(a.pfad.breite, 1025) << "101 cells and the scroll bar's room";
    EXPECT_EQ(a.breite, 60 + 1025 + 60);
    EXPECT_EQ(a.abbruch.x + a.abbruch.breite + (a.ok.x), a.breite);
    Dateianordnung klein = dateirequester_anordnen(6, 4, 1, -1, 0, 0);
    EXPECT_EQ(klein.feldhoehe, 6);
    EXPECT_EQ(klein.liste.y, 2) << "pad 2 for small cells";
}
