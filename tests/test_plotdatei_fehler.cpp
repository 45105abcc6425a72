// A plot file that cannot be written (a full disk) is reported once,
// naming the file, and the calls that return a status say so; in all
// three formats.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/xmalwerk1.h"

#include <string>

using testhilfe::anzahl;
using testhilfe::Arbeitsverzeichnis;
using testhilfe::Umgebung;

TEST(Plotdateifehler, VolleDiskWirdEinmalGemeldet)
{
    Arbeitsverzeichnis d;
    testhilfe::Verzeichniswechsel wd(d.pfad());  // TELL-A-GRAF's scratch file
    Umgebung env("ENV", d.pfad().c_str());
    Setenv("PLOTSAVE", "/dev/full");
    // A few points stay in the buffer until the close; many overflow it.
    struct Fall {
        const char *art;
        int punkte;
    };
    const Fall faelle[] = {{"IFF", 3}, {"IFF", 5000}, {"POST", 3}, {"POST", 5000}, {"TELLA", 3}, {"TELLA", 5000}};
    for (const Fall &f : faelle) {
        SCOPED_TRACE(std::string(f.art) + " " + std::to_string(f.punkte));
        testhilfe::bild_ohne_fenster(0, 0, 100, 100);
        testing::internal::CaptureStdout();
        plotsave(f.art);
        int fehlgeschlagen = 0;
        for (int i = 0; i < f.punkte; ++i) fehlgeschlagen += bildplot(i % 100, i % 97, i % 10 ? 2 : 3) != 0;
        int ende = term_exit();
        std::string aus = testing::internal::GetCapturedStdout();
        EXPECT_EQ(anzahl(aus, "Fehler beim Schreiben von '/dev/full'"), 1u) << aus;
        EXPECT_EQ(ende, -1);
        EXPECT_EQ(fehlgeschlagen > 0, f.punkte > 3);  // a few points fail only at the close
        EXPECT_EQ(malwerk_fpbild, nullptr);
        plotsave("OFF");
    }
}
