// A plot file that cannot be written is reported once, and the calls that
// return a status say so; in all three formats.
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
    for (const char *art : {"IFF", "POST", "TELLA"})
        for (int punkte : {3, 5000}) {
            SCOPED_TRACE(std::string(art) + " " + std::to_string(punkte));
            testhilfe::bild_ohne_fenster(0, 0, 100, 100);
            testing::internal::CaptureStdout();
            plotsave(art);
            int fehlgeschlagen = 0;
            for (int i = 0; i < punkte; ++i) fehlgeschlagen += bildplot(i % 100, i % 97, i % 10 ? 2 : 3) != 0;
            int ende = term_exit();
            std::string aus = testing::internal::GetCapturedStdout();
            EXPECT_EQ(anzahl(aus, "Fehler beim Schreiben von '/dev/full'"), 1u) << aus;
            EXPECT_TRUE(ende == -1 && malwerk_fpbild == nullptr);
            EXPECT_EQ(fehlgeschlagen > 0, punkte > 3);  // a few points fail only at the close
            plotsave("OFF");
        }
}
