// The Debian packages, built by scripts/paket.sh from a copy of the tree:
// which files each package holds, and lintian's verdict. Building takes
// minutes, so this runs only when asked for (ctest -L paket) and where the
// Debian build tools are installed.
#include <gtest/gtest.h>

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

using testhilfe::Arbeitsverzeichnis;
using testhilfe::ausfuehren;

namespace {

bool vorhanden(const std::string &befehl)
{
    std::string aus;
    return ausfuehren({"/bin/sh", "-c", "command -v " + befehl}, &aus, 10) == 0;
}

// The paths a package installs (files and links, no directories).
std::set<std::string> inhalt(const std::string &deb)
{
    std::string aus;
    EXPECT_EQ(ausfuehren({"/bin/sh", "-c", "dpkg-deb --fsys-tarfile " + deb + " | tar -t | grep -v '/$'"}, &aus, 60), 0);
    std::set<std::string> pfade;
    std::istringstream zeilen(aus);
    for (std::string z; std::getline(zeilen, z);)
        if (z.rfind("./", 0) == 0) pfade.insert(z.substr(1));
    return pfade;
}

}  // namespace

TEST(DebianPakete, EnthaltenIhreDateienUndBestehenLintian)
{
    if (!std::getenv("UMBRIX_PAKETTEST")) GTEST_SKIP() << "builds packages only under ctest -L paket";
    for (const char *w : {"dpkg-buildpackage", "dh", "lintian"})
        if (!vorhanden(w)) GTEST_SKIP() << "Debian build tool missing: " << w;

    Arbeitsverzeichnis a;
    std::string aus;
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
    const std::string lib = "/usr/lib/x86_64-linux-gnu";
    for (const std::string &p :
         {lib + "/libxmalwerk1.a", lib + "/pkgconfig/xmalwerk1.pc", lib + "/cmake/xmalwerk1/xmalwerk1Config.cmake",
          lib + "/cmake/xmalwerk1/xmalwerk1ConfigVersion.cmake", lib + "/cmake/xmalwerk1/xmalwerk1Targets.cmake",
          std::string("/usr/include/xmalwerk1/xmalwerk1.h"), std::string("/usr/include/xmalwerk1/core/malwerk.h"),
          std::string("/usr/include/xmalwerk1/menu/menu.h"),
          std::string("/usr/include/xmalwerk1/requester/requester.h")})
        EXPECT_EQ(dev.count(p), 1u) << p;
    for (const auto &p : dev) {
        EXPECT_EQ(p.find("intern"), std::string::npos) << p;  // only the public headers
        if (p.rfind("/usr/share/doc/", 0) != 0) {
            EXPECT_EQ(programm.count(p), 0u) << "in both packages: " << p;
        }
    }

    ASSERT_EQ(ausfuehren({"/bin/sh", "-c", "lintian " + a.pfad() + "/umbrix_0.4_amd64.deb " + a.pfad() +
                                               "/libxmalwerk1-dev_0.4_amd64.deb 2>&1 | grep '^E:' || true"},
                         &aus, 600),
              0);
    EXPECT_EQ(aus, "") << "lintian errors";
}
