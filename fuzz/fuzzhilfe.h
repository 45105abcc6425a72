// Shared pieces of the fuzzing harnesses: the input as a file (in memory or
// in a scratch directory of the process), a silent standard output, and a
// check that ends the run with a message when a property does not hold.
#ifndef UMBRIX_FUZZ_FUZZHILFE_H
#define UMBRIX_FUZZ_FUZZHILFE_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace fuzzhilfe {

// The readers report on standard output; thousands of runs a second would
// only flood the terminal. libFuzzer reports on standard error.
inline void ausgabe_stumm()
{
    if (!freopen("/dev/null", "w", stdout)) abort();
}

// The input as a stream to read from; the caller closes it.
inline FILE *als_strom(const uint8_t *daten, size_t n)
{
    if (n == 0) return fopen("/dev/null", "r");
    return fmemopen(const_cast<uint8_t *>(daten), n, "r");
}

// A scratch directory of this process, removed at its end.
inline const std::string &arbeitsordner()
{
    static const std::string pfad = [] {
        char muster[] = "/tmp/umbrix-fuzz-XXXXXX";
        if (!mkdtemp(muster)) abort();
        std::string p = muster;
        static std::string zum_loeschen = p;
        atexit([] {
            std::error_code e;
            std::filesystem::remove_all(zum_loeschen, e);
        });
        return p;
    }();
    return pfad;
}

// Writes the input into the scratch directory as name; returns the path.
inline std::string als_datei(const char *name, const uint8_t *daten, size_t n)
{
    std::string pfad = arbeitsordner() + "/" + name;
    FILE *f = fopen(pfad.c_str(), "wb");
    if (!f || (n && fwrite(daten, 1, n, f) != n) || fclose(f) != 0) abort();
    return pfad;
}

// A property of the code under test; a violation is a finding like a crash.
#define FUZZ_PRUEFEN(bedingung)                                                                    \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            fprintf(stderr, "%s:%d: verletzt: %s\n", __FILE__, __LINE__, #bedingung);            \
            abort();                                                                               \
        }                                                                                          \
    } while (0)

}  // namespace fuzzhilfe

#endif
