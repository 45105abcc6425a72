// TELL-A-GRAF command files: header, axes, numbered curves, appending,
// and the scratch file "tella.fdl".
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <string>
#include <vector>

using testhilfe::datei_existiert;
using testhilfe::datei_lesen;
using testhilfe::datei_schreiben;
using testhilfe::zeilen;

namespace {

struct TellaBild {
    testhilfe::Arbeitsverzeichnis d;
    testhilfe::Verzeichniswechsel wd{d.pfad()};
    TellaBild(double xmin, double ymin, double xmax, double ymax)
    {
        testhilfe::bild_ohne_fenster(xmin, ymin, xmax, ymax);
        malwerk_iffflag = 0;
        malwerk_postflag = 0;
    }
};

std::string nach(const std::string &text, const std::string &marke)
{
    size_t i = text.find(marke);
    return i == std::string::npos ? "" : text.substr(i + marke.size());
}

}  // namespace

TEST(TellAGrafDatei, KopfUndAchsen)
{
    TellaBild bild(-1, -2, 11, 3);
    testing::internal::CaptureStdout();
    bildopen("kopf.tag");
    std::string ausgabe = testing::internal::GetCapturedStdout();
    bildclose();
    // Axes from round numbers: -1 to 11 across; 0 to 3 down, because the
    // box holds the zero; 18 cm (12 times 1.5) and 15 cm (3 times 5).
    EXPECT_EQ(ausgabe,
              "X MINIMUM -1 MAXIMUM 11.\n"
              "Y MINIMUM 0 MAXIMUM 3.\n"
              "laenge=18.000000cm  hoehe=15.000000cm\n");
    EXPECT_EQ(datei_lesen("kopf.tag"),
              "PAGE LAYOUT IS HRH.\n"
              "GEN PLOT.\n"
              "NO PAGE BORDER.\n"
              "EVERY CURVE SOLID SYMBOL COUNT 0, THICKNESS 0.01.\n"
              "NO LEGEND.\n"
              "Y DETACH 90.\n"
              "X LABEL TEXT 'x-Achse'.\n"
              "Y LABEL TEXT 'y-Achse'.\n"
              "TITLE STYLE SERIF, TEXT 'Titel', HEIGHT 0.347.\n"
              "TITLE BOX 20 100 100 130.\n"
              "MESSAGE HEIGHT 0.217, FRAME OFF,\n"
              " UNITS COORDINATE, TEXT 'Message'.\n"
              "MESSAGE X 5, MESSAGE Y 2.7.\n"
              "GRACE 10.\n"
              "X ORIGIN 0.87, Y ORIGIN 0.65.\n"
              "X AXIS LENGTH 7.8671.\n"
              "Y AXIS LENGTH 6.5076.\n"
              "X MINIMUM -1 MAXIMUM 11.\n"
              "Y MINIMUM 0 MAXIMUM 3.\n"
              "INPUT DATA.\n"
              "\nEOD.\n"
              "GO.\n");
}

TEST(TellAGrafDatei, ZweiKurvenFuenfPaareJeZeile)
{
    TellaBild bild(0, 0, 10, 10);
    testing::internal::CaptureStdout();
    bildopen("kurven.tag");
    bildplot(0, 0, 3);
    for (int i = 1; i <= 6; ++i) bildplot(i, i * 0.5, 2);
    bildplot(0, 0, 4);  // records nothing
    bildplot(1, 9, 3);
    bildplot(2, 8.25, 2);
    bildclose();
    testing::internal::GetCapturedStdout();

    auto z = zeilen(nach(datei_lesen("kurven.tag"), "INPUT DATA.\n"));
    std::vector<std::string> erwartet = {
        "",
        "\"1\"",
        "",
        "0 0 1 0.5 2 1 3 1.5 4 2 ",
        "5 2.5 6 3 ",
        "\"2\"",
        "",
        "1 9 2 8.25 ",
        "EOD.",
        "GO.",
    };
    EXPECT_EQ(z, erwartet);
}

TEST(TellAGrafDatei, StrichVorJederBewegungBeginntKurveEins)
{
    TellaBild bild(0, 0, 10, 10);
    testing::internal::CaptureStdout();
    bildopen("ohne_m.tag");
    bildplot(3, 4, 2);
    bildplot(5, 6, 2);
    bildplot(7, 8, 3);
    bildclose();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(nach(datei_lesen("ohne_m.tag"), "INPUT DATA.\n"), "\n\"1\"\n\n3 4 5 6 \n\"2\"\n\n7 8 \nEOD.\nGO.\n");
}

TEST(TellAGrafDatei, BilderWerdenAngehaengt)
{
    TellaBild bild(0, 0, 10, 10);
    testing::internal::CaptureStdout();
    for (int n = 0; n < 2; ++n) {
        bildopen("zwei.tag");
        bildplot(1, 1, 3);
        bildplot(2, 2, 2);
        bildplot(3, 3, 3);
        bildplot(4, 4, 2);
        bildclose();
    }
    testing::internal::GetCapturedStdout();
    std::string text = datei_lesen("zwei.tag");
    size_t erstes = text.find("INPUT DATA.");
    size_t zweites = text.find("INPUT DATA.", erstes + 1);
    ASSERT_NE(zweites, std::string::npos);
    EXPECT_EQ(text.find("INPUT DATA.", zweites + 1), std::string::npos);
    // Each picture numbers its curves from 1 again.
    EXPECT_EQ(text.substr(0, zweites).find("\"3\""), std::string::npos);
    EXPECT_NE(text.find("\"1\"", zweites), std::string::npos);
    EXPECT_EQ(text.find("\"3\"", zweites), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 10), "\nEOD.\nGO.\n");
}

TEST(TellAGrafDatei, KopfAusTellaIni)
{
    TellaBild bild(-1, -2, 11, 3);
    std::string lang(300, 'L');
    datei_schreiben("TELLA.INI", "EIGENER KOPF.\n" + lang + "\nLETZTE ZEILE.\n");
    testing::internal::CaptureStdout();
    bildopen("ini.tag");
    std::string ausgabe = testing::internal::GetCapturedStdout();
    bildclose();
    EXPECT_EQ(ausgabe.rfind("TELLA.INI eingelesen\n", 0), 0u) << ausgabe;
    std::string text = datei_lesen("ini.tag");
    // Copied whole, also a line longer than one piece; no built-in header.
    EXPECT_EQ(text.rfind("EIGENER KOPF.\n" + lang + "\nLETZTE ZEILE.\nX AXIS LENGTH 7.8671.\n", 0), 0u) << text;
    EXPECT_EQ(text.find("PAGE LAYOUT"), std::string::npos);
    EXPECT_NE(text.find("Y MINIMUM 0 MAXIMUM 3.\nINPUT DATA.\n"), std::string::npos);
}

TEST(TellAGrafDatei, LeereFdlDateiUndKeinBefehl)
{
    TellaBild bild(0, 0, 1, 1);
    datei_schreiben("tella.fdl", "alter Inhalt");
    textfile_creat("egal.tag");
    EXPECT_TRUE(datei_existiert("tella.fdl"));
    EXPECT_EQ(datei_lesen("tella.fdl"), "");
    EXPECT_FALSE(datei_existiert("egal.tag"));  // only the plot file's open creates it

    // A name from the settings store with shell characters in it is a
    // file name and nothing else.
    const std::string name = "bild; touch gehackt1 $(touch gehackt2) `touch gehackt3`";
    testing::internal::CaptureStdout();
    bildopen(name.c_str());
    bildplot(0, 0, 3);
    bildplot(1, 1, 2);
    bildclose();
    std::string ausgabe = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(datei_existiert(name));
    EXPECT_NE(datei_lesen(name).find("INPUT DATA."), std::string::npos);
    EXPECT_FALSE(datei_existiert("gehackt1"));
    EXPECT_FALSE(datei_existiert("gehackt2"));
    EXPECT_FALSE(datei_existiert("gehackt3"));
    EXPECT_EQ(ausgabe.find("not found"), std::string::npos) << ausgabe;
    EXPECT_EQ(datei_lesen("tella.fdl"), "");
}
