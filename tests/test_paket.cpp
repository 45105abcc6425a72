// The Debian packages built by scripts/paket.sh: their files and lintian's
// verdict. Only under ctest -L paket (minutes) and with the build tools.
#include <gtest/gtest.h>

#include "hilfe/dateien.h"
#include "hilfe/plotdateien.h"
#include "hilfe/xvfb.h"

#include <cstdlib>
#include <set>
#include <string>

using testhilfe::Arbeitsverzeichnis;
using testhilfe::ausfuehren;

namespace {

// The paths a package installs (files and links, no directories).
std::set<std::string> inhalt(const std::string &deb)
{
    std::string aus;
    EXPECT_EQ(ausfuehren({"/bin/sh", "-c", "dpkg-deb --fsys-tarfile " + deb + " | tar -t | grep -v '/$'"}, &aus, 60), 0);
    std::set<std::string> pfade;
    for (const auto &z : testhilfe::zeilen(aus))
        if (z.rfind("./", 0) == 0) pfade.insert(z.substr(1));
    return pfade;
}

}  // namespace

TEST(DebianPakete, EnthaltenIhreDateienUndBestehenLintian)
{
    if (!std::getenv("UMBRIX_PAKETTEST")) GTEST_SKIP() << "builds packages only under ctest -L paket";
    Arbeitsverzeichnis a;
    std::string aus;
    for (const char *w : {"dpkg-buildpackage", "dh", "lintian"})
        if (ausfuehren({"/bin/sh", "-c", std::string("command -v ") + w}, &aus, 10) != 0)
            GTEST_SKIP() << "Debian build tool missing: " << w;
    ASSERT_EQ(ausfuehren({UMBRIX_SOURCE_DIR "/scripts/paket.sh"}, &aus, 1800,
                         {"PAKET_ZIEL=" + a.pfad(), "DEB_BUILD_OPTIONS=nocheck"}),
              0)
        << aus;

    const auto programm = inhalt(a.pfad() + "/umbrix_0.4_amd64.deb");
    for (const char *p : {"/usr/bin/umbrix", "/usr/share/umbrix/Ecad22.prn", "/usr/share/umbrix/gmtkuesten.dat",
                          "/usr/share/man/man1/umbrix.1.gz", "/usr/share/applications/umbrix.desktop",
                          "/usr/share/icons/hicolor/scalable/apps/umbrix.svg", "/usr/share/doc/umbrix/copyright"})
        EXPECT_EQ(programm.count(p), 1u) << p;

    const auto dev = inhalt(a.pfad() + "/libxmalwerk1-dev_0.4_amd64.deb");
    for (const char *p : {"lib/x86_64-linux-gnu/libxmalwerk1.a", "lib/x86_64-linux-gnu/pkgconfig/xmalwerk1.pc",
                          "lib/x86_64-linux-gnu/cmake/xmalwerk1/xmalwerk1Config.cmake",
                          "lib/x86_64-linux-gnu/cmake/xmalwerk1/xmalwerk1ConfigVersion.cmake",
                          "lib/x86_64-linux-gnu/cmake/xmalwerk1/xmalwerk1Targets.cmake",
                          "include/xmalwerk1/xmalwerk1.h",
                          "include/xmalwerk1/core/malwerk.h", "include/xmalwerk1/menu/menu.h",
                          "include/xmalwerk1/requester/requester.h"})
        EXPECT_EQ(dev.count(std::string("/usr/") + p), 1u) << p;
    for (const auto &p : dev) {
        EXPECT_EQ(p.find("intern"), std::string::npos) << p;  // only the public headers
        EXPECT_TRUE(p.rfind("/usr/share/doc/", 0) == 0 || !programm.count(p)) << "in both packages: " << p;
    }

    ASSERT_EQ(ausfuehren({"/bin/sh", "-c", "lintian " + a.pfad() + "/umbrix_0.4_amd64.deb " + a.pfad() +
                                               "/libxmalwerk1-dev_0.4_amd64.deb 2>&1 | grep '^E:' || true"},
                         &aus, 600),
              0);
    EXPECT_EQ(aus, "") << "lintian errors";
}
