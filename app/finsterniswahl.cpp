#include "finsterniswahl.h"

#include "bessel.h"

bool ab_monat(const Bessel &b, int jahr, int monat)
{
    return b.fjahr > jahr || (b.fjahr == jahr && b.fmonat >= monat);
}

const Bessel *finsternis_waehlen(const std::vector<Bessel> &alle, int jahr, int monat)
{
    for (const Bessel &b : alle)
        if (ab_monat(b, jahr, monat)) return &b;
    return nullptr;
}

std::string jahr_ausserhalb(const std::vector<Bessel> &alle, int jahr)
{
    const int erstes = alle.front().fjahr, letztes = alle.back().fjahr;
    if (jahr >= erstes && jahr <= letztes) return "";
    return "Jahr " + std::to_string(jahr) + " ausserhalb der Datei (" + std::to_string(erstes) + " bis " +
           std::to_string(letztes) + ").";
}
