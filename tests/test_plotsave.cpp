// Switching recording on and off, the file name from the settings store,
// and the plot file's life along the pictures of a session.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <string>

using testhilfe::datei_existiert;
using testhilfe::datei_lesen;
using testhilfe::Arbeitsverzeichnis;
using testhilfe::Umgebung;
using testhilfe::anzahl;

namespace {

// A working directory of its own, and neither a settings directory nor a
// PLOTSAVE in the environment.
struct Ablage {
    Arbeitsverzeichnis d;
    testhilfe::Verzeichniswechsel wd{d.pfad()};
    Umgebung env{"ENV", nullptr};
    Umgebung name{"PLOTSAVE", nullptr};
};

}  // namespace

TEST(Plotsave, AusOhneOffeneDateiAendertNurDenVormerker)
{
    Ablage a;
    qsave1flag = 1;
    malwerk_postflag = 1;
    testing::internal::CaptureStdout();
    plotsave("OFF");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(qsave1flag, 0);
    EXPECT_EQ(qsaveflag, 0);
    EXPECT_EQ(malwerk_fpbild, nullptr);
    EXPECT_EQ(malwerk_postflag, 1);
    EXPECT_TRUE(testhilfe::verzeichnis_liste(a.d.pfad()).empty());
    qsave1flag = 1;
    plotsave("AUS");
    EXPECT_EQ(qsave1flag, 0);
}

TEST(Plotsave, PostVorDemErstenBildOeffnetBildTmpBeiQinital)
{
    testhilfe::XvfbServer x(1280, 1024, 24);
    x.als_display_setzen();
    Ablage a;
    plotsave("POST");
    EXPECT_EQ(qsave1flag, 1);
    EXPECT_EQ(qsaveflag, 0);
    EXPECT_EQ(malwerk_postflag, 1);
    EXPECT_EQ(malwerk_iffflag, 0);
    EXPECT_STREQ(malwerk_bildname, "BILD.TMP");
    EXPECT_FALSE(datei_existiert("BILD.TMP"));

    setsize(400, 300, 24);
    qinital(1, 0, 0, 10, 10);
    EXPECT_EQ(qsaveflag, 1);
    ASSERT_NE(malwerk_fpbild, nullptr);
    EXPECT_TRUE(datei_existiert("BILD.TMP"));
    bildplot(1, 1, 3);
    bildplot(9, 9, 2);
    term_exit();
    // The end of the session closes the file but keeps it pending.
    EXPECT_EQ(malwerk_fpbild, nullptr);
    EXPECT_EQ(qsaveflag, 0);
    EXPECT_EQ(qsave1flag, 1);
    std::string text = datei_lesen("BILD.TMP");
    EXPECT_EQ(text.rfind("%!PS-Adobe-2.0 EPSF-1.2\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 18), " showpage\nrestore\n");
    testhilfe::RgbBild b;
    std::string meldungen;
    EXPECT_EQ(testhilfe::eps_rendern("BILD.TMP", 72, &b, &meldungen), 0) << meldungen;
    auto mitte = testhilfe::eps_bildpunkt(5, 5, 0, 0, 10, 10, 72);
    EXPECT_TRUE(testhilfe::dunkel_nahe(b, mitte.x, mitte.y));
}

TEST(Plotsave, NameAusDenEinstellungenBleibtBeimNaechstenGetenv)
{
    Ablage a;
    Arbeitsverzeichnis env;
    Umgebung e("ENV", env.pfad().c_str());
    Setenv("PLOTSAVE", "mein.iff");
    Setenv("ANDERES", "etwas ganz anderes");
    testhilfe::bild_ohne_fenster(0, 0, 1, 1);
    plotsave("IFF");
    // A picture is open: the file opens at once.
    EXPECT_EQ(qsaveflag, 1);
    EXPECT_EQ(qsave1flag, 0);
    EXPECT_TRUE(datei_existiert("mein.iff"));
    EXPECT_STREQ(Getenv("ANDERES"), "etwas ganz anderes");
    EXPECT_STREQ(malwerk_bildname, "mein.iff");
    bildplot(0, 0, 3);
    bildplot(1, 1, 2);
    bildclose();
    EXPECT_EQ(testhilfe::iff_lesen("mein.iff").linien.size(), 1u);
}

TEST(Plotsave, NameAusDerProzessumgebung)
{
    Ablage a;
    Umgebung n("PLOTSAVE", "umgebung.tag");
    plotsave("TELL");
    EXPECT_STREQ(malwerk_bildname, "umgebung.tag");
    EXPECT_EQ(malwerk_iffflag, 0);
    EXPECT_EQ(malwerk_postflag, 0);
    EXPECT_EQ(qsave1flag, 1);
}

TEST(Plotsave, ArtAlsDeskriptor)
{
    Ablage a;
    descr d;
    plotsave(reinterpret_cast<const char *>(machdescr("POSTSCRIPT", &d)));
    EXPECT_EQ(malwerk_postflag, 1);
    EXPECT_EQ(qsave1flag, 1);
    plotsave(reinterpret_cast<const char *>(machdescr("IFF", &d)));
    EXPECT_EQ(malwerk_iffflag, 1);
    EXPECT_EQ(malwerk_postflag, 0);
    // A descriptor whose text is longer than its length counts only that.
    const char *text = "OFFEN";
    d.laenge = 2;
    d.typ = 14;
    d.klasse = 1;
    d.zeiger = text;
    plotsave(reinterpret_cast<const char *>(&d));
    EXPECT_EQ(qsave1flag, 0);
}

TEST(Plotsave, EinschaltenBeiOffenerDateiSchliesstSieZuerst)
{
    Ablage a;
    Arbeitsverzeichnis env;
    Umgebung e("ENV", env.pfad().c_str());
    testhilfe::bild_ohne_fenster(0, 0, 10, 10);
    Setenv("PLOTSAVE", "erst.iff");
    plotsave("IFF");
    bildplot(1, 1, 3);
    bildplot(9, 1, 2);
    bildplot(9, 9, 2);
    Setenv("PLOTSAVE", "dann.eps");
    plotsave("POST");
    // The IFF file got its last record and its lengths, in its own format.
    auto f = testhilfe::iff_lesen("erst.iff");
    EXPECT_EQ(f.fehler, "");
    ASSERT_EQ(f.linien.size(), 1u);
    EXPECT_EQ(f.linien[0].punkte.size(), 3u);
    ASSERT_NE(malwerk_fpbild, nullptr);
    bildplot(1, 5, 3);
    bildplot(9, 5, 2);
    plotsave("OFF");
    EXPECT_EQ(malwerk_fpbild, nullptr);
    testhilfe::RgbBild b;
    std::string meldungen;
    EXPECT_EQ(testhilfe::eps_rendern("dann.eps", 72, &b, &meldungen), 0) << meldungen;
    auto p = testhilfe::eps_bildpunkt(5, 5, 0, 0, 10, 10, 72);
    EXPECT_TRUE(testhilfe::dunkel_nahe(b, p.x, p.y));
}

TEST(Plotsave, DateiDieSichNichtOeffnenLaesst)
{
    Ablage a;
    Umgebung n("PLOTSAVE", (a.d.pfad() + "/fehlt/bild.eps").c_str());
    testhilfe::bild_ohne_fenster(0, 0, 10, 10);
    malwerk_initalflag = 0;
    plotsave("POST");
    EXPECT_EQ(qsave1flag, 1);
    testing::internal::CaptureStdout();
    inital_new(0, 0, 10, 10);
    std::string ausgabe = testing::internal::GetCapturedStdout();
    EXPECT_EQ(ausgabe, "Fehler beim Oeffnen von '" + a.d.pfad() + "/fehlt/bild.eps'\n");
    EXPECT_EQ(qsaveflag, 0);
    EXPECT_EQ(qsave1flag, 1);  // the next picture tries again
    EXPECT_EQ(malwerk_fpbild, nullptr);
    // Recording calls are harmless then.
    EXPECT_EQ(bildplot(1, 1, 3), 0);
    bildclose();
    EXPECT_EQ(qsaveflag, 0);
}

TEST(Plotsave, NeuesBildBeiOffenerDateiSchliesstDieAlte)
{
    // Pending recording stays pending after the first picture opened its
    // file; a second picture without closing the first must not lose the
    // first one's end. TELL-A-GRAF appends, so both pictures show.
    Ablage a;
    testhilfe::bild_ohne_fenster(0, 0, 10, 10);
    malwerk_initalflag = 0;
    testing::internal::CaptureStdout();
    plotsave("TELLAGRAF");
    for (int bild = 0; bild < 2; ++bild) {
        inital_new(0, 0, 10, 10);
        bildplot(1, 1, 3);
        bildplot(2, 2, 2);
    }
    term_exit();
    testing::internal::GetCapturedStdout();
    std::string text = datei_lesen("BILD.TMP");
    EXPECT_EQ(anzahl(text, "INPUT DATA.\n"), 2u);
    EXPECT_EQ(anzahl(text, "\nEOD.\nGO.\n"), 2u);
}

TEST(Plotsave, Debugspuren)
{
    Ablage a;
    testhilfe::bild_ohne_fenster(0, 0, 10, 10);
    malwerk_initalflag = 0;
    mal_setdebug(1);
    testing::internal::CaptureStdout();
    plotsave("IFF");
    inital_new(0, 0, 10, 10);
    plotsave("OFF");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "plotsave('IFF')\nbildopen('BILD.TMP')\nplotsave('OFF')\nbildclose()\n");
}
