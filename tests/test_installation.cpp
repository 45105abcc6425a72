// The installation: cmake --install into a scratch prefix puts program,
// data, library, public headers, pkg-config file, manual page and desktop
// entry in their places; a program builds against the installed library
// with pkg-config alone; the installed umbrix runs from anywhere.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

using testhilfe::Arbeitsverzeichnis;
using testhilfe::ausfuehren;
using testhilfe::datei_lesen;

namespace {

bool gibt_es(const std::string &pfad)
{
    struct stat st;
    return stat(pfad.c_str(), &st) == 0;
}

bool ausfuehrbar(const std::string &pfad)
{
    return access(pfad.c_str(), X_OK) == 0;
}

// The value of a key of the desktop entry's main group.
std::string schluessel(const std::string &eintrag, const std::string &name)
{
    size_t p = eintrag.find("\n" + name + "=");
    if (p == std::string::npos) return "";
    p += name.size() + 2;
    return eintrag.substr(p, eintrag.find('\n', p) - p);
}

// Installs the build into prefix (once per test process).
void installieren(const std::string &prefix)
{
    std::string aus;
    ASSERT_EQ(ausfuehren({CMAKE_BEFEHL, "--install", UMBRIX_BUILD_DIR, "--prefix", prefix}, &aus, 60), 0) << aus;
}

}  // namespace

TEST(Installation, DateienAnIhremPlatz)
{
    Arbeitsverzeichnis a;
    const std::string p = a.pfad();
    installieren(p);
    if (HasFatalFailure()) return;

    EXPECT_TRUE(ausfuehrbar(p + "/bin/umbrix"));
    EXPECT_EQ(datei_lesen(p + "/share/umbrix/Ecad22.prn"), datei_lesen(UMBRIX_SOURCE_DIR "/data/Ecad22.prn"));
    EXPECT_EQ(datei_lesen(p + "/share/umbrix/gmtkuesten.dat"),
              datei_lesen(UMBRIX_SOURCE_DIR "/data/gmtkuesten.dat"));

    const std::string lib = p + "/" INSTALL_LIBDIR;
    EXPECT_TRUE(gibt_es(lib + "/libxmalwerk1.a"));
    EXPECT_TRUE(gibt_es(lib + "/pkgconfig/xmalwerk1.pc"));
    // The public headers and nothing internal.
    const std::string inc = p + "/" INSTALL_INCLUDEDIR "/xmalwerk1";
    for (const char *h : {"/xmalwerk1.h", "/core/malwerk.h", "/menu/menu.h", "/requester/requester.h"})
        EXPECT_TRUE(gibt_es(inc + h)) << h;
    for (const char *h : {"/core/intern.h", "/menu/menu_intern.h", "/menu/tastatur.h", "/requester/requester_intern.h",
                          "/requester/anordnung.h"})
        EXPECT_FALSE(gibt_es(inc + h)) << h;

    EXPECT_EQ(datei_lesen(p + "/" INSTALL_DOCDIR "/examples/xmalwerk.screens"),
              datei_lesen(UMBRIX_SOURCE_DIR "/data/xmalwerk.screens"));

    const std::string man = datei_lesen(p + "/" INSTALL_MANDIR "/man1/umbrix.1");
    EXPECT_EQ(man.rfind(".TH UMBRIX 1", 0), 0u);
    // The manual names the configured data directory and the environment.
    EXPECT_NE(man.find(UMBRIX_DATENVERZEICHNIS), std::string::npos);
    for (const char *v : {".B DISPLAY", ".B PWD", ".B h\n", ".B ENV", ".B PLOTSAVE", "CDROM"})
        EXPECT_NE(man.find(v), std::string::npos) << v;

    const std::string desktop = datei_lesen(p + "/share/applications/umbrix.desktop");
    EXPECT_EQ(desktop.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_EQ(schluessel(desktop, "Type"), "Application");
    EXPECT_EQ(schluessel(desktop, "Exec"), INSTALL_FULL_BINDIR "/umbrix");  // absolute: the launcher start
    EXPECT_EQ(schluessel(desktop, "StartupWMClass"), "Umbrix");            // as the window's WM_CLASS
    EXPECT_EQ(schluessel(desktop, "Icon"), "umbrix");
    EXPECT_TRUE(gibt_es(p + "/share/icons/hicolor/scalable/apps/umbrix.svg"));
}

TEST(Installation, HandbuchseiteOhneWarnungen)
{
    std::string aus;
    if (ausfuehren({"/bin/sh", "-c", "command -v groff"}, &aus, 10) != 0) GTEST_SKIP() << "no groff";
    int status = ausfuehren({"/bin/sh", "-c", "groff -man -Tutf8 -ww -z " UMBRIX_BUILD_DIR "/installation/umbrix.1"},
                            &aus, 30);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(aus, "");
}

TEST(Installation, ProgrammBautMitPkgConfigUndFindPackageGegenDenPrefix)
{
    Arbeitsverzeichnis a;
    installieren(a.pfad() + "/prefix");
    if (HasFatalFailure()) return;
    // Moved after installing: pkg-config and CMake files find their prefix.
    const std::string p = a.pfad() + "/verschoben";
    ASSERT_EQ(rename((a.pfad() + "/prefix").c_str(), p.c_str()), 0);

    const std::string pc = "PKG_CONFIG_PATH=" + p + "/" INSTALL_LIBDIR "/pkgconfig";
    std::string flags;
    ASSERT_EQ(ausfuehren({"/bin/sh", "-c", "env " + pc + " pkg-config --cflags --libs xmalwerk1"}, &flags, 30), 0)
        << flags;
    EXPECT_NE(flags.find("-lxmalwerk1"), std::string::npos) << flags;
    EXPECT_NE(flags.find("-lX11"), std::string::npos) << flags;
    EXPECT_EQ(flags.find(UMBRIX_SOURCE_DIR), std::string::npos) << "the sources are not needed";

    // The program of a user of the library, compiled in a directory of its own.
    const std::string programm = a.datei("anwendung");
    std::string aus;
    const std::string befehl = "cd " + a.pfad() + " && env " + pc + " " CXX_BEFEHL " -std=c++17 " SANITIZE_FLAGS " " +
                               UMBRIX_SOURCE_DIR "/tests/extern/anwendung.cpp -o " + programm +
                               " $(env " + pc + " pkg-config --cflags --libs xmalwerk1)";
    ASSERT_EQ(ausfuehren({"/bin/sh", "-c", befehl}, &aus, 120), 0) << befehl << "\n" << aus;
    ASSERT_EQ(ausfuehren({programm}, &aus, 10), 0) << aus;
    EXPECT_EQ(aus, "Version 2.89\n");

    testhilfe::XvfbServer x(800, 600, 24);
    ASSERT_EQ(ausfuehren({programm, x.name()}, &aus, 10, {"DISPLAY=" + x.name()}), 0) << aus;
    EXPECT_EQ(aus, "320 200 0\n");

    const std::string bau = a.pfad() + "/bau";
    ASSERT_EQ(ausfuehren({CMAKE_BEFEHL, "-S", UMBRIX_SOURCE_DIR "/tests/extern", "-B", bau, "-DCMAKE_PREFIX_PATH=" + p,
                          "-DCMAKE_CXX_COMPILER=" CXX_BEFEHL, "-DCMAKE_CXX_FLAGS=" SANITIZE_FLAGS,
                          "-DCMAKE_EXE_LINKER_FLAGS=" SANITIZE_FLAGS},
                         &aus, 120),
              0)
        << aus;
    ASSERT_EQ(ausfuehren({CMAKE_BEFEHL, "--build", bau}, &aus, 120), 0) << aus;
    ASSERT_EQ(ausfuehren({bau + "/anwendung"}, &aus, 10), 0) << aus;
    EXPECT_EQ(aus, "Version 2.89\n");
}

TEST(Installation, DestdirLegtAllesUnterDenPrefix)
{
    Arbeitsverzeichnis a;
    std::string aus;
    ASSERT_EQ(ausfuehren({CMAKE_BEFEHL, "--install", UMBRIX_BUILD_DIR}, &aus, 60, {"DESTDIR=" + a.pfad()}), 0) << aus;
    EXPECT_TRUE(ausfuehrbar(a.pfad() + INSTALL_FULL_BINDIR "/umbrix"));
    EXPECT_TRUE(gibt_es(a.pfad() + UMBRIX_DATENVERZEICHNIS "/Ecad22.prn"));
    EXPECT_TRUE(gibt_es(a.pfad() + INSTALL_FULL_LIBDIR "/pkgconfig/xmalwerk1.pc"));
}

// Runs the installed umbrix on a private server until its output holds
// text (or some seconds passed); returns the output.
std::string umbrix_bis(const std::string &programm, const std::vector<std::string> &argumente,
                       const std::string &verzeichnis, const std::string &text)
{
    testhilfe::XvfbServer x(1280, 1024, 24);
    std::vector<std::string> aufruf{programm};
    aufruf.insert(aufruf.end(), argumente.begin(), argumente.end());
    testhilfe::Kindprozess umbrix(aufruf, {"DISPLAY=" + x.name()}, verzeichnis);
    for (int i = 0; i < 500 && umbrix.laeuft() && umbrix.ausgabe().find(text) == std::string::npos; ++i)
        testhilfe::schlafen(0.02);
    x.beenden();  // the program ends with the lost server
    umbrix.warten(5);
    return umbrix.ausgabe();
}

TEST(Installation, InstalliertesUmbrixFindetSeineDatenVonUeberallHer)
{
    Arbeitsverzeichnis a;
    const std::string p = a.pfad() + "/prefix";
    installieren(p);
    if (HasFatalFailure()) return;
    const std::string woanders = a.pfad() + "/woanders";  // holds no data files
    ASSERT_EQ(mkdir(woanders.c_str(), 0755), 0);
    const std::string umbrix = p + "/bin/umbrix";

    std::string aus = umbrix_bis(umbrix, {"2008", "8"}, woanders, "Besselelemente eingelesen");
    EXPECT_NE(aus.find("1.8.2008 Besselelemente eingelesen.\n"), std::string::npos) << aus;
    EXPECT_EQ(aus.find("nicht gefunden"), std::string::npos) << aus;  // coastlines too

    // Started by absolute path without arguments (a desktop launcher): the
    // program's own directory holds no data, the installation's does.
    aus = umbrix_bis(umbrix, {}, woanders, "Besselelemente eingelesen");
    EXPECT_NE(aus.find(".1951 Besselelemente eingelesen.\n"), std::string::npos) << aus;
    EXPECT_EQ(aus.find("nicht gefunden"), std::string::npos) << aus;
}

TEST(Installation, DatenImArbeitsverzeichnisGehenVor)
{
    Arbeitsverzeichnis a;
    const std::string p = a.pfad() + "/prefix";
    installieren(p);
    if (HasFatalFailure()) return;
    // An eclipse file of its own with only the first eclipse of the shipped one.
    const std::string eigenes = a.pfad() + "/eigenes";
    ASSERT_EQ(mkdir(eigenes.c_str(), 0755), 0);
    std::string ecad = datei_lesen(UMBRIX_SOURCE_DIR "/data/Ecad22.prn");
    size_t zeilen = 0, ende = 0;
    while (zeilen < 10 && (ende = ecad.find('\n', ende) + 1) != 0) ++zeilen;
    testhilfe::datei_schreiben(eigenes + "/Ecad22.prn", ecad.substr(0, ende));

    int jahr = 0, monat = 0, tag = 0;
    ASSERT_EQ(std::sscanf(ecad.c_str(), "%d %d %d", &jahr, &monat, &tag), 3);
    std::string aus = umbrix_bis(p + "/bin/umbrix", {"2008", "8"}, eigenes, "Besselelemente eingelesen");
    const std::string erste = std::to_string(tag) + "." + std::to_string(monat) + "." + std::to_string(jahr);
    EXPECT_NE(aus.find(erste + " Besselelemente eingelesen.\n"), std::string::npos) << aus;
    EXPECT_EQ(aus.find(".2008 Besselelemente"), std::string::npos) << aus;
}
