// ecad_konverter CANON.csv VON BIS [AUSGABE]
// Writes the eclipse file for the canon's eclipses of the years VON to BIS
// to standard output, or to AUSGABE (replaced only when all went well).
#include "ecad_satz.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool jahr_lesen(const char *text, int &jahr)
{
    char *ende = nullptr;
    errno = 0;
    const long wert = std::strtol(text, &ende, 10);
    if (errno != 0 || ende == text || *ende != '\0' || wert < -100000 || wert > 100000) return false;
    jahr = static_cast<int>(wert);
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    int von = 0, bis = 0;
    if (argc < 4 || argc > 5 || !jahr_lesen(argv[2], von) || !jahr_lesen(argv[3], bis) || von > bis) {
        std::cerr << "Aufruf: ecad_konverter CANON.csv VON BIS [AUSGABE]\n"
                     "  schreibt die Besselelemente der Finsternisse der Jahre VON bis BIS\n"
                     "  im Format von Ecad22.prn (ohne AUSGABE auf die Standardausgabe)\n";
        return 2;
    }
    std::ifstream ein(argv[1], std::ios::binary);
    if (!ein) {
        std::cerr << "ecad_konverter: kann '" << argv[1] << "' nicht lesen\n";
        return 1;
    }
    std::vector<ecad::KanonZeile> zeilen;
    std::string fehler;
    if (!ecad::kanon_lesen(ein, zeilen, fehler)) {
        std::cerr << "ecad_konverter: " << argv[1] << ": " << fehler << '\n';
        return 1;
    }
    std::string text;
    if (!ecad::ecad_text(zeilen, von, bis, text, fehler)) {
        std::cerr << "ecad_konverter: " << fehler << '\n';
        return 1;
    }
    if (text.empty()) std::cerr << "ecad_konverter: keine Finsternis in " << von << ".." << bis << '\n';

    if (argc == 4) {
        std::cout << text;
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    // Write beside the target and rename, so a failed run leaves the old file.
    const std::string ziel = argv[4];
    const std::string neu = ziel + ".neu";
    {
        std::ofstream aus(neu, std::ios::binary | std::ios::trunc);
        aus << text;
        aus.close();
        if (!aus) {
            std::cerr << "ecad_konverter: kann '" << neu << "' nicht schreiben\n";
            std::remove(neu.c_str());
            return 1;
        }
    }
    if (std::rename(neu.c_str(), ziel.c_str()) != 0) {
        std::cerr << "ecad_konverter: kann '" << ziel << "' nicht ersetzen\n";
        std::remove(neu.c_str());
        return 1;
    }
    return 0;
}
