// File names as the file requester takes them apart and puts them together
// again: split into directory and file, join, the parent directory; every
// buffer is exactly as large as the caller says, so a write past it shows.
#include "fuzzhilfe.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <string>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzhilfe::ausgabe_stumm();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t n)
{
    FuzzedDataProvider d(daten, n);
    const int a = d.ConsumeIntegralInRange<int>(0, 450);
    const int b = d.ConsumeIntegralInRange<int>(0, 250);
    const int max = d.ConsumeIntegralInRange<int>(0, 500);
    std::string name = d.ConsumeRemainingBytesAsString();
    name = name.substr(0, name.find('\0'));

    const int gb = b == 0 ? a : b;  // 0 means: as large as the path's room
    std::unique_ptr<char[]> pfad(new char[static_cast<size_t>(a > 0 ? a : 1)]);
    std::unique_ptr<char[]> datei(new char[static_cast<size_t>(gb > 0 ? gb : 1)]);
    splitpfad(name.c_str(), pfad.get(), datei.get(), a, b);
    if (a <= 0) return 0;
    const std::string p = pfad.get(), f = datei.get();
    FUZZ_PRUEFEN(static_cast<int>(p.size()) < a && static_cast<int>(f.size()) < gb);

    // With room enough the parts give the name back.
    const bool genug = static_cast<int>(name.size()) < a && static_cast<int>(name.size()) < gb;
    if (genug) {
        FUZZ_PRUEFEN(f.find('/') == std::string::npos);
        std::unique_ptr<char[]> ganz(joinpfad(p.c_str(), f.c_str(), nullptr, 0));
        // A doubled slash before the file name is read as one.
        if (name.find("//") == std::string::npos) FUZZ_PRUEFEN(name == ganz.get());
    }
    if (max > 0) {
        std::unique_ptr<char[]> ziel(new char[static_cast<size_t>(max)]);
        joinpfad(p.c_str(), f.c_str(), ziel.get(), max);
        FUZZ_PRUEFEN(static_cast<int>(strlen(ziel.get())) < max);
    }
    std::unique_ptr<char[]> eltern(new char[static_cast<size_t>(a)]);
    elternpfad(name.c_str(), eltern.get(), a);
    FUZZ_PRUEFEN(static_cast<int>(strlen(eltern.get())) < a);
    if (static_cast<int>(name.size()) < a)
        FUZZ_PRUEFEN(name.rfind(eltern.get(), 0) == 0);  // the parent is a beginning of the path
    return 0;
}
