// The settings store: reading a setting back from its file in the $ENV
// directory (any contents, any key), and storing then reading a value.
#include "fuzzhilfe.h"
#include "xmalwerk1/menu/menu.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace {

// A key that names a file directly inside the directory.
bool dateiname(const std::string &s)
{
    return !s.empty() && s != "." && s != ".." && s.find('/') == std::string::npos && s.size() < 256;
}

// What Getenv gives for a file of these contents: at most 199 characters,
// one trailing newline removed, up to the first zero byte.
std::string erwartet(const std::string &inhalt)
{
    std::string e = inhalt.substr(0, 199);
    if (!e.empty() && e.back() == '\n') e.pop_back();
    return e.substr(0, e.find('\0'));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzhilfe::ausgabe_stumm();
    setenv("ENV", fuzzhilfe::arbeitsordner().c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t n)
{
    FuzzedDataProvider d(daten, n);
    std::string schluessel = d.ConsumeRandomLengthString(260);
    schluessel = schluessel.substr(0, schluessel.find('\0'));  // as a C caller passes it
    const bool speichern = d.ConsumeBool();
    const std::string inhalt = d.ConsumeRemainingBytesAsString();
    const std::string pfad = fuzzhilfe::arbeitsordner() + "/" + schluessel;
    const bool passt = pfad.size() <= 199;  // the 200-byte path buffer

    if (!dateiname(schluessel)) {
        // Nothing to read in the directory: the environment's value (or none).
        const char *wert = Getenv(schluessel.c_str());
        const char *umgebung = getenv(schluessel.c_str());
        FUZZ_PRUEFEN(wert == umgebung || (wert && umgebung && strcmp(wert, umgebung) == 0));
        return 0;
    }
    if (speichern) {
        // Stored and read back: the value and its newline as a file holds them.
        const std::string wert = inhalt.substr(0, inhalt.find('\0'));
        Setenv(schluessel.c_str(), wert.c_str());
        const char *gelesen = Getenv(schluessel.c_str());
        if (passt) {
            FUZZ_PRUEFEN(gelesen != nullptr);
            FUZZ_PRUEFEN(std::string(gelesen) == erwartet(wert + "\n"));
            if (wert.size() < 199) FUZZ_PRUEFEN(std::string(gelesen) == wert);
        }
    } else {
        fuzzhilfe::als_datei(schluessel.c_str(), reinterpret_cast<const uint8_t *>(inhalt.data()), inhalt.size());
        const char *gelesen = Getenv(schluessel.c_str());
        if (passt) {
            FUZZ_PRUEFEN(gelesen != nullptr);
            FUZZ_PRUEFEN(strlen(gelesen) <= 199);
            FUZZ_PRUEFEN(std::string(gelesen) == erwartet(inhalt));
        } else {
            // The path does not fit: the file is not read.
            const char *umgebung = getenv(schluessel.c_str());
            FUZZ_PRUEFEN(gelesen == umgebung || (gelesen && umgebung && strcmp(gelesen, umgebung) == 0));
        }
    }
    unlink(pfad.c_str());
    return 0;
}
