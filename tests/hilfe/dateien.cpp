#include "dateien.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

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

bool datei_existiert(const std::string &pfad) { return access(pfad.c_str(), F_OK) == 0; }

std::vector<std::string> verzeichnis_liste(const std::string &pfad)
{
    std::vector<std::string> namen;
    if (DIR *d = opendir(pfad.c_str())) {
        while (dirent *e = readdir(d)) {
            std::string n = e->d_name;
            if (n != "." && n != "..") namen.push_back(n);
        }
        closedir(d);
    }
    return namen;
}

Verzeichniswechsel::Verzeichniswechsel(const std::string &pfad)
{
    char *alt = getcwd(nullptr, 0);
    alt_ = alt ? alt : "/";
    free(alt);
    if (chdir(pfad.c_str()) != 0) throw std::runtime_error("chdir " + pfad);
}

Verzeichniswechsel::~Verzeichniswechsel()
{
    if (chdir(alt_.c_str()) != 0) perror("chdir");
}

Umgebung::Umgebung(const char *name, const char *wert) : name_(name)
{
    if (const char *a = getenv(name)) {
        hatte_ = true;
        alt_ = a;
    }
    if (wert)
        setenv(name, wert, 1);
    else
        unsetenv(name);
}

Umgebung::~Umgebung()
{
    if (hatte_)
        setenv(name_.c_str(), alt_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

}  // namespace testhilfe
