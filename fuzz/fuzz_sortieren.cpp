// The file requester's listing: any text of lines sorted (directories and
// links first, then by character code, dot-names last), split into the
// list's entries and shortened for display.
#include "fuzzhilfe.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> zeilen(const char *text)
{
    std::vector<std::string> z;
    std::string s(text);
    size_t von = 0, nl;
    while ((nl = s.find('\n', von)) != std::string::npos) {
        z.push_back(s.substr(von, nl - von));
        von = nl + 1;
    }
    z.push_back(s.substr(von));
    return z;
}

int vorzeichen(int v)
{
    return (v > 0) - (v < 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzhilfe::ausgabe_stumm();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t n)
{
    const std::string eingabe(reinterpret_cast<const char *>(daten), n);
    const std::string text = eingabe.substr(0, eingabe.find('\0'));
    char *alt = new char[text.size() + 1];
    memcpy(alt, text.c_str(), text.size() + 1);
    const std::vector<std::string> vorher = zeilen(alt);

    char *neu = sortieren(alt);  // deletes alt when it makes a new text
    if (vorher.size() <= 1) FUZZ_PRUEFEN(neu == alt);  // unchanged
    const std::vector<std::string> nachher = zeilen(neu);
    // The same lines, in an order the comparison agrees with.
    std::vector<std::string> a = vorher, b = nachher;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    FUZZ_PRUEFEN(a == b);
    for (size_t i = 0; i + 1 < nachher.size(); ++i) {
        const int v = namenvergleich(nachher[i].c_str(), nachher[i + 1].c_str());
        FUZZ_PRUEFEN(v <= 0);
        FUZZ_PRUEFEN(vorzeichen(namenvergleich(nachher[i + 1].c_str(), nachher[i].c_str())) == -vorzeichen(v));
    }

    // The list's entries, and their shortened form in a row of the list.
    Gadget2 liste{};
    liste.typ = 17;
    fileliste_ins_gadget_kopieren(neu, &liste);
    delete[] neu;
    FUZZ_PRUEFEN(liste.anzahl >= 1);
    FUZZ_PRUEFEN(liste.anzahl == std::min<int>(static_cast<int>(nachher.size()), MAX_LISTENEINTRAEGE));
    for (int i = 0; i < liste.anzahl; ++i) {
        FUZZ_PRUEFEN(text.empty() ? strcmp(liste.eintraege[i], "..") == 0 : nachher[i] == liste.eintraege[i]);
        for (int breite : {24, 40, 104, 200, -5}) {
            char zeile[120];
            memset(zeile, 'x', sizeof zeile);
            textkuerzen(liste.eintraege[i], zeile, breite, sizeof zeile);
            FUZZ_PRUEFEN(memchr(zeile, 0, sizeof zeile) != nullptr);
        }
    }
    delete[] liste.eintraege[0];
    delete[] liste.eintraege;
    return 0;
}
