// Test helpers for files: a scratch directory of its own, reading and
// writing whole files, and a working directory that is restored.
#ifndef TESTHILFE_DATEIEN_H
#define TESTHILFE_DATEIEN_H

#include <string>
#include <vector>

namespace testhilfe {

// A fresh directory under /tmp, removed with everything in it at the end.
class TempVerzeichnis {
public:
    TempVerzeichnis();
    ~TempVerzeichnis();
    TempVerzeichnis(const TempVerzeichnis &) = delete;
    TempVerzeichnis &operator=(const TempVerzeichnis &) = delete;

    const std::string &pfad() const { return pfad_; }
    std::string operator/(const std::string &name) const { return pfad_ + "/" + name; }

private:
    std::string pfad_;
};

// Changes the working directory for the life of the object.
class Arbeitsverzeichnis {
public:
    explicit Arbeitsverzeichnis(const std::string &pfad);
    ~Arbeitsverzeichnis();
    Arbeitsverzeichnis(const Arbeitsverzeichnis &) = delete;
    Arbeitsverzeichnis &operator=(const Arbeitsverzeichnis &) = delete;

private:
    std::string alt_;
};

bool datei_existiert(const std::string &pfad);
std::string datei_lesen(const std::string &pfad);  // whole file, "" if missing
void datei_schreiben(const std::string &pfad, const std::string &inhalt);
std::vector<std::string> verzeichnis_liste(const std::string &pfad);  // names without . and ..

// Sets or (wert null) removes an environment variable, and restores the old
// state at the end.
class Umgebung {
public:
    Umgebung(const char *name, const char *wert);
    ~Umgebung();
    Umgebung(const Umgebung &) = delete;
    Umgebung &operator=(const Umgebung &) = delete;

private:
    std::string name_, alt_;
    bool hatte_ = false;
};

}  // namespace testhilfe

#endif
