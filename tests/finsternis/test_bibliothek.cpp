// The eclipse library stays free of the display and of printing: the
// viewer, the command line and the tools all use it, and its tests need no
// X server.
#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

TEST(Bibliothek, OhneXUndOhneAusgabe)
{
    const std::string verzeichnis = UMBRIX_SOURCE_DIR "/app/finsternis";
    const std::regex verboten(R"(#\s*include\s*[<"](X11/|xmalwerk1|betrachter/|befehle/|iostream)|)"
                              R"(\b(printf|puts|putchar|perror)\s*\(|std::(cout|cerr|clog)\b|\b(stdout|stderr)\b)");
    DIR *d = opendir(verzeichnis.c_str());
    ASSERT_NE(d, nullptr) << verzeichnis;
    int dateien = 0;
    while (const dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        if (!std::regex_search(name, std::regex(R"(\.(h|cpp)$)"))) continue;
        ++dateien;
        std::ifstream datei(verzeichnis + "/" + name);
        std::string zeile;
        for (int nummer = 1; std::getline(datei, zeile); ++nummer)
            EXPECT_FALSE(std::regex_search(zeile, verboten)) << name << ":" << nummer << ": " << zeile;
    }
    closedir(d);
    EXPECT_GT(dateien, 10);
}
