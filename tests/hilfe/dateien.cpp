#include "dateien.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace testhilfe {

Arbeitsverzeichnis::Arbeitsverzeichnis()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string muster = std::string(tmp && *tmp ? tmp : "/tmp") + "/umbrix-test-XXXXXX";
    std::vector<char> puffer(muster.begin(), muster.end());
    puffer.push_back('\0');
    if (!mkdtemp(puffer.data())) throw std::runtime_error("mkdtemp " + muster);
    pfad_ = puffer.data();
}

Arbeitsverzeichnis::~Arbeitsverzeichnis()
{
    std::error_code fehler;
    std::filesystem::remove_all(pfad_, fehler);
}

std::string datei_lesen(const std::string &pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) throw std::runtime_error("kann nicht lesen: " + pfad);
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    return inhalt.str();
}

void datei_schreiben(const std::string &pfad, const std::string &text, unsigned modus)
{
    {
        std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
        aus << text;
        if (!aus) throw std::runtime_error("kann nicht schreiben: " + pfad);
    }
    chmod(pfad.c_str(), static_cast<mode_t>(modus));
}

}  // namespace testhilfe
