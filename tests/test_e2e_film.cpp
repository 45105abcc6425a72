// The animation saved as an animated GIF: umbrix --film and File -> Film
// speichern..., the files read back with giflib.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/umbrixlauf.h"

#include <X11/keysym.h>
#include <gif_lib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using testhilfe::Elemente;
using testhilfe::Umbrixlauf;

namespace {

// A GIF file read whole, and its frames laid over each other as a player
// lays them.
struct Film {
    GifFileType *gif = nullptr;
    explicit Film(const std::string &name)
    {
        int fehler;
        gif = DGifOpenFileName(name.c_str(), &fehler);
        if (gif && DGifSlurp(gif) != GIF_OK) {
            DGifCloseFile(gif, &fehler);
            gif = nullptr;
        }
    }
    ~Film()
    {
        if (gif) DGifCloseFile(gif, nullptr);
    }
    std::vector<unsigned char> bis_bild(int k) const
    {
        std::vector<unsigned char> rgb(static_cast<size_t>(gif->SWidth) * gif->SHeight * 3);
        for (int i = 0; i <= k; ++i) {
            const SavedImage &s = gif->SavedImages[i];
            GraphicsControlBlock gcb;
            DGifSavedExtensionToGCB(gif, i, &gcb);
            const ColorMapObject *m = s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : gif->SColorMap;
            for (int y = 0; y < s.ImageDesc.Height; ++y)
                for (int x = 0; x < s.ImageDesc.Width; ++x) {
                    const int f = s.RasterBits[y * s.ImageDesc.Width + x];
                    if (f == gcb.TransparentColor) continue;
                    unsigned char *p = &rgb[((s.ImageDesc.Top + y) * gif->SWidth + s.ImageDesc.Left + x) * 3];
                    p[0] = m->Colors[f].Red;
                    p[1] = m->Colors[f].Green;
                    p[2] = m->Colors[f].Blue;
                }
        }
        return rgb;
    }
};

// umbrix --film in u's directory and screen (through sh, for a limit put
// before it); the exit status.
int film_befehl(Umbrixlauf &u, const std::string &argumente, std::string *ausgabe, const std::string &vorher = "")
{
    testhilfe::Kindprozess k({"/bin/sh", "-c", vorher + "exec " + UMBRIX_BINARY + " --film " + argumente},
                             {"DISPLAY=" + u.anzeige()}, u.verzeichnis().pfad());
    const int status = k.warten(60);
    return *ausgabe = k.ausgabe(), status;
}

}  // namespace

// 8 April 2024 at 640 x 512: 121 frames played in a loop; halfway, the
// penumbra's orange edge of the shaded picture where the elements put it,
// and the path in yellow.
TEST(E2eFilm, FilmBefehl)
{
    Umbrixlauf u;
    u.daten_kopieren();
    std::string aus;
    ASSERT_EQ(film_befehl(u, "april.gif 2024 4", &aus), 0) << aus;
    EXPECT_NE(aus.find("Film gespeichert: april.gif\n"), std::string::npos) << aus;
    EXPECT_LT(testhilfe::datei_lesen(u.verzeichnis().datei("april.gif")).size(), 4u << 20);
    Film f(u.verzeichnis().datei("april.gif"));
    ASSERT_TRUE(f.gif);
    EXPECT_EQ(f.gif->SWidth * 10000 + f.gif->SHeight, 6400512);
    ASSERT_EQ(f.gif->ImageCount, 121);
    const SavedImage &erstes = f.gif->SavedImages[0];
    ASSERT_GE(erstes.ExtensionBlockCount, 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(erstes.ExtensionBlocks[0].Bytes), 11), "NETSCAPE2.0");

    const Elemente &e = testhilfe::finsternis(2024, 4);
    const std::vector<unsigned char> bild = f.bis_bild(60);
    const double t = 0, xmax = 1.5 * 640 / 512;
    auto rand_bei = [&](double x, double y) {
        const int px = int(std::lround((x + xmax) * 639 / (2 * xmax))), py = int(std::lround((1.5 - y) * 511 / 3));
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const unsigned char *p = &bild[((py + dy) * 640 + px + dx) * 3];
                if (std::abs(p[0] - 0xff) < 24 && std::abs(p[1] - 0x9f) < 24 && std::abs(p[2] - 0x3f) < 24) return true;
            }
        return false;
    };
    for (int k = 0; k < 8; ++k)
        EXPECT_TRUE(rand_bei(e.X(t) + e.L1(t) * cos(k * M_PI / 4), e.Y(t) + e.L1(t) * sin(k * M_PI / 4))) << k;
    int gelb = 0;
    for (size_t i = 0; i < bild.size(); i += 3) gelb += bild[i] == 255 && bild[i + 1] == 255 && bild[i + 2] == 0;
    EXPECT_GT(gelb, 100);

    ASSERT_EQ(film_befehl(u, "klein.gif 2024 4 --groesse 200x160", &aus), 0) << aus;
    Film klein(u.verzeichnis().datei("klein.gif"));
    ASSERT_TRUE(klein.gif);
    EXPECT_EQ(klein.gif->SWidth * 10000 + klein.gif->SHeight, 2000160);
}

// Bad names and sizes (status 2), a directory without room for a file or a
// full disc (status 1): one line, nothing left behind, the old file kept.
TEST(E2eFilm, FehlerLassenNichtsZurueck)
{
    Umbrixlauf u;
    u.daten_kopieren();
    const std::string alt = u.verzeichnis().datei("alt.gif");
    testhilfe::datei_schreiben(alt, "alt");
    const std::string schreibgeschuetzt = u.verzeichnis().datei("ro");
    ASSERT_EQ(mkdir(schreibgeschuetzt.c_str(), 0555), 0);
    struct Fall {
        std::string argumente;
        int status;
        std::string meldung, vorher;
    };
    std::vector<Fall> faelle = {
        {"", 2, "Kein Dateiname nach --film", ""},
        {"alt.png", 2, "Unbekannte Endung: alt.png; Filme werden als .gif gespeichert.", ""},
        {".gif", 2, "Kein Dateiname vor der Endung: .gif", ""},
        {"alt.gif --groesse 0x0", 2, "Keine Groesse (BxH, jede Seite 64 bis 2048 Pixel): '0x0'.", ""},
        {"alt.gif --groesse 100000x100000", 2, "Keine Groesse", ""},
        {"alt.gif --groesse abc", 2, "Keine Groesse", ""},
        {"alt.gif --groesse", 2, "Keine Groesse nach --groesse", ""},
        {"alt.gif 2024 4 8", 2, "Zu viele Argumente", ""},
        {"/proc/f.gif", 1, "Film nicht gespeichert: in /proc kann keine Datei angelegt werden", ""},
        {"alt.gif 2024 4", 1, "Film nicht gespeichert: alt.gif konnte nicht geschrieben werden.",
         "trap '' XFSZ; ulimit -f 100; "},
    };
    // A read-only directory stops everyone but root.
    if (geteuid() != 0) faelle.push_back({"ro/f.gif", 1, "in " + schreibgeschuetzt + " kann keine Datei angelegt werden", ""});
    for (const Fall &f : faelle) {
        std::string aus;
        EXPECT_EQ(film_befehl(u, f.argumente, &aus, f.vorher), f.status) << f.argumente << aus;
        const size_t zeile = aus.find("umbrix: ");
        EXPECT_NE(aus.find(f.meldung, zeile), std::string::npos) << f.argumente << aus;
        EXPECT_EQ(aus.find("umbrix: ", zeile + 1), std::string::npos) << "one line: " << aus;
    }
    EXPECT_EQ(testhilfe::datei_lesen(alt), "alt");
    EXPECT_EQ(testhilfe::verzeichnis_liste(u.verzeichnis().pfad()).size(), 4u);  // the data files, alt.gif, ro
    EXPECT_TRUE(testhilfe::verzeichnis_liste(schreibgeschuetzt).empty());
}

// Escape F while the eclipse is shown: the requester proposes the eclipse's
// date; the film has the window's size and all frames.
TEST(E2eFilm, EscapeFSpeichertDenFilmDerGezeigtenFinsternis)
{
    Umbrixlauf u;
    const Elemente &e = testhilfe::finsternis(2024, 4);
    u.daten_kopieren();
    ASSERT_TRUE(u.starten({"2024", "4"}) && u.warten_auf(testhilfe::eingelesen(e), 10) &&
                testhilfe::anhalten(u, e))
        << u.ausgabe();
    u.taste(XK_Escape);
    u.taste(XK_f);
    testhilfe::Fernbedienung f(u.anzeige());
    ASSERT_TRUE(f.fenster_finden("Speichern: Film als .gif", 5)) << u.ausgabe();
    for (int i = 0; i < 2; ++i) f.taste(XK_Tab, XK_Shift_L);
    f.taste(XK_Return);
    const std::string name = u.verzeichnis().datei("umbrix-2024-04-08.gif");
    ASSERT_TRUE(u.warten_auf("Film gespeichert: " + name + "\n", 90)) << u.ausgabe();
    Film film(name);
    ASSERT_TRUE(film.gif);
    EXPECT_EQ(film.gif->SWidth * 10000 + film.gif->SHeight, Umbrixlauf::breite * 10000 + Umbrixlauf::hoehe);
    EXPECT_EQ(film.gif->ImageCount, 121);
    EXPECT_EQ(u.schliessen(), 0) << u.ausgabe();
}
