// Test helpers for files: a scratch directory of its own, whole-file reading
// and writing, a working directory and environment variables that are
// restored at the end.
#ifndef TESTHILFE_DATEIEN_H
#define TESTHILFE_DATEIEN_H

#include <string>
#include <vector>

namespace testhilfe {

// A fresh directory below $TMPDIR (or /tmp), removed with its contents when
// the object goes.
class Arbeitsverzeichnis {
public:
    Arbeitsverzeichnis();
    ~Arbeitsverzeichnis();
    Arbeitsverzeichnis(const Arbeitsverzeichnis &) = delete;
    Arbeitsverzeichnis &operator=(const Arbeitsverzeichnis &) = delete;

    const std::string &pfad() const { return pfad_; }
    std::string datei(const std::string &name) const { return pfad_ + "/" + name; }

private:
    std::string pfad_;
};

// The whole file, bytes unchanged; throws when it cannot be read.
std::string datei_lesen(const std::string &pfad);

// Replaces the file with text (and sets the mode, e.g. 0755 for a script).
void datei_schreiben(const std::string &pfad, const std::string &text, unsigned modus = 0644);

bool datei_existiert(const std::string &pfad);
std::vector<std::string> verzeichnis_liste(const std::string &pfad);  // names without . and ..

// Changes the working directory for the life of the object.
class Verzeichniswechsel {
public:
    explicit Verzeichniswechsel(const std::string &pfad);
    ~Verzeichniswechsel();
    Verzeichniswechsel(const Verzeichniswechsel &) = delete;
    Verzeichniswechsel &operator=(const Verzeichniswechsel &) = delete;

private:
    std::string alt_;
};

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
