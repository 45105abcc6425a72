#include "hilfe/dateien.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testhilfe {

TempVerzeichnis::TempVerzeichnis()
{
    char vorlage[] = "/tmp/umbrix-test-XXXXXX";
    if (!mkdtemp(vorlage)) throw std::runtime_error("mkdtemp");
    pfad_ = vorlage;
}

namespace {

void entfernen(const std::string &pfad)
{
    if (DIR *d = opendir(pfad.c_str())) {
        while (dirent *e = readdir(d)) {
            std::string n = e->d_name;
            if (n == "." || n == "..") continue;
            entfernen(pfad + "/" + n);
        }
        closedir(d);
        rmdir(pfad.c_str());
    } else {
        unlink(pfad.c_str());
    }
}

}  // namespace

TempVerzeichnis::~TempVerzeichnis() { entfernen(pfad_); }

Arbeitsverzeichnis::Arbeitsverzeichnis(const std::string &pfad)
{
    char *alt = getcwd(nullptr, 0);
    alt_ = alt ? alt : "/";
    free(alt);
    if (chdir(pfad.c_str()) != 0) throw std::runtime_error("chdir " + pfad);
}

Arbeitsverzeichnis::~Arbeitsverzeichnis()
{
    if (chdir(alt_.c_str()) != 0) perror("chdir");
}

bool datei_existiert(const std::string &pfad) { return access(pfad.c_str(), F_OK) == 0; }

std::string datei_lesen(const std::string &pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void datei_schreiben(const std::string &pfad, const std::string &inhalt)
{
    std::ofstream f(pfad, std::ios::binary);
    f << inhalt;
    if (!f) throw std::runtime_error("schreiben " + pfad);
}

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
