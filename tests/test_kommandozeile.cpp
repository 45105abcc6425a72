// The viewer's command line and window size.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "betrachter/globusfenster.h"
#include "betrachter/datendatei.h"
#include "betrachter/zustand.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

int auswerten(std::vector<std::string> a)
{
    std::vector<char *> argv;
    for (auto &s : a) argv.push_back(s.data());
    argv.push_back(nullptr);
    return kommandozeile_auswerten(static_cast<int>(a.size()), argv.data());
}

// The command line is read once per run of the program: every case starts
// from the values at program start, and PWD is given back afterwards.
class Kommandozeile : public testing::Test {
protected:
    void SetUp() override
    {
        jahr = monat = alle = 0;
        memset(argflag, 0, sizeof argflag);
        delete[] aktuellerpfad;
        aktuellerpfad = nullptr;
    }
    void TearDown() override
    {
        delete[] aktuellerpfad;
        aktuellerpfad = nullptr;
    }

private:
    testhilfe::Umgebung pwd_{"PWD", getenv("PWD")};
};

}  // namespace

TEST_F(Kommandozeile, OhneArgumentVonDerShell)
{
    EXPECT_EQ(auswerten({"umbrix"}), 0);
    EXPECT_EQ(jahr, 2008);
    EXPECT_EQ(monat, 8);
    EXPECT_EQ(alle, 0);
    EXPECT_EQ(aktuellerpfad, nullptr);
}

TEST_F(Kommandozeile, StartUeberAbsolutenPfad)
{
    setenv("PWD", "/irgendwo", 1);
    EXPECT_EQ(auswerten({"/opt/umbrix/bin/umbrix"}), 0);
    ASSERT_NE(aktuellerpfad, nullptr);
    EXPECT_STREQ(aktuellerpfad, "/opt/umbrix/bin");
    EXPECT_STREQ(getenv("PWD"), "/opt/umbrix/bin");
    EXPECT_EQ(jahr, 1951);
    EXPECT_EQ(alle, 1);
}

TEST_F(Kommandozeile, NurJahr)
{
    EXPECT_EQ(auswerten({"umbrix", "1999"}), 0);
    EXPECT_EQ(jahr, 1999);
    EXPECT_EQ(monat, 0);
    EXPECT_EQ(alle, 1);
}

TEST_F(Kommandozeile, JahrUndMonat)
{
    EXPECT_EQ(auswerten({"/abs/umbrix", "1999", "8"}), 0);
    EXPECT_EQ(jahr, 1999);
    EXPECT_EQ(monat, 8);
    EXPECT_EQ(alle, 0);
    EXPECT_EQ(aktuellerpfad, nullptr);  // arguments given: no data directory
}

TEST_F(Kommandozeile, FragezeichenUndZuVieleArgumente)
{
    EXPECT_EQ(auswerten({"umbrix", "-?"}), 1);
    memset(argflag, 0, sizeof argflag);
    EXPECT_EQ(auswerten({"umbrix", "?"}), 1);
    memset(argflag, 0, sizeof argflag);
    EXPECT_EQ(auswerten({"umbrix", "1", "2", "3"}), 1);
    memset(argflag, 0, sizeof argflag);
    EXPECT_EQ(auswerten({"umbrix", "-x?y", "2001"}), 1);
}

TEST_F(Kommandozeile, OptionenWerdenVermerktUndUebergangen)
{
    EXPECT_EQ(auswerten({"umbrix", "-x", "2001"}), 0);
    EXPECT_EQ(argflag['X'], 1);  // letters are turned to upper case
    EXPECT_EQ(argflag['-'], 1);
    EXPECT_EQ(argflag['x'], 0);
    EXPECT_EQ(jahr, 2001);
    EXPECT_EQ(alle, 1);
}

TEST_F(Kommandozeile, NegativeZahlIstOption)
{
    EXPECT_EQ(auswerten({"umbrix", "-1999"}), 0);
    EXPECT_EQ(jahr, 2008);
    EXPECT_EQ(argflag['1'], 1);
}

// After "--" a negative number is the year, not option letters.
TEST_F(Kommandozeile, NachDoppelstrichNegativesJahr)
{
    EXPECT_EQ(auswerten({"umbrix", "--", "-584", "5"}), 0);
    EXPECT_EQ(jahr, -584);
    EXPECT_EQ(monat, 5);
    EXPECT_EQ(argflag['5'], 0);
}

TEST_F(Kommandozeile, UnlesbaresJahrGiltAlsFehlend)
{
    EXPECT_EQ(auswerten({"umbrix", "abc"}), 0);
    EXPECT_EQ(jahr, 2008);
    EXPECT_EQ(monat, 8);
    EXPECT_EQ(alle, 0);
    // "0" is read as the year (it replaces what jahr held) and then counts
    // as missing.
    jahr = 1999;
    EXPECT_EQ(auswerten({"umbrix", "0"}), 0);
    EXPECT_EQ(jahr, 2008);
    EXPECT_EQ(monat, 8);
}

TEST_F(Kommandozeile, ZeichenUeber127)
{
    char text[] = "-\xE4\xFF";
    setargflags(text);
    EXPECT_EQ(argflag[0xE4 & 0x7F], 1);
    EXPECT_EQ(argflag[0x7F], 1);
}

TEST(Fenstergroesse, GroessteFuenfZuVierFlaeche)
{
    struct Fall {
        int w, h, ew, eh;
    } faelle[] = {{1600, 1200, 1280, 1024}, {1024, 768, 960, 768}, {1280, 800, 1000, 800},
                  {1000, 1000, 1000, 800},  {1914, 1054, 1280, 1024}, {1920, 1000, 1250, 1000}, {1274, 998, 1247, 998},
                  {1280, 1024, 1280, 1024}};
    for (const auto &f : faelle) {
        int w = f.w, h = f.h, d = 24;
        fenstergroesse_berechnen(&w, &h, &d);
        EXPECT_EQ(w, f.ew) << f.w << "x" << f.h;
        EXPECT_EQ(h, f.eh) << f.w << "x" << f.h;
        EXPECT_EQ(d, 8);
    }
}
