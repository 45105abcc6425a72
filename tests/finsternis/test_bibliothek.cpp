// The eclipse library stays free of the display and of printing: the
// viewer, the command line and the tools all use it, and its tests need no
// X server.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

TEST(Bibliothek, OhneXUndOhneAusgabe)
{
    const std::regex verboten(R"(#\s*include\s*[<"](X11/|xmalwerk1|betrachter/|befehle/|iostream)|)"
                              R"(\b(printf|puts|putchar|perror)\s*\(|std::(cout|cerr|clog)\b|\b(stdout|stderr)\b)");
    int dateien = 0;
    for (const auto &e : std::filesystem::directory_iterator(UMBRIX_SOURCE_DIR "/app/finsternis")) {
        std::ifstream datei(e.path());
        std::string zeile;
        for (int nummer = 1; std::getline(datei, zeile); ++nummer)
            EXPECT_FALSE(std::regex_search(zeile, verboten)) << e.path() << ":" << nummer << ": " << zeile;
        ++dateien;
    }
    EXPECT_GT(dateien, 10);
}
