// The file requester's wildcard filter: any pattern against any name. What
// it accepts must be a real match of the pattern ('*' any run, '?' one
// character); for the usual forms (a plain name, a star, a star and an
// ending, a beginning and a star) it must also find every match.
#include "fuzzhilfe.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <fnmatch.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace {

// The same pattern for fnmatch, where '[' and '\' would be special.
bool glob_passt(const std::string &muster, const std::string &name)
{
    std::string g;
    for (char c : muster) g += c == '[' ? std::string("[[]") : std::string(1, c);
    return fnmatch(g.c_str(), name.c_str(), FNM_NOESCAPE) == 0;
}

bool ohne_joker(const std::string &s)
{
    return s.find_first_of("*?") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzhilfe::ausgabe_stumm();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t n)
{
    FuzzedDataProvider d(daten, n);
    std::string muster = d.ConsumeRandomLengthString(100);
    std::string name = d.ConsumeRemainingBytesAsString();
    muster = muster.substr(0, muster.find('\0'));  // as C strings
    name = name.substr(0, name.find('\0'));

    const int r = filtervergleich(name.c_str(), muster.c_str());
    FUZZ_PRUEFEN(r == 0 || r == 1);
    if (r) FUZZ_PRUEFEN(glob_passt(muster, name));
    // Hidden names stay hidden from "*?." and "?*." patterns.
    const bool versteckt = !name.empty() && name[0] == '.' &&
                           (muster.rfind("*?.", 0) == 0 || muster.rfind("?*.", 0) == 0);
    if (versteckt) FUZZ_PRUEFEN(r == 0);
    if (!versteckt && !name.empty()) {
        if (ohne_joker(muster)) FUZZ_PRUEFEN(r == (name == muster));
        if (muster == "*") FUZZ_PRUEFEN(r == 1);
        if (muster.size() > 1 && muster[0] == '*' && ohne_joker(muster.substr(1))) {
            const std::string ende = muster.substr(1);
            const bool endet = name.size() >= ende.size() && name.compare(name.size() - ende.size(), ende.size(), ende) == 0;
            FUZZ_PRUEFEN(r == endet);
        }
        if (muster.size() > 1 && muster.back() == '*' && ohne_joker(muster.substr(0, muster.size() - 1))) {
            const std::string anfang = muster.substr(0, muster.size() - 1);
            FUZZ_PRUEFEN(r == (name.rfind(anfang, 0) == 0));
        }
    }
    // The one-way walk alone accepts nothing that is not a match either.
    if (filtervergleich1(name.empty() ? "x" : name.c_str(), muster.c_str()))
        FUZZ_PRUEFEN(glob_passt(muster, name.empty() ? "x" : name));
    return 0;
}
