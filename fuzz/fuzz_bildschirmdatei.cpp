// The screen description file: records of a quoted name and eight numbers,
// comments and white space between them, read until the first record of a
// screen or the first malformed one.
#include "fuzzhilfe.h"
#include "xmalwerk1/core/bildschirmdatei.h"

#include <vector>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzhilfe::ausgabe_stumm();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t n)
{
    // Every record that can be read, in order.
    std::vector<Bildschirmeintrag> saetze;
    FILE *f = fuzzhilfe::als_strom(daten, n);
    if (!f) return 0;
    Bildschirmeintrag e;
    while (bildschirmeintrag_lesen(f, &e)) {
        FUZZ_PRUEFEN(memchr(e.name, 0, sizeof e.name) != nullptr);
        FUZZ_PRUEFEN(strlen(e.name) <= 78);
        saetze.push_back(e);
    }
    fclose(f);

    // The search finds the first record of a screen, as the plain reading does.
    for (size_t i = 0; i < saetze.size(); i += saetze.size() > 4 ? saetze.size() / 4 : 1) {
        const Bildschirmeintrag &s = saetze[i];
        size_t erster = 0;
        while (saetze[erster].breite != s.breite || saetze[erster].hoehe != s.hoehe ||
               saetze[erster].tiefe != s.tiefe)
            ++erster;
        f = fuzzhilfe::als_strom(daten, n);
        Bildschirmeintrag gefunden;
        FUZZ_PRUEFEN(bildschirm_suchen(f, s.breite, s.hoehe, s.tiefe, &gefunden));
        fclose(f);
        FUZZ_PRUEFEN(strcmp(gefunden.name, saetze[erster].name) == 0);
        FUZZ_PRUEFEN(gefunden.xrand == saetze[erster].xrand && gefunden.yrand == saetze[erster].yrand);
    }
    // A screen that no record names is not found.
    f = fuzzhilfe::als_strom(daten, n);
    bool gibt_es = false;
    for (const Bildschirmeintrag &s : saetze) gibt_es |= s.breite == -7 && s.hoehe == -7 && s.tiefe == -7;
    FUZZ_PRUEFEN(bildschirm_suchen(f, -7, -7, -7, &e) == gibt_es);
    fclose(f);
    return 0;
}
