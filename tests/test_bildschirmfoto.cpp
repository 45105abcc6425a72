// The script that makes the README's picture still makes a PNG of the
// window's size with the built program, and the film beside it.
#include <gtest/gtest.h>

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "hilfe/xvfb.h"

#include <string>

TEST(Bildschirmfoto, SkriptMachtEinPngDerFenstergroesse)
{
    testhilfe::Arbeitsverzeichnis a;
    const std::string bild = a.datei("umbrix.png");
    std::string aus;
    int status = testhilfe::ausfuehren({UMBRIX_SOURCE_DIR "/scripts/bildschirmfoto.sh", bild}, &aus, 60,
                                       {"UMBRIX=" UMBRIX_BINARY});
    ASSERT_EQ(status, 0) << aus;
    EXPECT_NE(aus.find("Bild gespeichert: " + bild), std::string::npos) << aus;
    EXPECT_NE(aus.find("Film gespeichert: " + a.datei("umbrix.gif")), std::string::npos) << aus;
    testhilfe::RgbBild b = testhilfe::png_lesen(bild);
    EXPECT_EQ(b.breite, 1280);
    EXPECT_EQ(b.hoehe, 1024);
}
