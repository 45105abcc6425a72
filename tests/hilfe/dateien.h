// Test helpers for files: a scratch directory of its own, whole-file reading
// and writing.
#ifndef TESTHILFE_DATEIEN_H
#define TESTHILFE_DATEIEN_H

#include <string>

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

}  // namespace testhilfe

#endif
