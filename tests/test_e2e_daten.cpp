// The real program started in a directory whose data files are missing or
// broken: it says so, neither hangs nor crashes, shows its window and ends
// on the close request. Coastline files with CR LF line ends or without a
// final line feed give the same picture as the clean file.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/umbrixlauf.h"

#include <cmath>
#include <string>

using testhilfe::Bild;
using testhilfe::Elemente;
using testhilfe::Umbrixlauf;
using testhilfe::eingelesen;
using testhilfe::finsternis;

namespace {

std::string quelle(const std::string &name)
{
    return testhilfe::datei_lesen(std::string(UMBRIX_SOURCE_DIR) + "/data/" + name);
}

// The eclipse file's text up to the record of this date (that record
// excluded), and the record itself; records are ten lines each.
std::string bis_zum_satz(const std::string &text, const Elemente &e, std::string *satz)
{
    std::string kopf = std::to_string(e.jahr) + " " + std::to_string(e.monat) + " " + std::to_string(e.tag) + "\n";
    size_t p = text.find("\n" + kopf);
    if (p == std::string::npos) throw std::runtime_error("Satz nicht gefunden");
    ++p;
    size_t q = p;
    for (int i = 0; i < 10; ++i) q = text.find('\n', q) + 1;
    *satz = text.substr(p, q - p);
    return text.substr(0, p);
}

// The window is up, the globe is drawn and the close request ends the
// program with 0. With the eclipse shown given, a click stops its
// animation first; else the picture settles when the animation ends.
void zeigt_die_erde_und_endet(Umbrixlauf &u, const Elemente *gezeigt = nullptr)
{
    if (gezeigt)
        ASSERT_TRUE(testhilfe::anhalten(u, *gezeigt)) << u.ausgabe();
    else
        ASSERT_TRUE(u.ruhig_warten(10, 0.15)) << u.ausgabe();
    auto b = u.bild();
    int blau = 0;
    for (double y = -0.9; y <= 0.9; y += 0.1)
        for (double x = -0.9; x <= 0.9; x += 0.1) blau += b->pixel(u.spalte(x), u.reihe(y)) == testhilfe::hellblau;
    EXPECT_GT(blau, 200) << u.ausgabe();
    EXPECT_TRUE(u.programm().laeuft());
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// The program on April 2024, stopped, showing greatest eclipse.
std::unique_ptr<Bild> groesste_phase(Umbrixlauf &u)
{
    const Elemente &e = finsternis(2024, 4);
    if (!u.starten({"2024", "4"}) || !u.warten_auf(eingelesen(e), 10) || !testhilfe::anhalten(u, e)) return nullptr;
    return testhilfe::zeigen(u, Umbrixlauf::spalte_fuer(e.groesste));
}

// A coastline segment across the Atlantic, visible at greatest eclipse,
// whose second point is the file's last line.
const char *const letztes_segment = "> Shore Bin # 9999, Level 1\n-60\t0\n-45\t10";

}  // namespace

TEST(E2eDaten, BesselelementeFehlen)
{
    Umbrixlauf u;
    u.datei("gmtkuesten.dat", quelle("gmtkuesten.dat"));
    ASSERT_TRUE(u.starten({"2024", "4"})) << u.ausgabe();
    EXPECT_TRUE(u.warten_auf("Datei mit Besselelementen nicht gefunden.\n", 5)) << u.ausgabe();
    zeigt_die_erde_und_endet(u);
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 0) << u.ausgabe();
}

TEST(E2eDaten, BesselelementeLeer)
{
    Umbrixlauf u;
    u.datei("gmtkuesten.dat", quelle("gmtkuesten.dat"));
    u.datei("Ecad22.prn", "");
    ASSERT_TRUE(u.starten({"2024", "4"})) << u.ausgabe();
    EXPECT_TRUE(u.warten_auf("Keine Besselelemente in Ecad22.prn.\n", 5)) << u.ausgabe();
    zeigt_die_erde_und_endet(u);
    EXPECT_EQ(u.zaehlen("Besselelemente eingelesen"), 0) << u.ausgabe();
}

// The file ends inside the record of October 2024: asked for that month,
// the program says so and shows the last whole eclipse, April 2024.
TEST(E2eDaten, BesselelementeImSatzAbgeschnitten)
{
    std::string satz;
    std::string text = bis_zum_satz(quelle("Ecad22.prn"), finsternis(2024, 10), &satz);
    Umbrixlauf u;
    u.datei("gmtkuesten.dat", quelle("gmtkuesten.dat"));
    u.datei("Ecad22.prn", text + satz.substr(0, satz.size() / 2));
    ASSERT_TRUE(u.starten({"2024", "10"})) << u.ausgabe();
    EXPECT_TRUE(u.warten_auf(eingelesen(finsternis(2024, 4)), 5)) << u.ausgabe();
    EXPECT_NE(u.ausgabe().find("Fehlerhafte Daten in Ecad22.prn"), std::string::npos) << u.ausgabe();
    zeigt_die_erde_und_endet(u, &finsternis(2024, 4));
}

// Text in place of a number in the record of April 2024: the eclipse
// before it (October 2023) is shown, with a message.
TEST(E2eDaten, BesselelementeMitTextStattZahl)
{
    std::string satz;
    std::string text = bis_zum_satz(quelle("Ecad22.prn"), finsternis(2024, 4), &satz);
    size_t zeile4 = 0;
    for (int i = 0; i < 3; ++i) zeile4 = satz.find('\n', zeile4) + 1;
    satz.replace(zeile4, satz.find(' ', zeile4) - zeile4, "abc");  // x0
    Umbrixlauf u;
    u.datei("gmtkuesten.dat", quelle("gmtkuesten.dat"));
    u.datei("Ecad22.prn", text + satz + "2024 10 2\n");
    ASSERT_TRUE(u.starten({"2024", "4"})) << u.ausgabe();
    EXPECT_TRUE(u.warten_auf(eingelesen(finsternis(2023, 10)), 5)) << u.ausgabe();
    EXPECT_NE(u.ausgabe().find("Fehlerhafte Daten in Ecad22.prn"), std::string::npos) << u.ausgabe();
    zeigt_die_erde_und_endet(u, &finsternis(2023, 10));
}

// Numbers that are none (not a number, infinite) in the record of April
// 2024: faulty data like text, the eclipse before it is shown.
TEST(E2eDaten, BesselelementeUnendlichUndKeineZahl)
{
    std::string satz;
    std::string text = bis_zum_satz(quelle("Ecad22.prn"), finsternis(2024, 4), &satz);
    size_t zeile4 = 0;
    for (int i = 0; i < 3; ++i) zeile4 = satz.find('\n', zeile4) + 1;
    size_t zeile8 = zeile4;
    for (int i = 0; i < 4; ++i) zeile8 = satz.find('\n', zeile8) + 1;
    satz.replace(zeile8, satz.find(' ', zeile8) - zeile8, "inf");  // l1 0
    satz.replace(zeile4, satz.find(' ', zeile4) - zeile4, "nan");  // x0
    Umbrixlauf u;
    u.datei("gmtkuesten.dat", quelle("gmtkuesten.dat"));
    u.datei("Ecad22.prn", text + satz);
    ASSERT_TRUE(u.starten({"2024", "4"})) << u.ausgabe();
    EXPECT_TRUE(u.warten_auf(eingelesen(finsternis(2023, 10)), 5)) << u.ausgabe();
    EXPECT_NE(u.ausgabe().find("Fehlerhafte Daten in Ecad22.prn"), std::string::npos) << u.ausgabe();
    zeigt_die_erde_und_endet(u, &finsternis(2023, 10));
}

TEST(E2eDaten, KuestenFehlen)
{
    Umbrixlauf u;
    u.datei("Ecad22.prn", quelle("Ecad22.prn"));
    auto b = groesste_phase(u);
    ASSERT_TRUE(b) << u.ausgabe();
    EXPECT_NE(u.ausgabe().find("'gmtkuesten.dat' nicht gefunden\n"
                               "Diese Datei kann mit GMT so erstellt werden:\n"
                               "pscoast -Dc -R/-180/180/-90/90 -W -M >gmtkuesten.dat\n"),
              std::string::npos)
        << u.ausgabe();
    // Without coastlines the globe holds only the shadow's lines and the
    // place marker: little white inside it.
    int weiss = 0;
    for (int py = 0; py < b->hoehe(); ++py)
        for (int px = 0; px < b->breite(); ++px)
            weiss += std::hypot(u.user_x(px), u.user_y(py)) < 0.98 && b->pixel(px, py) == testhilfe::weiss;
    EXPECT_LT(weiss, 1500);
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// Lines of nonsense: an unknown header, text, numbers that are none, bytes
// of every value, an overlong line.
TEST(E2eDaten, KuestenMitUnsinn)
{
    std::string unsinn = "> Border Bin # 1\n1 2\n3 4\n> Shore Bin # 2, Level 1\nabc def\n7\n\n";
    unsinn += "nan nan\ninf -inf\n1e400 5\n-60 0\n-45 10\n";
    for (int c = 1; c < 256; ++c) unsinn += static_cast<char>(c == '\n' ? ' ' : c);
    unsinn += "\n" + std::string(1000, '9') + "\n> Shore\n";
    Umbrixlauf u;
    u.datei("Ecad22.prn", quelle("Ecad22.prn"));
    u.datei("gmtkuesten.dat", unsinn);
    auto b = groesste_phase(u);
    ASSERT_TRUE(b) << u.ausgabe();
    EXPECT_NE(u.ausgabe().find("unbekanntes Schluesselwort: > Border Bin # 1\n"), std::string::npos)
        << u.ausgabe();
    // No line runs off to a corner of the drawing area.
    for (int px : {0, 1, Umbrixlauf::breite - 1})
        for (int py : {u.menubalken(), u.menubalken() + Umbrixlauf::hoehe - 1})
            EXPECT_FALSE(b->in_naehe(px, py, 2, testhilfe::weiss)) << px << ", " << py;
    EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
}

// The same coastlines with CR LF line ends, and without the final line
// feed, give the very picture of the clean file.
TEST(E2eDaten, KuestenMitCrLfUndOhneLetztenZeilenvorschub)
{
    std::string sauber = quelle("gmtkuesten.dat") + letztes_segment + "\n";
    std::unique_ptr<Bild> bezug;
    {
        Umbrixlauf u;
        u.datei("Ecad22.prn", quelle("Ecad22.prn"));
        u.datei("gmtkuesten.dat", sauber);
        bezug = groesste_phase(u);
        ASSERT_TRUE(bezug) << u.ausgabe();
        // The last segment is drawn: white along the line between its points.
        const Elemente &e = finsternis(2024, 4);
        double t = Umbrixlauf::t_bei(Umbrixlauf::spalte_fuer(e.groesste));
        double x1, y1, x2, y2;
        testhilfe::grundebene(-60, 0, e.mu_grad(t), e.d_grad(t), &x1, &y1, nullptr);
        testhilfe::grundebene(-45, 10, e.mu_grad(t), e.d_grad(t), &x2, &y2, nullptr);
        for (double s = 0.1; s < 1; s += 0.2)
            EXPECT_TRUE(bezug->in_naehe(u.spalte(x1 + s * (x2 - x1)), u.reihe(y1 + s * (y2 - y1)), 1,
                                        testhilfe::weiss));
        EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
    }
    std::string crlf;
    for (char c : sauber) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string &text : {crlf, sauber.substr(0, sauber.size() - 1)}) {
        Umbrixlauf u;
        u.datei("Ecad22.prn", quelle("Ecad22.prn"));
        u.datei("gmtkuesten.dat", text);
        auto b = groesste_phase(u);
        ASSERT_TRUE(b) << u.ausgabe();
        EXPECT_EQ(b->unterschiede(*bezug), 0) << (text == crlf ? "CR LF" : "no final line feed");
        EXPECT_EQ(u.ausgabe().find("Schluesselwort"), std::string::npos) << u.ausgabe();
        EXPECT_EQ(u.schliessen(5), 0) << u.ausgabe();
    }
}
