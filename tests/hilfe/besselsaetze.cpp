#include "hilfe/besselsaetze.h"

#include "hilfe/dateien.h"
#include "ortsumstaende.h"

namespace testhilfe {

const std::vector<Bessel> &besselsaetze()
{
    static const std::vector<Bessel> alle = [] {
        Verzeichniswechsel hier(UMBRIX_BUILD_DIR);
        std::vector<Bessel> a;
        finsternisse_lesen(&a);
        return a;
    }();
    return alle;
}

const Bessel &besselsatz(int jahr, int monat)
{
    for (const Bessel &b : besselsaetze())
        if (b.fjahr == jahr && b.fmonat == monat) return b;
    static const Bessel leer;
    return besselsaetze().empty() ? leer : besselsaetze().front();
}

}  // namespace testhilfe
